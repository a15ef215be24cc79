// The main window's commands: the Game menu's options, top scores and exit, the Help
// menu, the toolbar's buttons, and the hint and sound-effect switches, each shown by its
// pairs of menu items and, for sound, the toolbar's picture. The switches change only the
// settings variables; they reach the registry when the settings are saved.

#include <string>
#include <string_view>

#include "dialogs/frmAbout.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmQuickStart.h"
#include "dialogs/frmScores2.h"
#include "game/frmTolvarin.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/win_help.h"
#include "shell/Module1.h"
#include "shell/links.h"
#include "shell/sound.h"

namespace {

using F = frmTolvarin;

// What each toolbar button does, by its key. A key not listed does nothing.
struct ToolbarCommand {
    std::string_view key;
    void (F::*run)();
};
constexpr ToolbarCommand kToolbarCommands[] = {
    {"tbNew", &F::mnuNewGame_Click},     {"tbUndo", &F::mnuUndoUndo_Click},
    {"tbRedo", &F::mnuUndoRedo_Click},   {"tbHint", &F::ShowHintOnRequest},
    {"tbSound", &F::ToggleSoundEffects}, {"tbBGmusic", &F::ToggleMusic},
    {"tbHelp", &F::mnuQuickStar_Click},  {"tbExit", &F::mnuGameExit_Click},
};

}  // namespace

void frmTolvarin::ShowSwitchItems(vb::Menu& onItem, vb::Menu& onTwin, vb::Menu& offItem,
                                  vb::Menu& offTwin, bool on) {
    onItem.setVisible(on);
    onTwin.setVisible(!on);
    offItem.setVisible(!on);
    offTwin.setVisible(on);
}

// The layout, the dice and the players change the board: during a game the player chooses
// between a new game with the new values and the game under way with the old ones.
void frmTolvarin::mnuOptions_Click() {
    const int32_t columns = Module1::NumColumns;
    const int32_t dice = Module1::DiceSetting;
    const int32_t players = Module1::NumPlayers;
    const bool statusBar = Module1::StatusBarOn;
    Module1::OpenedFromMain = true;
    Module1::SettingsChanged = false;
    Module1::OptionsNewGameAnswer = 0;
    vb::Default<frmOptions>().Show(vb::vbModal, this);
    if (Module1::NumColumns != columns || Module1::DiceSetting != dice ||
        Module1::NumPlayers != players) {
        if (!GameUnderWay()) {
            SetControls();
        } else {
            Module1::OptionsNewGameAnswer = vb::MsgBox(
                "Click OK to start a new game or click Cancel to discard changes and return "
                "to current game.",
                vb::vbOKCancel + vb::vbQuestion, "Start a New Game?");
            if (Module1::OptionsNewGameAnswer == vb::vbOK) {
                mnuNewGame_Click();
                SetControls();
                return;
            }
        }
    }
    if (Module1::OptionsNewGameAnswer == vb::vbCancel) {
        Module1::NumColumns = columns;
        Module1::DiceSetting = dice;
        Module1::NumPlayers = players;
    }
    if (Module1::StatusBarOn != statusBar) LayoutStatusBar();
    Module1::LastDieIndex = Module1::DiceSetting;
    if (Module1::SettingsChanged) ShowPlayerNames();
}

// The player flags say whose board is on show, whatever the names are.
void frmTolvarin::ShowPlayerNames() {
    const bool second = SecondBoardShown();
    if (Module1::NumPlayers == 2) {
        const std::string& shown = second ? Module1::Player2Name : Module1::Player1Name;
        StatusBar1.Panels(1).setText(shown);
        setCaption("Tolvarin - " + shown);
    }
    // After a game the viewer names the board its next click shows.
    const bool showsSecond = cmdShowNextBoard.Visible() && !second;
    cmdShowNextBoard.setCaption("    Show      " +
                                (showsSecond ? Module1::Player2Name : Module1::Player1Name) +
                                "'s  Board");
}

