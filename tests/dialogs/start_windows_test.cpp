// The welcome dialog, the about box, the splash window and the quick-start window on the
// headless host.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/dialog_fixture.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmEndGame.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmQuickStart.h"
#include "dialogs/frmSplash.h"
#include "dialogs/frmTheWinerIs.h"
#include "dialogs/frmWelcome.h"
#include "platform/forms/msgbox.h"
#include "platform/gdi/region.h"
#include "platform/user32/window_pos.h"
#include "platform/user32/window_region.h"

namespace {

namespace fs = std::filesystem;

constexpr int16_t kEscape = 27;

using StartWindowsTest = DialogTest;

TEST_F(StartWindowsTest, TheWelcomeDialogIsCentredThenCutShortAndItsLinksOpen) {
    frmWelcome& w = vb::Default<frmWelcome>();
    host.onModal("frmWelcome", [&](vb::Form&) {
        EXPECT_EQ(w.Caption(), "Welcome to Tolvarin 2.2.2");
        EXPECT_EQ(
            w.lblTitle.Caption() + "|" + w.lblVersion.Caption() + "|" + w.lblCopyright.Caption(),
            "T o l v a r i n|Version 2.3|Copyright (C) 2026 the Tolvarin developers");
        EXPECT_EQ(w.Check1.Caption(), "Don't show this dialog next time");
        // Centred on the design's height, then shortened: it stays above the middle.
        EXPECT_EQ(w.Left(), (headless::kScreenWidthTwips - w.Width()) / 2);
        EXPECT_EQ(w.Top(), (headless::kScreenHeightTwips - 5550) / 2);
        EXPECT_EQ(w.Height(), 5260);
        EXPECT_EQ(w.Check1.Top(), 4500);
        host.click(w.lblWebSite);
        host.click(w.lblemail);
        host.click(w.cmdExit);
    });
    w.Show(vb::vbModal);
    EXPECT_EQ(host.openedTargets(), (std::vector<std::string>{"https://tolvarin.example.org/",
                                                              "mailto:tolvarin@example.org"}));
    EXPECT_FALSE(w.Loaded());
    EXPECT_FALSE(Module1::PlayChosen);
}

// Setting the box to show the start-up choice is not the player's doing: a choice of
// neither window stays so, and nothing is marked changed.
TEST_F(StartWindowsTest, AfterTheOptionsTheBoxShowsTheChoiceWithoutChangingIt) {
    frmWelcome& w = vb::Default<frmWelcome>();
    host.onModal("frmOptions", [&](vb::Form& f) {
        auto& options = static_cast<frmOptions&>(f);
        host.click(options.optShowNone);
        host.click(options.HoverCommand1);
    });
    host.onModal("frmWelcome", [&](vb::Form&) {
        host.click(w.cmdOptions);
        EXPECT_EQ(w.Check1.Value(), vb::vbChecked);
        host.click(w.cmdExit);
    });
    w.Show(vb::vbModal);
    EXPECT_FALSE(Module1::SplashAtStart);
    EXPECT_FALSE(Module1::WelcomeAtStart);
    EXPECT_TRUE(Module1::SettingsChanged);
}

// From the welcome dialog the rules are modal and centred over it; they come from memory,
// and no file is written to the current folder, not even over a file of the player's.
TEST_F(StartWindowsTest, TheQuickStartRulesComeFromMemoryAndPrintAsOneJob) {
    const fs::path before = fs::current_path();
    fs::current_path(folder.Path());
    folder.Write("temp.$$$", "the player's own file");
    frmWelcome& w = vb::Default<frmWelcome>();
    frmQuickStart& q = vb::Default<frmQuickStart>();
    host.onModal("frmQuickStart", [&](vb::Form&) {
        EXPECT_EQ(q.Caption(), "Quick Start");
        EXPECT_EQ(q.Left() + q.Width() / 2, w.Left() + w.Width() / 2);
        EXPECT_EQ(q.RichTextBox1.BackColor(), 0x663300u);
        const std::string text = q.RichTextBox1.Document().PlainText();
        for (const char* heading : {"The aim\n", "A turn\n", "The sheet: four columns, or one\n",
                                    "Announcing (the Oblg column)\n", "Top scores\n"})
            EXPECT_NE(text.find(heading), std::string::npos) << heading;
        host.click(q.cmdPrint);
        host.click(q.cmdOK);
    });
    host.onModal("frmWelcome", [&](vb::Form&) {
        host.click(w.cmdQuickStart);
        host.click(w.cmdExit);
    });
    w.Show(vb::vbModal);
    fs::current_path(before);
    const std::vector<uint8_t> kept = folder.Read("temp.$$$");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "the player's own file");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 2);
    ASSERT_EQ(host.printJobs().size(), 1u);
    EXPECT_EQ(host.printJobs()[0].content.PlainText().substr(0, 10), "\nTolvarin\n");
}

