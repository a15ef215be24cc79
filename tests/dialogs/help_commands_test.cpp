// The main window's Help menu and toolbar help button, and the help window's closing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/dialog_fixture.h"
#include "dialogs/frmQuickStart.h"
#include "platform/forms/msgbox.h"

namespace {

class HelpCommandsTest : public DialogTest {
protected:
    HelpCommandsTest() { form.Show(); }
};

TEST_F(HelpCommandsTest, F1OpensTheHelpFileAtItsContentsAndClosingTheWindowClosesIt) {
    folder.Write("TLHelp23.hlp", R"({\rtf1 \b Contents\b0\par The game in short\par})");
    EXPECT_TRUE(host.pressShortcut(form, "F1"));
    ASSERT_TRUE(host.help());
    EXPECT_EQ(host.help()->document.PlainText(), "Contents\nThe game in short\n");
    EXPECT_EQ(host.help()->owner, form.hWnd());
    Module1::ConfirmExit = false;
    form.Unload();
    EXPECT_FALSE(host.help());
}

TEST_F(HelpCommandsTest, AHelpFileThatCannotBeReadSaysSo) {
    host.answerMsgBox(vb::vbOK);
    host.clickMenu(form.mnuContents);
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0].prompt,
              "The help file \"TLHelp23.hlp\" is missing from the program's folder or cannot be "
              "read.");
    EXPECT_EQ(host.messageBoxes()[0].title, "Help");
    EXPECT_FALSE(host.help());
}

TEST_F(HelpCommandsTest, TheWebAndMailItemsReachTheDesktop) {
    host.clickMenu(form.mnuGoToWeb);
    host.clickMenu(form.mnuContact);
    EXPECT_EQ(host.openedTargets(), (std::vector<std::string>{"https://tolvarin.example.org/",
                                                              "mailto:tolvarin@example.org"}));
}

// The menu item and the toolbar's help button both show the rules beside the game, and
// closing the main window takes them away.
TEST_F(HelpCommandsTest, QuickStartIsModelessOverTheMainWindow) {
    frmQuickStart& q = vb::Default<frmQuickStart>();
    for (bool toolbar : {false, true}) {
        SCOPED_TRACE(toolbar ? "tbHelp" : "menu");
        Module1::OpenedFromMain = false;
        if (toolbar)
            host.clickToolbarButton(form.Toolbar2, "tbHelp");
        else
            host.clickMenu(form.mnuQuickStar);
        EXPECT_TRUE(Module1::OpenedFromMain);
        EXPECT_TRUE(q.Visible());
        EXPECT_FALSE(q.Modal());
        EXPECT_EQ(q.Left() + q.Width() / 2, form.Left() + form.Width() / 2);
        EXPECT_FALSE(q.RichTextBox1.Document().paragraphs.empty());
        if (!toolbar) host.click(q.cmdOK);
    }
    Module1::ConfirmExit = false;
    form.Unload();
    EXPECT_FALSE(q.Loaded());
}

}  // namespace