void frmTolvarin::mnuScores_Click() {
    Module1::OpenedFromMain = true;
    Module1::ShowScoreResult = false;
    vb::Default<frmScores2>().Show(vb::vbModal, this);
}

// Asking, saving and tidying up are the closing's.
void frmTolvarin::mnuGameExit_Click() { Unload(); }

void frmTolvarin::mnuQuickStar_Click() {
    Module1::OpenedFromMain = true;
    vb::Default<frmQuickStart>().Show(vb::vbModeless, this);
}

void frmTolvarin::mnuContents_Click() {
    if (win::WinHelpA(hWnd(), Module1::HelpFile().c_str(), win::HELP_CONTENTS, 0) == 0)
        vb::MsgBox(
            "The help file \"TLHelp23.hlp\" is missing from the program's folder or "
            "cannot be read.",
            vb::vbExclamation, "Help");
}

void frmTolvarin::mnuGoToWeb_Click() { Module1::OpenWebSite(); }

void frmTolvarin::mnuContact_Click() { Module1::SendMail(); }

// Shown over this window, which it disables, so that it stays in front of it.
void frmTolvarin::mnuAbout_Click() { vb::Default<frmAbout>().Show(vb::vbModeless, this); }

void frmTolvarin::mnuHintsByRequest2_Click() {
    hintsAlways = false;
    Module1::HintsAlwaysSetting = false;
    UpdateHintDisplay();
    Toolbar2.Buttons("tbHint").setEnabled(true);
    ShowSwitchItems(mnuHintsAllways, mnuHintsAllways2, mnuHintsByRequest, mnuHintsByRequest2,
                    false);
}

// During a game the hints of the dice on the table show at once.
void frmTolvarin::mnuHintsAllways2_Click() {
    if (Module1::GameStarted) ComputeHints();
    hintsAlways = true;
    Module1::HintsAlwaysSetting = true;
    UpdateHintDisplay();
    Toolbar2.Buttons("tbHint").setEnabled(false);
    ShowSwitchItems(mnuHintsAllways, mnuHintsAllways2, mnuHintsByRequest, mnuHintsByRequest2, true);
    if (Module1::SoundsOn) Module1::PlayWave("hint");
}

void frmTolvarin::mnuSoundsOn2_Click() {
    Module1::SoundsOn = true;
    Module1::SoundSetting = true;
    Toolbar2.Buttons("tbSound").setImage(kSoundOnPicture);
    ShowSwitchItems(mnuSoundsOn, mnuSoundsOn2, mnuSoundsOff, mnuSoundsOff2, true);
}

void frmTolvarin::mnuSoundsOff2_Click() {
    Module1::SoundsOn = false;
    Module1::SoundSetting = false;
    Toolbar2.Buttons("tbSound").setImage(kSoundOffPicture);
    ShowSwitchItems(mnuSoundsOn, mnuSoundsOn2, mnuSoundsOff, mnuSoundsOff2, false);
}

void frmTolvarin::Toolbar2_ButtonClick(vb::ToolbarButton& Button) {
    for (const ToolbarCommand& command : kToolbarCommands)
        if (Button.Key() == command.key) {
            (this->*command.run)();
            return;
        }
}

// A roll makes one hint available; the click that uses it, or a click while hints are
// always shown, leaves none for the rest of the roll.
void frmTolvarin::ShowHintOnRequest() {
    if (hintAvailable && !hintsAlways) {
        hintRequested = true;
        ComputeHints();
        UpdateHintDisplay();
        if (Module1::SoundsOn) Module1::PlayWave("hint");
    }
    hintAvailable = false;
}

void frmTolvarin::ToggleSoundEffects() {
    if (Module1::SoundsOn)
        mnuSoundsOff2_Click();
    else
        mnuSoundsOn2_Click();
}

void frmTolvarin::ToggleMusic() {
    if (Module1::MusicOn)
        mnuMusicOff2_Click();
    else
        mnuMusicOn2_Click();
}
