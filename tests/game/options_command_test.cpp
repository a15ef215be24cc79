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
    // Opens Options and lets @p play work the dialog, then presses OK.
    void Options(const std::function<void(frmOptions&)>& play) {
        host.onModal("frmOptions", [&](vb::Form& w) {
            auto& options = static_cast<frmOptions&>(w);
            play(options);
            host.click(options.HoverCommand1);
        });
        host.pressShortcut(form, "Ctrl+O");
    }

    std::string Window() {
        return "columns " + std::to_string(Module1::NumColumns) + ", players " +
               std::to_string(Module1::NumPlayers) + ", Rand total " +
               (form.lblRandTot.Visible() ? "shown" : "hidden") + ", \"" + form.Caption() + "\"";
    }
};

// A game is under way from its first roll, and also between the two boards of two players.
TEST_F(OptionsCommandTest, DuringAGameTheNewLayoutWaitsForANewGame) {
    const struct {
        const char* name;
        bool started, boardEntered;
        int16_t answer;  // 0: no question
        const char* window;
    } cases[] = {
        {"fresh board", false, false, 0, "columns 1, players 2, Rand total hidden, \"Tolvarin - Ann\""},
        {"under way, Cancel", true, false, vb::vbCancel,
         "columns 4, players 1, Rand total shown, \"Tolvarin 2.3\""},
        {"between two boards, Cancel", false, true, vb::vbCancel,
         "columns 4, players 1, Rand total shown, \"Tolvarin 2.3\""},
        {"under way, OK", true, false, vb::vbOK,
         "columns 1, players 2, Rand total hidden, \"Tolvarin - Ann\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
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
        EXPECT_EQ(Window(), c.window);
        EXPECT_EQ(Module1::OptionsNewGameAnswer, c.answer == vb::vbOK ? 0 : c.answer);
        EXPECT_EQ(host.pendingScripts(), std::vector<std::string>{});
    }
    EXPECT_EQ(host.messageBoxes().back().title, "Start a New Game?");
}

// Renaming puts the name of the board on show in the caption and status panel 1, even when
// both players had the same name; one player keeps the plain caption.
TEST_F(OptionsCommandTest, TheNamesFollowTheBoardOnShow) {
    const struct {
        int32_t players;
        bool secondShown;
        const char* window;
    } cases[] = {
        {1, false, "\"Tolvarin 2.3\" panel \"\""},
        {2, false, "\"Tolvarin - Ada\" panel \"Ada\""},
        {2, true, "\"Tolvarin - Max\" panel \"Max\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.players);
        Module1::NumPlayers = c.players;
        Module1::Player1Name = Module1::Player2Name = "Sam";
        Reload();
        form.playerFlags.fill(c.secondShown);
        form.StatusBar1.Panels(1).setText(c.players == 2 ? "Sam" : "");
        Options([&](frmOptions& w) {
            w.txtName1.setText("Ada");
            w.txtName2.setText("Max");
        });
        EXPECT_EQ("\"" + form.Caption() + "\" panel \"" + form.StatusBar1.Panels(1).Text() + "\"",
                  c.window);
        EXPECT_EQ(form.cmdShowNextBoard.Caption(), "    Show      Ada's  Board");
    }
}

}  // namespace
