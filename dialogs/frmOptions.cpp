#include "dialogs/frmOptions.h"

#include "dialogs/dialog_owner.h"
#include "shell/Module1.h"
#include "shell/base_cursor.h"

namespace {

constexpr int32_t kFiveDice = 4, kSixDice = 5;
constexpr int16_t Checked(bool on) { return on ? vb::vbChecked : vb::vbUnchecked; }

}  // namespace

void frmOptions::Form_Load() {
    SavedVolume = Module1::MusicVolume;
    // Over the welcome dialog it sits higher.
    PlaceOverOwner(*this, true);
    Module1::UseBaseCursor(hWnd());
    ShowSettings();
}

// Setting the players' group runs its Click, which enables the second name and the status
// bar switch to match; two players always show the status bar.
void frmOptions::ShowSettings() {
    (Module1::DiceSetting == kFiveDice ? opt5Dice : opt6Dice).setValue(true);
    (Module1::NumColumns == 1 ? optYahtzee : optYamb).setValue(true);
    (Module1::NumPlayers == 1 ? opt1Player : opt2Players).setValue(true);
    txtName2.setEnabled(Module1::NumPlayers != 1);
    txtName1.setText(Module1::Player1Name);
    txtName2.setText(Module1::Player2Name);
    chkConfirmExit.setValue(Checked(Module1::ConfirmExit));
    chkQuitGame.setValue(Checked(Module1::ConfirmQuit));
    (Module1::WelcomeAtStart ? optShowDialog : optShowSplash).setValue(true);
    if (!Module1::WelcomeAtStart && !Module1::SplashAtStart) optShowNone.setValue(true);
    if (Module1::NumPlayers != 1) {
        chkShowStatusBar.setValue(vb::vbChecked);
        chkShowStatusBar.setEnabled(false);
    } else {
        chkShowStatusBar.setEnabled(true);
        chkShowStatusBar.setValue(Checked(Module1::StatusBarOn));
    }
    if (Module1::MusicOn) sldVolume.setValue(Module1::MusicVolume);
}

// OK: the names as typed, also empty. The main window lays itself out for the new values
// once the dialog has closed.
void frmOptions::HoverCommand1_Click() {
    Module1::DiceSetting = opt5Dice.Value() ? kFiveDice : kSixDice;
    Module1::NumColumns = optYahtzee.Value() ? 1 : 4;
    Module1::NumPlayers = opt1Player.Value() ? 1 : 2;
    Module1::Player1Name = txtName1.Text();
    Module1::Player2Name = txtName2.Text();
    Module1::ConfirmExit = chkConfirmExit.Value() != vb::vbUnchecked;
    Module1::ConfirmQuit = chkQuitGame.Value() != vb::vbUnchecked;
    Module1::WelcomeAtStart = optShowDialog.Value();
    Module1::SplashAtStart = optShowSplash.Value();
    Module1::StatusBarOn = chkShowStatusBar.Value() != vb::vbUnchecked;
    Module1::SettingsChanged = true;
    Unload();
}

// Cancel takes back only what this showing changed: the volume, which moved live. An OK
// given in an earlier showing stands, and so does the flag that says so.
void frmOptions::HoverCommand2_Click() {
    Module1::MusicVolume = SavedVolume;
    sldVolume.setValue(SavedVolume);
    Unload();
}

void frmOptions::opt1Player_Click() {
    chkShowStatusBar.setEnabled(true);
    txtName2.setEnabled(false);
}

void frmOptions::opt2Players_Click() {
    chkShowStatusBar.setValue(vb::vbChecked);
    chkShowStatusBar.setEnabled(false);
    txtName2.setEnabled(true);
}

// The music takes the new volume with its next command, within a tick of the playlist.
void frmOptions::sldVolume_Change() { Module1::MusicVolume = sldVolume.Value(); }
