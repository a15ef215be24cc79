// The Options command: the dialog's changes to the columns, dice and players lay the window
// out again, after asking while a game is under way; the names follow the board on show.

#include <gtest/gtest.h>

#include <string>

#include "dialogs/frmOptions.h"
#include "game/turn_fixture.h"
#include "platform/forms/msgbox.h"

namespace {

class OptionsCommandTest : public TurnTest {
protected:
    // Ctrl+O; @p play works the dialog, then OK.
    void Options(const std::function<void(frmOptions&)>& play) {
        host.onModal("frmOptions", [&](vb::Form& w) {
            play(static_cast<frmOptions&>(w));
            host.click(static_cast<frmOptions&>(w).HoverCommand1);
        });
        host.pressShortcut(form, "Ctrl+O");
    }
};

// A game is under way from its first roll, and also between the two boards of two players.
TEST_F(OptionsCommandTest, DuringAGameTheNewLayoutWaitsForANewGame) {
    const struct {
        bool started, boardEntered;
        int16_t answer;
        const char* window;
    } cases[] = {
        {false, false, 0, "columns 1, players 2, Rand total hidden, Tolvarin - Ann"},
        {true, false, vb::vbCancel, "columns 4, players 1, Rand total shown, Tolvarin 2.3"},
        {false, true, vb::vbCancel, "columns 4, players 1, Rand total shown, Tolvarin 2.3"},
        {true, false, vb::vbOK, "columns 1, players 2, Rand total hidden, Tolvarin - Ann"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        Module1::NumColumns = 4;
        Module1::NumPlayers = 1;
        Module1::Player1Name = "Ann";
        Reload();
        Module1::GameStarted = c.started;
        form.boardEntered = c.boardEntered;
        if (c.answer) host.answerMsgBox(c.answer);
        const size_t asked = host.messageBoxes().size();
        Options([&](frmOptions& w) {
            host.click(w.optYahtzee);
            host.click(w.opt2Players);
        });
        EXPECT_EQ(host.messageBoxes().size() - asked, c.answer ? 1u : 0u);
        EXPECT_EQ("columns " + std::to_string(Module1::NumColumns) + ", players " +
                      std::to_string(Module1::NumPlayers) + ", Rand total " +
                      (form.lblRandTot.Visible() ? "shown, " : "hidden, ") + form.Caption(),
                  c.window);
    }
}

// Renaming names the board on show in the caption and status panel 1, even after both
// players had the same name; one player keeps the plain caption.
TEST_F(OptionsCommandTest, TheNamesFollowTheBoardOnShow) {
    const struct {
        int32_t players;
        bool secondShown;
        const char* window;
    } cases[] = {{1, false, "Tolvarin 2.3 / "},
                 {2, false, "Tolvarin - Ada / Ada"},
                 {2, true, "Tolvarin - Max / Max"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        Module1::NumPlayers = c.players;
        Module1::Player1Name = Module1::Player2Name = "Sam";
        Reload();
        form.playerFlags.fill(c.secondShown);
        form.StatusBar1.Panels(1).setText(c.players == 2 ? "Sam" : "");
        Options([&](frmOptions& w) {
            w.txtName1.setText("Ada");
            w.txtName2.setText("Max");
        });
        EXPECT_EQ(form.Caption() + " / " + form.StatusBar1.Panels(1).Text(), c.window);
        EXPECT_EQ(form.cmdShowNextBoard.Caption(), "    Show      Ada's  Board");
    }
}

}  // namespace
