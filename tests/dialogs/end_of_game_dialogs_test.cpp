// The end-of-game dialog and the winner window, each shown modal over the loaded main
// window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/frmEndGame.h"
#include "dialogs/frmTheWinerIs.h"
#include "game/support/tolvarin_fixture.h"
#include "game/temp_app_folder.h"
#include "platform/media/playsound.h"

namespace {

using namespace endgame_test;

// The frame around the window's inner area, in twips.
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

}  // namespace
