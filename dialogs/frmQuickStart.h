#pragma once
// The quick-start window: the rules of the game, as the program carries them, to read and
// to print. Modal over the welcome dialog, modeless over the main window.

#include <cstdint>

#include "dialogs/dialog_design.h"
#include "platform/forms/form.h"
#include "platform/forms/rich_text_box.h"
#include "platform/forms/user_control_host.h"

class frmQuickStart : public vb::Form {
public:
    frmQuickStart() : vb::Form("frmQuickStart") {}

    vb::RichTextBox RichTextBox1{*this, "RichTextBox1"};
    vb::UserControlHost cmdPrint{*this, "cmdPrint", dialogs::kHoverProgID};
    vb::UserControlHost cmdOK{*this, "cmdOK", dialogs::kHoverProgID};

    // The program's resource that holds the rules ("CUSTOM").
    static constexpr int32_t kRulesResource = 101;
    // Puts the rules of resource @p id into the box, straight from the program's memory.
    // Says so and returns false when they cannot be read; the box keeps what it had.
    bool LoadRules(int32_t id);

protected:
    void InitializeComponent() override;
    void Form_Load() override;

private:
    void cmdOK_Click();
    void cmdPrint_Click();
};
