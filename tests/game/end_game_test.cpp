// The end of a board: the entry into the top-score file, the result windows, the window's
// state after a game, and the game-over text turning in the status bar.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "dialogs/frmScores2.h"
#include "dialogs/frmTheWinerIs.h"
#include "game/score_file_text.h"
#include "game/support/tolvarin_fixture.h"
#include "game/temp_app_folder.h"
#include "platform/files/atomic_file.h"
#include "platform/files/paths.h"
#include "platform/forms/msgbox.h"
#include "platform/media/mci.h"
#include "platform/media/playsound.h"
#include "platform/runtime/app.h"

namespace {

using namespace endgame_test;

const char* const kTable1 = "scores/scores1.dat";
const std::string kMarquee = std::string(50, ' ') + "G a m e  O v e r !" + std::string(28, ' ') +
                             "To begin a new game click the 'New Game' button or press F2";

std::string OnOff(bool on) { return on ? "on" : "off"; }

class EndGameTest : public TolvarinTest {
protected:
    EndGameTest() {
        form.picRollDice.setPicture(vb::Picture(nullptr, "roll"));
        form.picRollOff.setPicture(vb::Picture(nullptr, "roll off"));
        form.picRollDices.setPicture(form.picRollDice.Picture());
        form.picRollDices.setEnabled(true);
        form.OfferUndo(true);
        Module1::GameStarted = true;
        Module1::NewScoreRank = 7;  // left from an earlier game
    }
    ~EndGameTest() override {
        vb::SetReplaceFailureHook({});
        media::TakeSoundRequests();
        media::TakeMciCommands();
    }

    // The shown board is full with @p total.
    void FullBoard(int32_t total) {
        form.roundIndex = 52;
        form.grandTotal = total;
    }

    // Answers the top-scores window: keeps its result line and first rows, then Return.
    void ExpectScoresWindow() {
        host.onModal("frmScores2", [this](vb::Form& window) {
            auto& w = static_cast<frmScores2&>(window);
            scoresSeen += w.lblScore.Caption() + "\n";
            for (int32_t place = 1; place <= 3; ++place) {
                vb::ListItem& row = w.LVScores.ListItems(place);
                scoresSeen += row.Text() + " " + row.SubItems(1) + " " + row.SubItems(2) + "\n";
            }
            host.click(w.cmdReturn);
        });
    }
    void ExpectWinnerWindow() {
        host.onModal("frmTheWinerIs", [this](vb::Form& window) {
            auto& w = static_cast<frmTheWinerIs&>(window);
            winnerSeen = w.lblWiner.Caption();
            host.click(w.cmdClose);
        });
    }

    std::string State() {
        const bool undo = form.Toolbar2.Buttons("tbUndo").Enabled() || form.mnuUndoUndo.Enabled();
        const bool redo = form.Toolbar2.Buttons("tbRedo").Enabled() || form.mnuUndoRedo.Enabled();
        return "rank " + std::to_string(Module1::NewScoreRank) + ", last game " +
               std::to_string(Module1::LastGameScore) + ", totals " +
               std::to_string(Module1::Player1Total) + " : " +
               std::to_string(Module1::Player2Total) + "\nresult shown " +
               OnOff(Module1::ShowScoreResult) + ", from main " + OnOff(Module1::OpenedFromMain) +
               "\ngame started " + OnOff(Module1::GameStarted) + ", over " + OnOff(form.gameOver) +
               ", board entered " + OnOff(form.boardEntered) + "\nundo " + OnOff(undo) + ", redo " +
               OnOff(redo) + "\nroll area " + OnOff(form.picRollDices.Enabled()) + ", showing " +
               form.picRollDices.Picture().name() + "\nboard viewer " +
               OnOff(form.cmdShowNextBoard.Visible()) + " " +
               OnOff(form.cmdShowNextBoard.Enabled()) + "\nmarquee " +
               OnOff(form.tmrGameOver.Enabled()) + " every " +
               std::to_string(form.tmrGameOver.Interval()) + " ms\nplaylist " +
               OnOff(form.Timer3.Enabled()) + ", intro " + OnOff(form.Timer4.Enabled()) +
               "\npanel 2 \"" + form.StatusBar1.Panels(2).Text() + "\"\n";
    }

    std::string Panel(int16_t n) { return form.StatusBar1.Panels(n).Text(); }

