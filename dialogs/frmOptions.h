#pragma once
// The options dialog: the number of dice, the type of game, one or two players and their
// names, the window shown at start, the status bar, the two confirmations and the music
// volume. OK writes the settings variables (it saves nothing itself) and sets
// SettingsChanged; Cancel puts back only the volume, the one setting that changes live.

#include <cstdint>

#include "dialogs/dialog_design.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/slider.h"
#include "platform/forms/tabs.h"
#include "platform/forms/text_box.h"
#include "platform/forms/toggles.h"
#include "platform/forms/user_control_host.h"

class frmOptions : public vb::Form {
public:
    frmOptions() : vb::Form("frmOptions") {}

    vb::TabControl SSTab1{*this, "SSTab1"};  // the one tab, holding everything below
    vb::Frame Frame1{*this, "Frame1"};
    vb::OptionButton opt5Dice{*this, "opt5Dice"};
    vb::OptionButton opt6Dice{*this, "opt6Dice"};
    vb::Frame Frame2{*this, "Frame2"};
    vb::OptionButton optYahtzee{*this, "optYahtzee"};
    vb::OptionButton optYamb{*this, "optYamb"};
    vb::Frame Frame3{*this, "Frame3"};
    vb::OptionButton opt1Player{*this, "opt1Player"};
    vb::OptionButton opt2Players{*this, "opt2Players"};
    vb::Frame Frame6{*this, "Frame6"};
    vb::TextBox txtName1{*this, "txtName1"};
    vb::TextBox txtName2{*this, "txtName2"};
    vb::Frame Frame4{*this, "Frame4"};
    vb::CheckBox chkShowStatusBar{*this, "chkShowStatusBar"};
    vb::CheckBox chkQuitGame{*this, "chkQuitGame"};
    vb::CheckBox chkConfirmExit{*this, "chkConfirmExit"};
    vb::Frame Frame5{*this, "Frame5"};
    vb::OptionButton optShowNone{*this, "optShowNone"};
    vb::OptionButton optShowSplash{*this, "optShowSplash"};
    vb::OptionButton optShowDialog{*this, "optShowDialog"};
    vb::Frame Frame7{*this, "Frame7"};
    vb::Label Label1{*this, "Label1"};  // "Min"
    vb::Slider sldVolume{*this, "sldVolume"};
    vb::Label Label2{*this, "Label2"};                                                 // "Max"
    vb::UserControlHost HoverCommand1{*this, "HoverCommand1", dialogs::kHoverProgID};  // OK
    vb::UserControlHost HoverCommand2{*this, "HoverCommand2", dialogs::kHoverProgID};  // Cancel

    int32_t SavedVolume = 0;  // MusicVolume as the dialog found it, for Cancel

protected:
    void InitializeComponent() override;
    void Form_Load() override;

private:
    void DesignFrames();
    void DesignChoices();
    void DesignVolume();
    void DesignButtons();
    void ShowSettings();
    void HoverCommand1_Click();
    void HoverCommand2_Click();
    void opt1Player_Click();
    void opt2Players_Click();
    void sldVolume_Change();
};
