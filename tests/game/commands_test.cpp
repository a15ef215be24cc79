// The main window's commands: the hint, sound and music switches with their menu pairs and
// toolbar pictures, the toolbar and shortcut routes to the commands, and the hint button.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "dialogs/frmOptions.h"
#include "dialogs/frmScores2.h"
#include "game/turn_fixture.h"
#include "platform/forms/msgbox.h"

namespace {

using Lines = std::vector<std::string>;

std::string Flag(bool on) { return on ? "1" : "0"; }

class CommandsTest : public TurnTest {
protected:
    // The window as SetControls leaves it for these settings, with the hint button and the
    // playlist as they go with them.
    void StartWith(bool hintsAlways, bool sound, bool music) {
        Module1::HintsAlwaysSetting = hintsAlways;
        Module1::SoundSetting = sound;
        Module1::MusicOn = music;
        form.hintsAlways = hintsAlways;
        Reload();
        Module1::SoundsOn = sound;
        form.Toolbar2.Buttons("tbHint").setEnabled(!hintsAlways);
        form.Timer3.setEnabled(music);
        form.UpdateHintDisplay();
        Sounds();
    }

    // Does "menu NAME", "toolbar KEY" or "shortcut KEYS".
    void Act(const std::string& action) {
        const size_t blank = action.find(' ');
        const std::string how = action.substr(0, blank);
        const std::string what = action.substr(blank + 1);
        if (how == "menu") {
            auto* item = dynamic_cast<vb::Menu*>(form.FindControl(what));
            ASSERT_NE(item, nullptr) << what;
            host.clickMenu(*item);
        } else if (how == "toolbar") {
            host.clickToolbarButton(form.Toolbar2, what);
        } else {
            ASSERT_EQ(how, "shortcut");
            EXPECT_TRUE(host.pressShortcut(form, what)) << what;
        }
    }

    // The items of @p items that are shown.
    static std::string Shown(std::initializer_list<const vb::Menu*> items) {
        std::string text;
        for (const vb::Menu* item : items)
            if (item->Visible()) text += (text.empty() ? "" : " ") + item->Name();
        return text;
    }

    // Each switch: its variables, the menu items shown, and its toolbar button.
    std::string Switches() {
        const frmTolvarin& f = form;
        vb::Toolbar& bar = form.Toolbar2;
        return "hints always " + Flag(f.hintsAlways) + " setting " +
               Flag(Module1::HintsAlwaysSetting) + " | " +
               Shown({&f.mnuHintsByRequest, &f.mnuHintsByRequest2, &f.mnuHintsAllways,
                      &f.mnuHintsAllways2}) +
               " | tbHint " + Flag(bar.Buttons("tbHint").Enabled()) + ", column " +
               Flag(f.lblTip(0).Visible()) + "\nsound on " + Flag(Module1::SoundsOn) + " setting " +
               Flag(Module1::SoundSetting) + " | " +
               Shown({&f.mnuSoundsOn, &f.mnuSoundsOn2, &f.mnuSoundsOff, &f.mnuSoundsOff2}) +
               " | picture " + std::to_string(bar.Buttons("tbSound").Image()) + "\nmusic on " +
               Flag(Module1::MusicOn) + " | " +
               Shown({&f.mnuMusicOn, &f.mnuMusicOn2, &f.mnuMusicOff, &f.mnuMusicOff2}) +
               " | picture " + std::to_string(bar.Buttons("tbBGmusic").Image()) + ", playlist " +
               Flag(f.Timer3.Enabled()) + "\n";
    }

