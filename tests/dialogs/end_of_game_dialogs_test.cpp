// The end-of-game dialog, the winner window and the plain top-scores window, each shown
// modal over the loaded main window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/frmEndGame.h"
#include "dialogs/frmScores2.h"
#include "dialogs/frmTheWinerIs.h"
#include "game/score_file_text.h"
#include "game/support/tolvarin_fixture.h"
#include "game/temp_app_folder.h"
#include "platform/forms/msgbox.h"
#include "platform/media/playsound.h"

namespace {

using namespace endgame_test;

class EndOfGameDialogsTest : public TolvarinTest {
protected:
    EndOfGameDialogsTest() {
        form.setLeft(1500);
        form.setTop(900);
        media::TakeSoundRequests();
    }
    ~EndOfGameDialogsTest() override { media::TakeSoundRequests(); }

    template <class Window>
    void ShowAndAnswer(const std::function<void(Window&)>& answer) {
        host.onModal(vb::Default<Window>().Name(),
                     [&](vb::Form& w) { answer(static_cast<Window&>(w)); });
        vb::Default<Window>().Show(vb::vbModal, &form);
    }

    static std::vector<std::string> Sounds() {
        std::vector<std::string> names;
        for (const media::SoundRequest& r : media::TakeSoundRequests())
            names.push_back(r.path.substr(r.path.rfind('\\') + 1));
        return names;
    }

    // The rows of the top-scores window, "place|name|score|date" each.
    static std::string Rows(frmScores2& w, int16_t count) {
        std::string text;
        for (int16_t p = 1; p <= count; ++p)
            text += w.lblPlace(p).Caption() + "|" + w.lblName(p).Caption() + "|" +
                    w.lblPoints(p).Caption() + "|" + w.lblDate(p).Caption() + "\n";
        return text;
    }

    TempAppFolder folder;
};

TEST_F(EndOfGameDialogsTest, FinishOrUndoIsTheAnswerOfTheEndOfGameDialog) {
    const struct { bool finish; } cases[] = {{true}, {false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.finish ? "Finish" : "Undo");
        Module1::EndGameShown = false;
        Module1::EndGameFinish = !c.finish;
        ShowAndAnswer<frmEndGame>([&](frmEndGame& w) {
            EXPECT_TRUE(Module1::EndGameShown);
            EXPECT_EQ(w.Caption(), "Finish Game?");
            EXPECT_EQ(w.cmdFinish.Caption(), "&Finish Game");
            EXPECT_EQ(w.cmdUndo.Caption(), "&Undo Last Move");
            // Centred across the main window, 2200 twips below its middle.
            EXPECT_EQ(w.Left() + w.Width() / 2, 1500 + form.Width() / 2);
            EXPECT_EQ(w.Top() + w.Height() / 2, 900 + form.Height() / 2 + 2200);
            host.click(c.finish ? w.cmdFinish : w.cmdUndo);
        });
        EXPECT_EQ(Module1::EndGameFinish, c.finish);
        EXPECT_FALSE(vb::Default<frmEndGame>().Loaded());
    }
}

TEST_F(EndOfGameDialogsTest, TheWinnerWindowNamesTheWinnerOrADraw) {
    const struct {
        int32_t total1, total2;
        const char* winner;
        const char* sound;
    } cases[] = {{250, 250, "It's a Draw!", "draw.WAV"},
                 {240, 250, "Bob   Wins!", "applause.WAV"},
                 {260, 250, "Ann Wins!", "applause.WAV"}};
    Module1::Player1Name = "Ann";
    Module1::Player2Name = "Bob  ";  // trailing blanks: trimmed before "'s", kept before "Wins!"
    Module1::SoundsOn = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.winner);
        Module1::Player1Total = c.total1;
        Module1::Player2Total = c.total2;
        ShowAndAnswer<frmTheWinerIs>([&](frmTheWinerIs& w) {
            EXPECT_EQ(w.Caption(), "And the Winer is...");
            EXPECT_EQ(w.lblPlayer1.Caption() + " " + w.lblScore1.Caption() + " / " +
                          w.lblPlayer2.Caption() + " " + w.lblScore2.Caption(),
                      "Ann's Total Score: " + std::to_string(c.total1) +
                          " / Bob's Total Score: " + std::to_string(c.total2));
            EXPECT_EQ(w.lblWiner.Caption(), c.winner);
            EXPECT_EQ(w.Left() + w.Width() / 2, 1500 + form.Width() / 2);
            host.click(w.cmdClose);
        });
        EXPECT_EQ(Sounds(), std::vector<std::string>{c.sound});
    }
    Module1::SoundsOn = false;
    ShowAndAnswer<frmTheWinerIs>([&](frmTheWinerIs& w) { host.click(w.cmdClose); });
    EXPECT_EQ(Sounds(), std::vector<std::string>{});
}

