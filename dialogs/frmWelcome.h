#pragma once
// The welcome dialog: the first window at start while the settings ask for it. From it the
// player plays, reads the quick-start rules, sets the options, looks at the top scores or
// leaves, and can choose the splash window for later starts instead.

#include "dialogs/dialog_design.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/toggles.h"
#include "platform/forms/user_control_host.h"

class frmWelcome : public vb::Form {
public:
    frmWelcome() : vb::Form("frmWelcome") {}

    vb::Image Image1{*this, "Image1"};
    vb::Frame Frame2{*this, "Frame2"};
    vb::Label lblTitle{*this, "lblTitle"};
    vb::Label lblVersion{*this, "lblVersion"};
    vb::Label lblCopyright{*this, "lblCopyright"};
    vb::Frame Frame6{*this, "Frame6"};
    vb::Label Label1{*this, "Label1"};
    vb::Label lblWebSite{*this, "lblWebSite"};
    vb::Label Label2{*this, "Label2"};
    vb::Label lblemail{*this, "lblemail"};
    vb::UserControlHost cmdPlay{*this, "cmdPlay", dialogs::kHoverProgID};
    vb::UserControlHost cmdQuickStart{*this, "cmdQuickStart", dialogs::kHoverProgID};
    vb::UserControlHost cmdOptions{*this, "cmdOptions", dialogs::kHoverProgID};
    vb::UserControlHost cmdScores{*this, "cmdScores", dialogs::kHoverProgID};
    vb::UserControlHost cmdExit{*this, "cmdExit", dialogs::kHoverProgID};
    vb::CheckBox Check1{*this, "Check1"};

protected:
    void InitializeComponent() override;
    void Form_Load() override;
    void Form_Unload(int16_t& Cancel) override;

private:
    void DesignButtons();
    void cmdPlay_Click();
    void cmdExit_Click();
    void cmdQuickStart_Click();
    void cmdOptions_Click();
    void cmdScores_Click();
    void Check1_Click();
    void lblWebSite_Click();
    void lblemail_Click();
    // Check1 shows the start-up choice in force; a change made here is not the player's.
    void ShowStartUpChoice();
    bool showingChoice_ = false;
};