    // The hint column: "shown" or "hidden", then the 13 values ("." for none).
    std::string Hints() {
        std::string text = form.lblTip(0).Visible() ? "shown" : "hidden";
        for (int16_t r = 0; r < kSheetRows; ++r) {
            const std::string& value = form.lblTip(r).Caption();
            text += " " + (value.empty() ? std::string(".") : value);
        }
        return text;
    }
};

// How each switch shows each of its states: the plain item of the option in force and the
// twin of the other, the hint button usable only on request, the toolbar pictures.
const char* const kHintsState[2] = {
    "hints always 0 setting 0 | mnuHintsByRequest mnuHintsAllways2 | tbHint 1, column 0\n",
    "hints always 1 setting 1 | mnuHintsByRequest2 mnuHintsAllways | tbHint 0, column 1\n"};
const char* const kSoundState[2] = {
    "sound on 0 setting 0 | mnuSoundsOn2 mnuSoundsOff | picture 8\n",
    "sound on 1 setting 1 | mnuSoundsOn mnuSoundsOff2 | picture 5\n"};
const char* const kMusicState[2] = {
    "music on 0 | mnuMusicOn2 mnuMusicOff | picture 10, playlist 0\n",
    "music on 1 | mnuMusicOn mnuMusicOff2 | picture 9, playlist 1\n"};

struct SwitchCase {
    bool hints, sound, music;  // the settings before
    const char* action;
    bool wantHints, wantSound, wantMusic;
    Lines sounds;
};

const SwitchCase kSwitchCases[] = {
    {true, true, true, "menu mnuSoundsOff2", true, false, true, {}},
    {false, false, false, "menu mnuSoundsOn2", false, true, false, {}},
    {true, true, true, "toolbar tbSound", true, false, true, {}},
    {false, false, false, "toolbar tbSound", false, true, false, {}},
    {true, true, true, "menu mnuMusicOff2", true, true, false, {}},
    {false, false, false, "menu mnuMusicOn2", false, false, true, {}},
    {true, true, true, "toolbar tbBGmusic", true, true, false, {}},
    {false, false, false, "toolbar tbBGmusic", false, false, true, {}},
    {true, true, true, "menu mnuHintsByRequest2", false, true, true, {}},
    {false, true, false, "menu mnuHintsAllways2", true, true, false, {"hint"}},
    {false, false, false, "menu mnuHintsAllways2", true, false, false, {}},
    // The plain item of the option in force only shows it.
    {true, true, true, "menu mnuSoundsOn", true, true, true, {}},
    {false, false, false, "menu mnuMusicOff", false, false, false, {}},
    {false, false, false, "menu mnuHintsByRequest", false, false, false, {}},
};

TEST_F(CommandsTest, EachSwitchShowsItsStateInThePairsAndTheToolbar) {
    for (const SwitchCase& c : kSwitchCases) {
        SCOPED_TRACE(c.action);
        StartWith(c.hints, c.sound, c.music);
        ASSERT_EQ(Switches(),
                  std::string(kHintsState[c.hints]) + kSoundState[c.sound] + kMusicState[c.music]);
        Act(c.action);
        EXPECT_EQ(Switches(), std::string(kHintsState[c.wantHints]) + kSoundState[c.wantSound] +
                                  kMusicState[c.wantMusic]);
        EXPECT_EQ(Sounds(), c.sounds);
    }
}

// The commands that ask first or open a window, reached from the toolbar, the menu and
// their shortcuts.
struct RouteCase {
    const char* action;
    const char* shows;  // the question asked, or the window opened
};

const RouteCase kRouteCases[] = {
    {"toolbar tbNew", "Quit this Game?"},
    {"shortcut F2", "Quit this Game?"},
    {"toolbar tbExit", "Exit Tolvarin?"},
    {"menu mnuGameExit", "Exit Tolvarin?"},
    {"shortcut Ctrl+X", "Exit Tolvarin?"},
    {"menu mnuScores", "frmScores2 without result"},
    {"shortcut Ctrl+H", "frmScores2 without result"},
    {"menu mnuOptions", "frmOptions"},
    {"shortcut Ctrl+O", "frmOptions"},
};

TEST_F(CommandsTest, ToolbarMenuAndShortcutsReachTheirCommands) {
    Module1::GameStarted = true;  // New Game asks while a game is under way
    for (const RouteCase& c : kRouteCases) {
        SCOPED_TRACE(c.action);
        const std::string want = c.shows;
        std::string shown;
        if (want.rfind("frmScores2", 0) == 0) {
            host.onModal("frmScores2", [&](vb::Form& window) {
                const bool result = static_cast<frmScores2&>(window).lblScore.Visible();
                shown = std::string("frmScores2 ") + (result ? "with" : "without") + " result";
                window.Unload();
            });
        } else if (want == "frmOptions") {
            host.onModal(want, [&](vb::Form& window) {
                shown = window.Name();
                host.click(static_cast<frmOptions&>(window).HoverCommand2);
            });
        } else {
            host.answerMsgBox(vb::vbCancel);
        }
        Module1::ShowScoreResult = true;  // left from the end of a game
        const size_t asked = host.messageBoxes().size();
        Act(c.action);
        if (host.messageBoxes().size() > asked) shown = host.messageBoxes().back().prompt;
        EXPECT_EQ(shown, want);
        EXPECT_EQ(host.pendingScripts(), Lines{});
        EXPECT_TRUE(form.Loaded());
    }
}

TEST_F(CommandsTest, UndoAndRedoButtonsTakeThePlacementBackAndPlaceItAgain) {
    Roll("2 2 2 5 5 1");
    host.click(form.cmdRand(rowFullHouse));
    host.advance(1000);
    ASSERT_EQ(UndoRedo(), "undo on, redo off");
    Act("toolbar tbUndo");
    EXPECT_EQ(UndoRedo(), "undo off, redo on");
    EXPECT_EQ(form.lblRand(rowFullHouse).Caption(), "");
    Act("toolbar tbRedo");
    EXPECT_EQ(UndoRedo(), "undo on, redo off");
    EXPECT_EQ(form.lblRand(rowFullHouse).Caption(), "36");
}

// On request, the hint button shows the hints of the roll once; the next roll hides them
// and makes one hint available again. Before the turn's first roll it does nothing.
TEST_F(CommandsTest, TheHintButtonShowsTheHintsOnceARoll) {
    StartWith(false, true, false);
    Act("toolbar tbHint");
    EXPECT_EQ(Hints(), "hidden . . . . . . . . . . . . .");
    EXPECT_EQ(Sounds(), Lines{});

    Roll("3 3 3 5 5 1");
    Sounds();
    EXPECT_EQ(Hints(), "hidden . . . . . . . . . . . . .");
    Act("toolbar tbHint");
    EXPECT_EQ(Hints(), "shown 1 . 9 . 10 . 19 15 29 39 . . .");
    EXPECT_EQ(Sounds(), Lines{"hint"});
    Act("toolbar tbHint");
    EXPECT_EQ(Hints(), "shown 1 . 9 . 10 . 19 15 29 39 . . .");
    EXPECT_EQ(Sounds(), Lines{});

    Roll("6 6 6 6 6 6");
    Sounds();
    EXPECT_EQ(Hints(), "hidden . . . . . . . . . . . . .");
    Act("toolbar tbHint");
    EXPECT_EQ(Hints(), "shown . . . . . 30 30 30 40 . . 60 100");
    EXPECT_EQ(Sounds(), Lines{"hint"});

    host.click(form.cmdRand(rowTolvarin));
    host.advance(1000);
    Sounds();
    ASSERT_EQ(Hints(), "shown . . . . . . . . . . . . .");
    Act("toolbar tbHint");
    EXPECT_EQ(Hints(), "shown . . . . . . . . . . . . .");
    EXPECT_EQ(Sounds(), Lines{});
}

// Switching to hints always during a game shows the hints of the dice on the table at once.
TEST_F(CommandsTest, HintsAlwaysShowsTheHintsOfTheRollAtOnce) {
    StartWith(false, false, false);
    Roll("3 3 3 5 5 1");
    EXPECT_EQ(Hints(), "hidden . . . . . . . . . . . . .");
    Act("menu mnuHintsAllways2");
    EXPECT_EQ(Hints(), "shown 1 . 9 . 10 . 19 15 29 39 . . .");
    Act("menu mnuHintsByRequest2");
    EXPECT_EQ(Hints(), "hidden 1 . 9 . 10 . 19 15 29 39 . . .");
}

}  // namespace