    TempAppFolder folder;
    std::string scoresSeen;
    std::string winnerSeen;
};

TEST_F(EndGameTest, AFirstGameMakesTheTableAndEndsTheGame) {
    Module1::Player1Name = "Alexandrina12";
    FullBoard(250);
    ExpectScoresWindow();
    form.EndGame();
    EXPECT_EQ(FileText(folder.Read(kTable1)),
              " 1 |Alexandrin|   250|3/7/2026  |\n"
              "2-20 empty\n"
              "tail 01 00 00 00\n");
    EXPECT_EQ(scoresSeen,
              "  Your score of  250 points was good enough to get on the \r\n"
              "   top scores table at position #1.\n"
              "1 Alexandrin 250\n"
              "2  \n"
              "3  \n");
    EXPECT_EQ(State(),
              "rank 1, last game 250, totals 0 : 0\n"
              "result shown on, from main on\n"
              "game started on, over on, board entered on\n"
              "undo off, redo off\n"
              "roll area off, showing roll off\n"
              "board viewer off off\n"
              "marquee on every 1 ms\n"
              "playlist off, intro off\n"
              "panel 2 \"\"\n");
    EXPECT_EQ(form.statusMarquee, kMarquee);
    EXPECT_EQ(form.statusMarquee.size(), 155u);
    EXPECT_TRUE(form.ShownBoardEntered());
}

TEST_F(EndGameTest, OnePlayerSeesTheTableAlsoWhenTheScoreMissedIt) {
    folder.Write(kTable1, TableFileOf(FullTable(400, 10)));
    const std::vector<uint8_t> before = folder.Read(kTable1);
    FullBoard(120);
    ExpectScoresWindow();
    form.EndGame();
    EXPECT_EQ(folder.Read(kTable1), before);
    EXPECT_EQ(scoresSeen,
              "  Your score of  120 points was not good enough to get on the  \r\n"
              "   top scores table.\n"
              "1 P1         400\n"
              "2 P2         390\n"
              "3 P3         380\n");
    EXPECT_EQ(Module1::NewScoreRank, -1);
}

// Each board is entered with the name of its player; the table opens only for an entry
// that made it, and the winner window after the second board.
TEST_F(EndGameTest, TwoPlayersEnterOneBoardEach) {
    Module1::NumPlayers = 2;
    Module1::Player1Name = "Ann";
    Module1::Player2Name = "Bob";
    Module1::MusicOn = true;
    form.Timer3.setEnabled(true);
    folder.Write(kTable1, TableFileOf({{"Old", 290, "1/1/2026"}}));
    form.StatusBar1.Panels(1).setText("Ann");
    FullBoard(280);
    ExpectScoresWindow();
    media::TakeMciCommands();
    form.EndGame();
    // The top-scores window plays the jingle of an entry that made the table.
    EXPECT_EQ(
        media::TakeMciCommands(),
        (std::vector<std::string>{
            "close myMP3", "close song",
            "open \"" + vb::App().Path + "\\TLWAVS\\GameOver2.mp3\" alias song", "play song"}));
    EXPECT_EQ(State(),
              "rank 2, last game 280, totals 280 : 0\n"
              "result shown on, from main on\n"
              "game started off, over off, board entered on\n"
              "undo off, redo off\n"
              "roll area on, showing roll\n"
              "board viewer off off\n"
              "marquee off every 150 ms\n"
              "playlist off, intro off\n"
              "panel 2 \"\"\n");
    EXPECT_TRUE(form.ShownBoardEntered());

    // The hand-over brings the second board; it is not the one entered. The player flags,
    // not the text of status panel 1, say whose board it is.
    form.playerFlags = {false, true, true, true, true};
    form.roundIndex = 30;
    EXPECT_FALSE(form.ShownBoardEntered());

    FullBoard(300);
    EXPECT_FALSE(form.ShownBoardEntered()) << "full, but not entered yet";
    ExpectScoresWindow();
    ExpectWinnerWindow();
    form.EndGame();
    EXPECT_TRUE(form.ShownBoardEntered());
    EXPECT_EQ(winnerSeen, "Bob Wins!");
    EXPECT_EQ(FileText(folder.Read(kTable1)),
              " 1 |Bob       |   300|3/7/2026  |\n"
              " 2 |Old       |   290|1/1/2026  |\n"
              " 3 |Ann       |   280|3/7/2026  |\n"
              "4-20 empty\n"
              "tail 01 00 00 00\n");
    EXPECT_EQ(State(),
              "rank 1, last game 300, totals 280 : 300\n"
              "result shown on, from main on\n"
              "game started on, over on, board entered on\n"
              "undo off, redo off\n"
              "roll area on, showing roll off\n"
              "board viewer on on\n"
              "marquee on every 1 ms\n"
              "playlist off, intro on\n"
              "panel 2 \"\"\n");
    EXPECT_EQ(host.pendingScripts(), std::vector<std::string>{});
}

// The roll area of a finished two-player game stays enabled for the board viewer it holds,
// but neither a click on it nor Enter rolls the dice of the full boards again.
TEST_F(EndGameTest, AFinishedTwoPlayerGameRollsNoMore) {
    Module1::NumPlayers = 2;
    form.playerFlags = {false, true, true, true, true};  // the second board is shown
    form.diceValues = {1, 2, 3, 4, 5, 6};
    form.rollNumber = 0;  // the last placement ended the turn
    FullBoard(300);
    ExpectScoresWindow();
    ExpectWinnerWindow();
    form.EndGame();
    host.click(form.picRollDices);
    host.keyPress(form, 13);
    EXPECT_EQ(form.diceValues, (frmTolvarin::Dice{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(form.rollNumber, 0);
    EXPECT_EQ(form.picRollDices.Picture().name(), "roll off");
    EXPECT_TRUE(form.picRollDices.Enabled());
}

TEST_F(EndGameTest, TwoPlayersSeeNoTableForAnEntryThatMissedIt) {
    Module1::NumPlayers = 2;
    folder.Write(kTable1, TableFileOf(FullTable(400, 10)));
    form.StatusBar1.Panels(1).setText(Module1::Player1Name);
    FullBoard(100);
    form.EndGame();  // no top-scores window: none is scripted
    EXPECT_EQ(Module1::NewScoreRank, -1);
    EXPECT_EQ(Module1::Player1Total, 100);
}

// A table that cannot be made is reported once as not found; the rest of the end of the
// game does not depend on the file and runs as ever.
TEST_F(EndGameTest, ATableThatCannotBeMadeIsReportedAndTheGameEndsAllTheSame) {
    folder.Write("scores", std::vector<uint8_t>{'x'});  // a file where the folder belongs
    Module1::MusicOn = true;
    form.Timer3.setEnabled(true);
    FullBoard(250);
    host.answerMsgBox(vb::vbOK);
    ExpectScoresWindow();
    form.EndGame();
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0].prompt,
              "53File not foundCannot open " + Module1::AppFolder + "scores\\scores1.dat");
    EXPECT_EQ(host.messageBoxes()[0].buttons, vb::vbInformation);
    EXPECT_EQ(host.messageBoxes()[0].title, "Open scores");
    EXPECT_EQ(State(),
              "rank -1, last game 250, totals 0 : 0\n"
              "result shown on, from main on\n"
              "game started on, over on, board entered on\n"
              "undo off, redo off\n"
              "roll area off, showing roll off\n"
              "board viewer off off\n"
              "marquee on every 1 ms\n"
              "playlist off, intro on\n"
              "panel 2 \"\"\n");
    EXPECT_EQ(scoresSeen.substr(0, scoresSeen.find('\n')),
              "  Your score of  250 points could not be entered: the top scores table\r");
}

TEST_F(EndGameTest, AWriteThatFailsKeepsTheOldTableAndSaysNothing) {
    folder.Write(kTable1, TableFileOf({{"Old", 290, "1/1/2026"}}));
    const std::vector<uint8_t> before = folder.Read(kTable1);
    vb::SetReplaceFailureHook(
        [](vb::ReplaceStep s) { return s == vb::ReplaceStep::Flush ? ENOSPC : 0; });
    FullBoard(300);
    ExpectScoresWindow();
    form.EndGame();
    EXPECT_EQ(folder.Read(kTable1), before);
    EXPECT_EQ(host.messageBoxes().size(), 0u);
    EXPECT_EQ(Module1::NewScoreRank, -1);
    EXPECT_EQ(scoresSeen.substr(0, scoresSeen.find("\n1 ")),
              "  Your score of  300 points could not be entered: the top scores table\r\n   " +
                  vb::NativePath(Module1::AppFolder + "scores\\scores1.dat") +
                  " could not be used.");
    EXPECT_TRUE(form.gameOver);
    EXPECT_TRUE(form.tmrGameOver.Enabled());
}

// A failure after the new table is in place (flushing its folder) has entered the score:
// the window says where, not that it was not good enough.
TEST_F(EndGameTest, AnEntryWrittenBeforeAFailureIsReportedAsWritten) {
    folder.Write(kTable1, TableFileOf({{"Old", 290, "1/1/2026"}}));
    vb::SetReplaceFailureHook(
        [](vb::ReplaceStep s) { return s == vb::ReplaceStep::FlushFolder ? EIO : 0; });
    FullBoard(300);
    ExpectScoresWindow();
    form.EndGame();
    EXPECT_EQ(Module1::NewScoreRank, 1);
    EXPECT_EQ(FileText(folder.Read(kTable1)).substr(0, 6), " 1 |Pl");
    EXPECT_EQ(scoresSeen.substr(0, scoresSeen.find('\r')),
              "  Your score of  300 points was good enough to get on the ");
}

// A table that is there but cannot be read now (here a link that leads round in a circle)
// is reported, never replaced by a new table of one entry.
TEST_F(EndGameTest, ATableThatCannotBeReadIsNeverReplaced) {
    folder.Write("scores/keep", std::vector<uint8_t>{'x'});
    std::filesystem::create_symlink("scores1.dat", folder.Path() / kTable1);
    FullBoard(300);
    host.answerMsgBox(vb::vbOK);
    ExpectScoresWindow();
    form.EndGame();
    EXPECT_EQ(Module1::NewScoreRank, -1);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.Path() / kTable1));
    EXPECT_NE(scoresSeen.find("could not be used"), std::string::npos) << scoresSeen;
}

