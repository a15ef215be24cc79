// Closing the main window, minimising it with music on, and the game clock.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/support/tolvarin_fixture.h"
#include "platform/forms/msgbox.h"
#include "platform/media/mci.h"
#include "platform/registry/registry_store.h"
#include "platform/user32/cursors.h"
#include "shell/settings.h"

namespace {

namespace fs = std::filesystem;
using Commands = std::vector<std::string>;

const std::string kSettingsKey = std::string("HKEY_CURRENT_USER\\") + Module1::kSettingsKey;

class ClosingTest : public TolvarinTest {
protected:
    void SetUp() override {
        folder_ = fs::path(::testing::TempDir()) /
                  ("closing-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        registry::SetStorePath((folder_ / "registry.txt").string());
        media::TakeMciCommands();
    }
    void TearDown() override {
        media::CloseAllDevices();
        media::TakeMciCommands();
        win::SetClassWord(form.hWnd(), win::GCL_HCURSOR, win::kArrowCursor);
        registry::SetStorePath(registry::DefaultStorePath());
        fs::remove_all(folder_);
    }
    static std::string Stored(const std::string& name) {
        const auto v = registry::GetValue(kSettingsKey, name);
        return v ? std::string(v->data.begin(), v->data.end()) : "<missing>";
    }

    fs::path folder_;
};

TEST_F(ClosingTest, CancellingTheQuestionKeepsTheWindowAndSavesNothing) {
    host.answerMsgBox(vb::vbCancel);
    EXPECT_FALSE(form.Unload(vb::vbFormControlMenu));
    EXPECT_TRUE(form.Loaded());
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    const headless::MessageBoxShown& asked = host.messageBoxes()[0];
    EXPECT_EQ(asked.prompt, "Exit Tolvarin?");
    EXPECT_EQ(asked.buttons, vb::vbOKCancel + vb::vbQuestion);
    EXPECT_EQ(asked.title, "Confirm");
    EXPECT_FALSE(registry::KeyExists(kSettingsKey));
    EXPECT_EQ(media::TakeMciCommands(), Commands{});
}

TEST_F(ClosingTest, ConfirmingSavesTheSettingsAndTidiesUp) {
    Module1::MusicOn = true;
    Module1::Player1Name = "Ada";
    Module1::hOldClassCursor = 0x4321;
    win::SetClassWord(form.hWnd(), win::GCL_HCURSOR, 0x1234);
    host.answerMsgBox(vb::vbOK);
    EXPECT_TRUE(form.Unload(vb::vbFormControlMenu));
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(Stored("Player1"), "Ada");
    EXPECT_EQ(Stored("BGMusicEnabled"), "True");
    EXPECT_EQ(win::ClassCursor(), 0x4321);
    EXPECT_EQ(media::TakeMciCommands(), (Commands{"close myMP3", "close song"}));
}

TEST_F(ClosingTest, WithoutConfirmationTheWindowClosesAtOnceAndStillSaves) {
    Module1::ConfirmExit = false;
    win::SetClassWord(form.hWnd(), win::GCL_HCURSOR, 0x1234);
    EXPECT_TRUE(form.Unload(vb::vbFormControlMenu));
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(Stored("ConfirmOnExit"), "False");
    EXPECT_EQ(Stored("NumberOfDice"), "5");
    // The class cursor the window found when it loaded comes back; no music was open.
    EXPECT_NE(Module1::hOldClassCursor, 0);
    EXPECT_EQ(win::ClassCursor(), Module1::hOldClassCursor);
    EXPECT_EQ(media::TakeMciCommands(), Commands{"close song"});
}

class OtherWindow : public vb::Form {
public:
    OtherWindow() : vb::Form("frmOther") {}
};

TEST_F(ClosingTest, TheOtherWindowsCloseWithTheMainOne) {
    OtherWindow other;
    other.Show();
    Module1::ConfirmExit = false;
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(other.Loaded());
}

TEST_F(ClosingTest, MinimisingPausesTheMusicAndAnyOtherStateResumesIt) {
    Module1::MusicOn = true;
    form.setWindowState(vb::vbMinimized);
    EXPECT_FALSE(form.Timer3.Enabled());
    EXPECT_EQ(media::TakeMciCommands(), Commands{"pause myMP3"});
    form.setWindowState(vb::vbNormal);
    EXPECT_TRUE(form.Timer3.Enabled());
    EXPECT_EQ(media::TakeMciCommands(), Commands{"resume myMP3"});
    form.setWindowState(vb::vbMaximized);
    EXPECT_EQ(media::TakeMciCommands(), Commands{"resume myMP3"});
}

TEST_F(ClosingTest, WithMusicOffMinimisingLeavesThePlaylistAlone) {
    form.Timer3.setEnabled(true);
    form.setWindowState(vb::vbMinimized);
    EXPECT_TRUE(form.Timer3.Enabled());
    form.Timer3.setEnabled(false);
    form.setWindowState(vb::vbNormal);
    EXPECT_FALSE(form.Timer3.Enabled());
    EXPECT_EQ(media::TakeMciCommands(), Commands{});
}

TEST_F(ClosingTest, TheClockCountsWholeSecondsAroundTheDay) {
    vb::Panel& shown = form.StatusBar1.Panels(5);
    host.advance(999);
    EXPECT_EQ(form.lblTimeElapsed.Caption(), "00:00:00");
    EXPECT_EQ(shown.Text(), "00:00:00");
    host.advance(1);
    EXPECT_EQ(form.lblTimeElapsed.Caption(), "00:00:01");
    EXPECT_EQ(shown.Text(), "00:00:01");
    host.advance(3660 * 1000);
    EXPECT_EQ(form.lblTimeElapsed.Caption(), "01:01:01");
    EXPECT_EQ(shown.Text(), "01:01:01");
    host.advance((24 * 3600 - 3661) * 1000);
    EXPECT_EQ(form.lblTimeElapsed.Caption(), "00:00:00");
    EXPECT_EQ(shown.Text(), "00:00:00");
}

// A handler that held the thread past several ticks gets one late tick: one second.
TEST_F(ClosingTest, ALateTickAddsOneSecond) {
    form.tmrTimeElapsed.Tick = [this] {
        form.tmrTimeElapsed_Timer();
        host.sleep(2500);
    };
    host.advance(1000);
    EXPECT_EQ(form.lblTimeElapsed.Caption(), "00:00:01");
    host.advance(1);
    EXPECT_EQ(form.lblTimeElapsed.Caption(), "00:00:02");
}

}  // namespace
