// The program's start: the second copy's refusal, the program folder, the settings and
// the first window.

#include "shell/main.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "dialogs/frmSplash.h"
#include "dialogs/frmWelcome.h"
#include "game/frmTolvarin.h"
#include "platform/com/loader.h"
#include "platform/forms/msgbox.h"
#include "platform/headless/headless_host.h"
#include "platform/registry/advapi32.h"
#include "platform/registry/registry_store.h"
#include "platform/runtime/app.h"
#include "shell/Module1.h"
#include "shell/settings.h"

namespace {

namespace fs = std::filesystem;

// The main window made first, so that it is the one Main shows; the registry and the
// runtime's description of the program are the test's own.
class MainTest : public ::testing::Test {
protected:
    MainTest() : savedApp_(vb::App()) { Module1::ResetModule1(); }
    void SetUp() override {
        folder_ = fs::path(::testing::TempDir()) /
                  ("main-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        registry::SetStorePath((folder_ / "registry.txt").string());
        ASSERT_EQ(com::RegisterServer(KANTREL_PATH), com::S_OK);
    }
    // The settings as stored now, "name=value" each, the HoverCommand's registration left
    // out.
    static std::string Stored(const char* name) {
        return Module1::GetRegString(win::HKEY_CURRENT_USER, Module1::kSettingsKey, name, "-");
    }
    void TearDown() override {
        Module1::ConfirmExit = false;
        window.Unload();
        vb::App() = savedApp_;
        registry::SetStorePath(registry::DefaultStorePath());
        fs::remove_all(folder_);
        Module1::ResetModule1();
    }

    headless::HeadlessHost host;
    frmTolvarin window;
    vb::AppInfo savedApp_;
    fs::path folder_;
};

TEST_F(MainTest, ASecondCopySaysSoAndEndsBeforeReadingTheSettings) {
    vb::App().PrevInstance = true;
    Module1::DiceSetting = 77;
    host.answerMsgBox(vb::vbOK);
    Module1::Main();
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0].prompt, "Tolvarin is already running!");
    EXPECT_EQ(host.messageBoxes()[0].buttons, vb::vbCritical);
    EXPECT_EQ(host.messageBoxes()[0].title, "Tolvarin Running");
    EXPECT_EQ(Module1::DiceSetting, 77);
    EXPECT_EQ(Module1::AppFolder, "");
    EXPECT_FALSE(window.Loaded());
}

TEST_F(MainTest, TheFirstCopyReadsTheSettingsAndOpensTheMainWindow) {
    vb::App().Path = "/opt/tolvarin";
    Module1::SaveRegString(win::HKEY_CURRENT_USER, Module1::kSettingsKey, "NumberOfDice", "4");
    Module1::SaveRegString(win::HKEY_CURRENT_USER, Module1::kSettingsKey, "ShowDialog", "False");
    Module1::Main();
    EXPECT_EQ(Module1::AppFolder, "/opt/tolvarin\\");
    EXPECT_EQ(Module1::DiceSetting, 4);
    EXPECT_TRUE(window.Loaded());
    EXPECT_TRUE(window.Visible());
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(MainTest, AFolderEndingInASeparatorGetsNoSecondOne) {
    for (const std::string root : {"/", "C:\\"}) {
        vb::App().Path = root;
        host.onModal("frmWelcome", [](vb::Form& w) { w.RaiseClose(); });
        Module1::Main();
        EXPECT_EQ(Module1::AppFolder, root);
    }
}

// A first start shows the welcome dialog; what the player does there decides whether the
// game opens and what the next start shows.
TEST_F(MainTest, TheWelcomeDialogDecidesTheGameAndTheNextStart) {
    const struct {
        const char* name;
        std::vector<const char*> steps;  // "tick" the box, or the button to click
        bool play;
        const char* showDialog;
        const char* showSplash;
    } cases[] = {
        {"tick, then Exit", {"tick", "exit"}, false, "False", "True"},
        {"tick and untick, then Play", {"tick", "tick", "play"}, true, "True", "False"},
        {"Exit with no change writes nothing", {"exit"}, false, "-", "-"},
        {"the title bar acts as Exit", {"close"}, false, "-", "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(folder_ / "registry.txt");
        registry::SetStorePath((folder_ / "registry.txt").string());
        ASSERT_EQ(com::RegisterServer(KANTREL_PATH), com::S_OK);
        Module1::ResetModule1();
        host.onModal("frmWelcome", [&](vb::Form& form) {
            auto& w = static_cast<frmWelcome&>(form);
            for (const std::string step : c.steps) {
                if (step == "tick") host.click(w.Check1);
                if (step == "exit") host.click(w.cmdExit);
                if (step == "play") host.click(w.cmdPlay);
                if (step == "close") w.RaiseClose();
            }
        });
        Module1::Main();
        EXPECT_EQ(window.Visible(), c.play);
        EXPECT_EQ(Stored("ShowDialog"), c.showDialog);
        EXPECT_EQ(Stored("ShowSplash"), c.showSplash);
        EXPECT_FALSE(Module1::SettingsChanged);
        Module1::ConfirmExit = false;
        window.Unload();
    }
}

TEST_F(MainTest, TheSplashOrTheMainWindowAsTheSettingsSay) {
    Module1::SaveRegString(win::HKEY_CURRENT_USER, Module1::kSettingsKey, "NumberOfDice", "5");
    Module1::SaveRegString(win::HKEY_CURRENT_USER, Module1::kSettingsKey, "ShowDialog", "False");
    Module1::SaveRegString(win::HKEY_CURRENT_USER, Module1::kSettingsKey, "ShowSplash", "True");
    Module1::Main();
    EXPECT_TRUE(vb::Default<frmSplash>().Visible());
    EXPECT_FALSE(window.Visible());
    host.advance(600);
    EXPECT_FALSE(vb::Default<frmSplash>().Loaded());
    EXPECT_TRUE(window.Visible());
}

}  // namespace
