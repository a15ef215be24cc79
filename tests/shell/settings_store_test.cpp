// The settings as read from a file found on disk: damaged lines, values that do not fit,
// texts of any length, and files that cannot be read at all.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/files/temp_folder.h"
#include "platform/headless/headless_host.h"
#include "platform/registry/registry_store.h"
#include "shell/Module1.h"
#include "shell/settings.h"

namespace {

namespace fs = std::filesystem;
using namespace Module1;

const std::string kHeader = "[HKEY_CURRENT_USER\\Software\\Tolvarin\\Tolvarin2.2]\n";

class SettingsStore : public ::testing::Test {
protected:
    SettingsStore() { ResetModule1(); }
    ~SettingsStore() override {
        registry::SetStorePath(registry::DefaultStorePath());
        ResetModule1();
    }
    void LoadFrom(const std::string& text) {
        folder_.Write("registry.txt", text);
        Load();
    }
    void Load() {
        registry::SetStorePath(path_);
        LoadSettings();
    }
    // The message boxes shown since the last call, one prompt a line.
    std::string Messages() {
        std::string all;
        const auto& shown = host_.messageBoxes();
        for (; seen_ < shown.size(); ++seen_) all += shown[seen_].prompt + "\n";
        return all;
    }

    headless::HeadlessHost host_;
    files_test::TempFolder folder_;
    const std::string path_ = (folder_ / "registry.txt").string();
    size_t seen_ = 0;
};

// Values that do not convert or do not fit read as their first-run values.
TEST_F(SettingsStore, ValuesThatDoNotFitFallBackToTheirFirstRunValues) {
    LoadFrom(kHeader + "NumberOfDice\t1\t2147483648\nBGMusicVolume\t1\t99999999999\n" +
             "NumberOfPlayers\t1\t1e400\nNumberOfColumns\t1\t-2147483649\nShowDialog\t1\t1e99\n");
    EXPECT_EQ(DiceSetting, 5);
    EXPECT_EQ(MusicVolume, 500);
    EXPECT_EQ(NumPlayers, 1);
    EXPECT_EQ(NumColumns, 4);
    EXPECT_TRUE(WelcomeAtStart);
    EXPECT_EQ(Messages(), "");
}

// A name of megabytes keeps its first characters, never half of one; a byte that is no
// UTF-8 is read as the ISO 8859-1 letter it stands for.
TEST_F(SettingsStore, NamesAreCutToASaneLengthOnACharacterBoundary) {
    const std::string megabytes(2'000'000, 'u');
    std::string longName = std::string(kLongestSettingText - 1, 'a');
    for (int i = 0; i < 1000; ++i) longName += "%C3%BC";
    LoadFrom(kHeader + "NumberOfDice\t1\t4\nPlayer1\t1\t" + longName + "\nPlayer2\t1\tJ%FCrgen" +
             megabytes + "\n");
    EXPECT_EQ(Player1Name, std::string(kLongestSettingText - 1, 'a') + "\xC3\xBC");
    EXPECT_EQ(Player2Name.substr(0, 7), "J\xC3\xBCrgen");
    EXPECT_EQ(Player2Name.size(), kLongestSettingText + 1);  // one letter of two bytes
    // Any write of the store (a class registered at start) keeps it a file that reads again.
    ASSERT_TRUE(registry::CreateKey("HKEY_CLASSES_ROOT\\Lumbrix1.HoverCommand"));
    EXPECT_LT(fs::file_size(path_), 256u * 1024);
}

// Each bad line costs only itself; the player hears once, and the file as found is kept.
TEST_F(SettingsStore, OneBadLineCostsOnlyItself) {
    const std::string text = "\xEF\xBB\xBF" + kHeader.substr(0, kHeader.size() - 1) + "\r\n" +
                             "NumberOfDice\t1\t4\r\n"
                             "   \n"
                             "NumberOfPlayers\t1\t2 \n"
                             "ShowDialog\t1\tFalse\textra\n"
                             "Player1\t1\tJ\xC3\xBCrgen\n"
                             "ShowStatusBar\t1\tFal%Zse\n"
                             "NumberOfColumns\t1\t1\n";
    host_.answerMsgBox(1);
    LoadFrom(text);
    EXPECT_EQ(DiceSetting, 4);
    EXPECT_EQ(NumPlayers, 2);
    EXPECT_EQ(NumColumns, 1);
    EXPECT_EQ(Player1Name, "J\xC3\xBCrgen");
    EXPECT_TRUE(WelcomeAtStart);  // its line had a tab too many
    EXPECT_TRUE(StatusBarOn);     // and this one a bad escape
    EXPECT_EQ(Messages(), "Some lines of the settings file " + path_ +
                              " could not be read; those settings are back to their first-run "
                              "values. The file as it was is kept as " +
                              path_ + ".damaged.\n");
    EXPECT_EQ(folder_.ReadText("registry.txt.damaged"), text);
}

// A file that cannot be read (a pipe, a folder, a file far too long) is never written over:
// the game runs on first-run values and says so once.
TEST_F(SettingsStore, AStoreThatCannotBeReadIsNeverWrittenOver) {
    const std::string full = kHeader + "NumberOfDice\t1\t4\n";
    const auto pipe = [&] { ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0); };
    const auto folder = [&] { fs::create_directory(path_); };
    const auto huge = [&] {
        folder_.Write("registry.txt", full);
        fs::resize_file(path_, 4ull << 30);  // sparse
    };
    for (const auto& make : {std::function<void()>(pipe), std::function<void()>(folder),
                             std::function<void()>(huge)}) {
        fs::remove_all(path_);
        make();
        host_.answerMsgBox(1);
        const auto type = fs::symlink_status(path_).type();
        const auto size = type == fs::file_type::regular ? fs::file_size(path_) : 0;
        Load();
        EXPECT_EQ(DiceSetting, 5);
        DiceSetting = 4;
        SaveSettings();
        EXPECT_EQ(fs::symlink_status(path_).type(), type);
        EXPECT_EQ(type == fs::file_type::regular ? fs::file_size(path_) : 0, size);
        EXPECT_EQ(Messages(), "The settings file " + path_ +
                                  " could not be read. The game runs on its first-run settings "
                                  "and leaves that file as it is.\n");
    }
}

// A settings file that is a link is written through it, and the link stays.
TEST_F(SettingsStore, ALinkIsWrittenThrough) {
    folder_.Write("real/settings.txt", kHeader + "NumberOfDice\t1\t4\n");
    fs::create_symlink("real/settings.txt", path_);
    Load();
    NumPlayers = 2;
    SaveSettings();
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_NE(folder_.ReadText("real/settings.txt").find("NumberOfPlayers\t1\t2\n"),
              std::string::npos);
}

}  // namespace
