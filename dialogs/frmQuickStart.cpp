#include "dialogs/frmQuickStart.h"

#include <string>
#include <vector>

#include "dialogs/dialog_design.h"
#include "dialogs/frmWelcome.h"
#include "game/frmTolvarin.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/printer.h"
#include "platform/runtime/errors.h"
#include "shell/Module1.h"
#include "shell/base_cursor.h"
#include "shell/resources.h"

namespace {

bool HasText(const vb::rtf::Document& document) {
    return document.PlainText().find_first_not_of(" \t\n") != std::string::npos;
}

}  // namespace

// A fixed dialog frame around a client area of 9705 x 6030 twips.
void frmQuickStart::InitializeComponent() {
    setCaption("Quick Start");
    designGeometry(0, 0, 9795, 6405);
    RichTextBox1.Move(120, 120, 9465, 5265);
    RichTextBox1.setTextRTF("");
    RichTextBox1.setVisible(true);
    dialogs::DesignHoverButton(cmdPrint, "&Print", 6480, 5490, 1455, 420);
    dialogs::DesignHoverButton(cmdOK, "&OK", 8130, 5490, 1455, 420);
    cmdPrint.Click = [this] { cmdPrint_Click(); };
    cmdOK.setCancel(true);  // Escape closes the rules
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmQuickStart::Form_Load() {
    Module1::UseBaseCursor(hWnd());
    RichTextBox1.setBackColor(dialogs::kDeepBlue);
    if (Module1::OpenedFromMain)
        dialogs::CentreOver(*this, vb::Default<frmTolvarin>());
    else
        dialogs::CentreOver(*this, vb::Default<frmWelcome>());
    LoadRules(kRulesResource);
}

// The rules go from the program's resource to the box without a file in between, so no
// file of the player's is touched and a read-only folder does not matter.
bool frmQuickStart::LoadRules(int32_t id) {
    try {
        const std::vector<uint8_t> bytes = vb::LoadResData(id, "CUSTOM");
        const std::string rtf(bytes.begin(), bytes.end());
        if (HasText(vb::rtf::Read(rtf))) {
            RichTextBox1.setTextRTF(rtf);
            return true;
        }
    } catch (const vb::RuntimeError&) {
    }
    vb::MsgBox(
        "The quick-start rules cannot be shown: the program's copy of them is missing "
        "or damaged.",
        vb::vbExclamation, "Quick Start");
    return false;
}

void frmQuickStart::cmdOK_Click() { Unload(); }

// One job, sent at once: an empty line to start the page, then the rules.
void frmQuickStart::cmdPrint_Click() {
    vb::PrinterObject& printer = vb::Printer();
    printer.DocumentTitle = "Tolvarin Quick Start";
    try {
        printer.Print("");
        RichTextBox1.SelPrint(printer.hDC());
        printer.EndDoc();
    } catch (const vb::RuntimeError& error) {
        printer.KillDoc();
        vb::MsgBox("The rules could not be printed. " + error.Description(), vb::vbExclamation,
                   "Print");
    }
}