TEST_F(EndOfGameDialogsTest, TheTopScoresWindowShowsTheTableOfTheSettings) {
    Module1::NumColumns = 1;
    Module1::DiceSetting = 4;
    folder.Write("scores/scores4.dat",
                 TableFileOf({{"Ann", 250, "1/1/2026"}, {"Bob", 0, "2/1/2026"}}));
    Module1::ShowScoreResult = false;
    ShowAndAnswer<frmScores2>([&](frmScores2& w) {
        EXPECT_EQ(w.Caption(), "Tolvarin - Hall of Fame");
        EXPECT_EQ(w.TableNumber, 4);
        EXPECT_EQ(Rows(w, 4),
                  "1|Ann       |250|1/1/2026  \n"
                  "2|Bob       |0|2/1/2026  \n"
                  "3|||\n"
                  "4|||\n");
        EXPECT_FALSE(w.lblScore.Visible());
        EXPECT_EQ(w.Height(), 7860);
        EXPECT_EQ(w.cmdReturn.Top(), 6390);
        host.click(w.cmdReturn);
    });
}

TEST_F(EndOfGameDialogsTest, AfterAGameTheTopScoresWindowSaysWhereTheScoreWent) {
    folder.Write(
        "scores/scores1.dat",
        TableFileOf({{"Ann", 250, "1/1/2026"}, {"Bob", 240, "1/1/2026"}, {"Cy", 230, "1/1/2026"}}));
    Module1::ShowScoreResult = true;
    Module1::LastGameScore = 230;
    Module1::NewScoreRank = 3;
    ShowAndAnswer<frmScores2>([&](frmScores2& w) {
        EXPECT_EQ(w.lblScore.Caption(),
                  "  Your score of  230 points was good enough to get on the \r\n"
                  "   top scores table at position #3.");
        EXPECT_TRUE(w.lblScore.Visible());
        EXPECT_EQ(w.Height(), 8500);
        EXPECT_EQ(w.cmdReturn.Top(), 7015);
        EXPECT_NE(w.lblName(3).BackColor(), w.lblName(2).BackColor());  // the new entry stands out
        host.click(w.cmdReturn);
    });
    Module1::NewScoreRank = -1;
    ShowAndAnswer<frmScores2>([&](frmScores2& w) {
        EXPECT_EQ(w.lblScore.Caption(),
                  "  Your score of  230 points was not good enough to get on the  \r\n"
                  "   top scores table.");
        EXPECT_EQ(w.lblName(3).BackColor(), w.lblName(2).BackColor());
        host.click(w.cmdReturn);
    });
}

TEST_F(EndOfGameDialogsTest, WithoutAFileTheTopScoresWindowShowsTwentyEmptyPlaces) {
    Module1::ShowScoreResult = false;
    ShowAndAnswer<frmScores2>([&](frmScores2& w) {
        EXPECT_EQ(Rows(w, 2), "1|||\n2|||\n");
        EXPECT_EQ(w.lblPlace(20).Caption(), "20");
        host.click(w.cmdReturn);
    });
    EXPECT_EQ(host.messageBoxes().size(), 0u);
}

}  // namespace