TEST_F(EndGameTest, TheTablesFollowTheLayoutAndTheDice) {
    const struct {
        int32_t columns, dice;
        const char* file;
    } cases[] = {
        {4, 4, "scores/scores2.dat"}, {1, 5, "scores/scores3.dat"}, {1, 4, "scores/scores4.dat"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Module1::NumColumns = c.columns;
        Module1::DiceSetting = c.dice;
        form.roundIndex = c.columns == 4 ? 52 : 13;
        ExpectScoresWindow();
        form.EndGame();
        EXPECT_EQ(FileText(folder.Read(c.file)).substr(0, 6), " 1 |Pl");
        EXPECT_TRUE(form.ShownBoardEntered());
    }
}

// The first game over of the window's life waits two seconds on empty panels; after that
// the text turns one character every 150 ms.
TEST_F(EndGameTest, TheGameOverTextTurnsInTheStatusBar) {
    FullBoard(250);
    form.StatusBar1.Panels(4).setText("Round 52");
    ExpectScoresWindow();
    form.EndGame();
    host.advance(1);
    EXPECT_EQ(Panel(2), "");
    EXPECT_EQ(Panel(4), "");
    EXPECT_EQ(form.tmrGameOver.Interval(), 2000u);
    host.advance(1999);
    EXPECT_EQ(Panel(2), "");
    host.advance(1);
    EXPECT_EQ(Panel(2), kMarquee.substr(1) + kMarquee.substr(0, 1));
    EXPECT_EQ(form.tmrGameOver.Interval(), 150u);
    host.advance(150);
    EXPECT_EQ(Panel(2), kMarquee.substr(2) + kMarquee.substr(0, 2));
    host.advance(150 * 153);
    EXPECT_EQ(Panel(2), kMarquee);  // round again after 155 turns
}

TEST_F(EndGameTest, ALaterGameOverTurnsTheTextAtOnce) {
    FullBoard(250);
    ExpectScoresWindow();
    form.EndGame();
    host.advance(2001 + 150 * 10);
    form.StatusBar1.Panels(4).setText("Round 52");
    ExpectScoresWindow();
    form.EndGame();
    host.advance(1);
    EXPECT_EQ(Panel(2), kMarquee.substr(1) + kMarquee.substr(0, 1));
    EXPECT_EQ(Panel(4), "Round 52");
    EXPECT_EQ(form.tmrGameOver.Interval(), 150u);
}

}  // namespace
