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

// The frame around each window's inner area, in twips.
constexpr int32_t kScoresFrameWidth = 90;
constexpr int32_t kScoresFrameHeight = 385;
constexpr int32_t kWinnerFrameWidth = 90;
constexpr int32_t kWinnerFrameHeight = 405;

struct Box {
    int32_t left, top, right, bottom;
};

Box BoxOf(const vb::Control& c) {
    return {c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()};
}

bool Inside(const Box& in, const Box& out) {
    return in.left >= out.left && in.top >= out.top && in.right <= out.right &&
           in.bottom <= out.bottom;
}

bool Apart(const Box& a, const Box& b) {
    return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

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

    // The places whose row is marked as the new entry: the highlight bar behind the row
    // and the row's text in another colour. A row with only one of the two gets a "?".
    static std::string MarkedRows(frmScores2& w) {
        std::string marked;
        for (int16_t p = 1; p <= 20; ++p) {
            const bool behind =
                w.shpNewEntry.Visible() && Inside(BoxOf(w.lblName(p)), BoxOf(w.shpNewEntry));
            const bool coloured = w.lblName(p).ForeColor() != w.lblName(p == 1 ? 2 : 1).ForeColor();
            if (behind || coloured)
                marked += (marked.empty() ? "" : ",") + std::to_string(p) +
                          (behind && coloured ? "" : "?");
        }
        return marked;
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

// A long name wraps onto a second line within its own row instead of running into the
// next one; every label and the button stay inside the window and clear of each other.
TEST_F(EndOfGameDialogsTest, TheWinnerWindowHasRoomForTwoLinesOfEachName) {
    constexpr int32_t kLineOfArial10 = 240;
    Module1::Player1Name = "Player 1";
    Module1::Player2Name = "Bartholomew Long";
    ShowAndAnswer<frmTheWinerIs>([&](frmTheWinerIs& w) {
        EXPECT_GE(w.lblPlayer1.Height(), 2 * kLineOfArial10);
        EXPECT_GE(w.lblPlayer2.Height(), 2 * kLineOfArial10);
        const Box inner{0, 0, w.Width() - kWinnerFrameWidth, w.Height() - kWinnerFrameHeight};
        const vb::Control* parts[] = {&w.lblPlayer1, &w.lblScore1, &w.lblPlayer2,
                                      &w.lblScore2,  &w.lblWiner,  &w.cmdClose};
        for (const vb::Control* a : parts) {
            SCOPED_TRACE(a->Name());
            EXPECT_TRUE(Inside(BoxOf(*a), inner));
            for (const vb::Control* b : parts) {
                if (a == b) continue;
                EXPECT_TRUE(Apart(BoxOf(*a), BoxOf(*b))) << b->Name();
            }
        }
        EXPECT_EQ(w.lblScore1.Top(), w.lblPlayer1.Top());  // a total beside its name's first line
        EXPECT_EQ(w.lblScore2.Top(), w.lblPlayer2.Top());
        host.click(w.cmdClose);
    });
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
        EXPECT_EQ(MarkedRows(w), "3");  // the new entry stands out
        host.click(w.cmdReturn);
    });
    Module1::NewScoreRank = -1;
    ShowAndAnswer<frmScores2>([&](frmScores2& w) {
        EXPECT_EQ(w.lblScore.Caption(),
                  "  Your score of  230 points was not good enough to get on the  \r\n"
                  "   top scores table.");
        EXPECT_EQ(MarkedRows(w), "");
        host.click(w.cmdReturn);
    });
}

// The table reads as a table in either layout: each place on one line, each column's cells
// under its header, places centred and scores lined up on the right; table, result line
// and button inside the window and clear of each other.
TEST_F(EndOfGameDialogsTest, TheTopScoresTableIsLaidOutInAlignedColumns) {
    Module1::LastGameScore = 45;
    Module1::NewScoreRank = 20;
    for (const bool result : {false, true}) {
        SCOPED_TRACE(result ? "after a game" : "from the menu");
        Module1::ShowScoreResult = result;
        ShowAndAnswer<frmScores2>([&](frmScores2& w) {
            const frmScores2::Labels* columns[] = {&w.lblPlace, &w.lblName, &w.lblPoints,
                                                   &w.lblDate};
            const int16_t alignments[] = {vb::vbCenter, vb::vbLeftJustify, vb::vbRightJustify,
                                          vb::vbLeftJustify};
            for (int16_t c = 0; c < 4; ++c) {
                const vb::Label& header = w.lblHeader(static_cast<int16_t>(c + 1));
                EXPECT_EQ(header.Alignment(), alignments[c]);
                int32_t above = header.Top() + header.Height();
                for (int16_t p = 1; p <= 20; ++p) {
                    const vb::Label& cell = (*columns[c])(p);
                    SCOPED_TRACE(cell.Name() + " " + std::to_string(p));
                    EXPECT_EQ(cell.Top(), w.lblPlace(p).Top());
                    EXPECT_EQ(cell.Left(), header.Left());
                    EXPECT_EQ(cell.Width(), header.Width());
                    EXPECT_EQ(cell.Alignment(), alignments[c]);
                    EXPECT_GE(cell.Top(), above);
                    above = cell.Top() + cell.Height();
                }
            }
            const Box inner{0, 0, w.Width() - kScoresFrameWidth, w.Height() - kScoresFrameHeight};
            EXPECT_TRUE(Inside(BoxOf(w.shpTable), inner));
            EXPECT_TRUE(Inside(BoxOf(w.lblDate(20)), BoxOf(w.shpTable)));
            EXPECT_TRUE(Inside(BoxOf(w.cmdReturn), inner));
            EXPECT_TRUE(Apart(BoxOf(w.shpTable), BoxOf(w.cmdReturn)));
            EXPECT_EQ(w.lblScore.Visible(), result);
            if (result) {
                EXPECT_TRUE(Inside(BoxOf(w.lblScore), inner));
                EXPECT_TRUE(Apart(BoxOf(w.lblScore), BoxOf(w.shpTable)));
                EXPECT_TRUE(Apart(BoxOf(w.lblScore), BoxOf(w.cmdReturn)));
                EXPECT_EQ(MarkedRows(w), "20");
                EXPECT_TRUE(Inside(BoxOf(w.shpNewEntry), BoxOf(w.shpTable)));
            }
            host.click(w.cmdReturn);
        });
    }
}

// Names are single-byte text throughout the program: a stored name shows with the same
// bytes the window's caption and status bar use for the player.
TEST_F(EndOfGameDialogsTest, AStoredNameShowsAsThePlayersName) {
    Module1::NumColumns = 1;
    Module1::DiceSetting = 4;
    Module1::Player1Name = "Zo\xC3\xAB";
    folder.Write("scores/scores4.dat", TableFileOf({{"Zo\xEB", 250, "1/1/2026"}}));  // one byte
    Module1::ShowScoreResult = false;
    ShowAndAnswer<frmScores2>([&](frmScores2& w) {
        EXPECT_EQ(w.lblName(1).Caption(), "Zo\xC3\xAB       ");
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