TEST_F(StartWindowsTest, APrintThatFailsOrRulesThatCannotBeReadSaySo) {
    frmQuickStart& q = vb::Default<frmQuickStart>();
    Module1::OpenedFromMain = true;
    q.Show(vb::vbModeless, &form);
    host.setPrinterFailure("There is no printer to print on.");
    host.answerMsgBox(vb::vbOK);
    host.click(q.cmdPrint);
    host.answerMsgBox(vb::vbOK);
    EXPECT_FALSE(q.LoadRules(999));
    EXPECT_TRUE(q.Visible());
    ASSERT_EQ(host.messageBoxes().size(), 2u);
    EXPECT_EQ(host.messageBoxes()[0].prompt,
              "The rules could not be printed. There is no printer to print on.");
    EXPECT_EQ(host.messageBoxes()[0].title, "Print");
    EXPECT_EQ(host.messageBoxes()[1].prompt,
              "The quick-start rules cannot be shown: the program's copy of them is missing or "
              "damaged.");
    EXPECT_TRUE(host.printJobs().empty());
}

// The about box disables the main window and stays over it; however it closes, the main
// window takes input again.
TEST_F(StartWindowsTest, TheAboutBoxHoldsTheMainWindowUntilItCloses) {
    frmAbout& a = vb::Default<frmAbout>();
    form.Show();
    for (bool byTitleBar : {false, true}) {
        SCOPED_TRACE(byTitleBar ? "title bar" : "Close");
        host.clickMenu(form.mnuAbout);
        EXPECT_EQ(a.Caption(), "About Tolvarin 2.2.2");
        EXPECT_TRUE(a.Visible());
        EXPECT_FALSE(a.Modal());
        EXPECT_EQ(a.Owner(), &form);
        EXPECT_FALSE(form.Enabled());
        EXPECT_EQ(a.Left() + a.Width() / 2, form.Left() + form.Width() / 2);
        EXPECT_EQ(a.Top() + a.Height() / 2, form.Top() + form.Height() / 2);
        if (byTitleBar)
            a.RaiseClose();
        else
            host.click(a.cmdClose);
        EXPECT_FALSE(a.Loaded());
        EXPECT_TRUE(form.Enabled());
    }
}

// On the 1024 x 768 screen: Left (15360 - 377) / 3, Top (11520 - 16 x 209) / 2.
TEST_F(StartWindowsTest, TheSplashGivesWayAfter600MsOrAtAKey) {
    Module1::ConfirmExit = false;
    form.Unload();
    frmSplash& s = vb::Default<frmSplash>();
    for (bool key : {false, true}) {
        SCOPED_TRACE(key ? "key" : "timer");
        s.ShowSplash();
        EXPECT_EQ(s.Left(), 4994);
        EXPECT_EQ(s.Top(), 4088);
        EXPECT_EQ(s.Width(), 5655);
        EXPECT_EQ(s.BorderStyle(), 0);
        EXPECT_TRUE(win::IsTopmost(s.hWnd()));
        ASSERT_NE(gdi::WindowRegion(s.hWnd()), nullptr);
        if (key) {
            host.keyPress(s, 'x');
        } else {
            host.advance(599);
            EXPECT_FALSE(form.Visible());
            host.advance(1);
        }
        EXPECT_FALSE(s.Loaded());
        EXPECT_TRUE(form.Visible());
        // Nothing brings the splash back behind the main window.
        host.advance(2000);
        EXPECT_FALSE(s.Loaded());
        form.Unload();
    }
}

// Closing the end-of-game dialog by its title bar or Escape takes the move back, whatever
// an earlier game answered.
TEST_F(StartWindowsTest, TheEndOfGameDialogClosedOtherwiseMeansUndo) {
    frmEndGame& e = vb::Default<frmEndGame>();
    for (bool escape : {false, true}) {
        Module1::EndGameFinish = true;
        host.onModal("frmEndGame", [&](vb::Form&) {
            if (escape)
                host.keyPress(e, kEscape);
            else
                e.RaiseClose();
        });
        e.Show(vb::vbModal, &form);
        EXPECT_FALSE(Module1::EndGameFinish) << (escape ? "Escape" : "title bar");
    }
    host.onModal("frmTheWinerIs", [&](vb::Form& w) { host.keyPress(w, kEscape); });
    vb::Default<frmTheWinerIs>().Show(vb::vbModal, &form);
    EXPECT_FALSE(vb::Default<frmTheWinerIs>().Loaded());
}

}  // namespace
