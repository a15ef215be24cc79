#include "shell/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry/advapi32.h"
#include "platform/registry/registry_store.h"
#include "shell/Module1.h"

namespace {

namespace fs = std::filesystem;
using namespace Module1;

const std::string kFullKey = std::string("HKEY_CURRENT_USER\\") + kSettingsKey;

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::path(::testing::TempDir()) /
                  ("settings-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        registry::SetStorePath((folder_ / "registry.txt").string());
        ResetModule1();
    }
    void TearDown() override {
        registry::SetStorePath(registry::DefaultStorePath());
        fs::remove_all(folder_);
        ResetModule1();
    }
    static void Store(const std::string& name, win::DWORD type, const std::string& bytes) {
        ASSERT_TRUE(registry::CreateKey(kFullKey));
        ASSERT_TRUE(registry::SetValue(kFullKey, name,
                                       {type, std::vector<uint8_t>(bytes.begin(), bytes.end())}));
    }
    static std::string Stored(const std::string& name) {
        const auto v = registry::GetValue(kFullKey, name);
        return v ? std::string(v->data.begin(), v->data.end()) : "<missing>";
    }
    static void StoreAll(const std::vector<std::pair<std::string, std::string>>& values) {
        for (const auto& [name, text] : values) Store(name, win::REG_SZ, text);
    }
    fs::path folder_;
};

TEST_F(Settings, AFirstRunTakesTheDefaultsAndWritesNothing) {
    SplashAtStart = false;
    LoadSettings();
    EXPECT_EQ(DiceSetting, 5);
    EXPECT_EQ(NumPlayers, 1);
    EXPECT_EQ(NumColumns, 4);
    EXPECT_EQ(Player1Name, "Player 1");
    EXPECT_EQ(Player2Name, "Player 2");
    EXPECT_TRUE(WelcomeAtStart && StatusBarOn && ConfirmExit && ConfirmQuit && SoundSetting &&
                HintsAlwaysSetting && GridLinesOn);
    EXPECT_FALSE(MusicOn);
    EXPECT_FALSE(SplashAtStart);
    EXPECT_EQ(MusicVolume, 500);
    EXPECT_FALSE(fs::exists(registry::StorePath()));
}

TEST_F(Settings, NumberOfDiceDecidesWhetherTheSettingsExist) {
    struct Case {
        const char* what;
        win::DWORD type;
        std::string stored;
        bool firstRun;
    };
    const Case cases[] = {
        {"empty text", win::REG_SZ, "", true},
        {"a DWORD", win::REG_DWORD, std::string("\x04\0\0\0", 4), true},
        {"text", win::REG_SZ, "4", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ResetModule1();
        StoreAll({{"Player1", "Zed"}});
        Store("NumberOfDice", c.type, c.stored);
        LoadSettings();
        EXPECT_EQ(Player1Name, c.firstRun ? "Player 1" : "Zed");
        EXPECT_EQ(DiceSetting, c.firstRun ? 5 : 4);
    }
}

TEST_F(Settings, StoredTextsConvertAsTheGameReadsThem) {
    StoreAll({{"NumberOfDice", "4 dice"},
              {"NumberOfPlayers", "2"},
              {"NumberOfColumns", "1"},
              {"Player1", ""},
              {"Player2", "  Bo "},
              {"SoundEnabled", "False"},
              {"hintAllways", "0"},
              {"ShowDialog", "-1"},
              {"ShowSplash", "True"},
              {"BGMusicVolume", "250"},
              {"ShowGridLines", "False"}});
    Store("ShowStatusBar", win::REG_SZ, std::string("False\0True", 10));
    LoadSettings();
    EXPECT_EQ(DiceSetting, 4);
    EXPECT_EQ(NumPlayers, 2);
    EXPECT_EQ(NumColumns, 1);
    EXPECT_EQ(Player1Name, "");
    EXPECT_EQ(Player2Name, "  Bo ");
    EXPECT_FALSE(SoundSetting);
    EXPECT_FALSE(HintsAlwaysSetting);
    EXPECT_TRUE(WelcomeAtStart);
    EXPECT_TRUE(SplashAtStart);
    EXPECT_FALSE(StatusBarOn);  // read up to the zero
    EXPECT_EQ(MusicVolume, 250);
    EXPECT_FALSE(GridLinesOn);
}

TEST_F(Settings, BadOrMissingValuesFallBackToTheirFirstRunValues) {
    StoreAll({{"NumberOfDice", "abc"},
              {"NumberOfPlayers", "3"},
              {"NumberOfColumns", "2"},
              {"SoundEnabled", "maybe"},
              {"BGMusicVolume", "12 loud"},
              {"ShowGridLines", ""}});
    MusicOn = true;
    LoadSettings();
    EXPECT_EQ(DiceSetting, 5);
    EXPECT_EQ(NumPlayers, 1);
    EXPECT_EQ(NumColumns, 4);
    EXPECT_TRUE(SoundSetting);
    EXPECT_EQ(MusicVolume, 500);
    EXPECT_TRUE(GridLinesOn);
    EXPECT_FALSE(MusicOn);  // missing

    for (const auto& [text, want] : std::vector<std::pair<std::string, int32_t>>{
             {"-5", 0}, {"1001", 1000}, {"1000", 1000}, {"0", 0}}) {
        StoreAll({{"NumberOfDice", "5"}, {"BGMusicVolume", text}});
        LoadSettings();
        EXPECT_EQ(MusicVolume, want) << text;
    }
}

TEST_F(Settings, SaveWritesEveryValueAsTextWithoutATerminatingZero) {
    DiceSetting = 4;
    NumPlayers = 2;
    Player2Name = "";
    SoundSetting = false;
    MusicVolume = 730;
    SaveSettings();
    const std::vector<std::pair<std::string, std::string>> want = {
        {"NumberOfDice", "4"},       {"NumberOfPlayers", "2"},  {"NumberOfColumns", "4"},
        {"Player1", "Player 1"},     {"Player2", ""},           {"SoundEnabled", "False"},
        {"hintAllways", "True"},     {"ShowDialog", "True"},    {"ShowSplash", "False"},
        {"ShowStatusBar", "True"},   {"ConfirmOnExit", "True"}, {"ConfirmQuitGame", "True"},
        {"BGMusicEnabled", "False"}, {"BGMusicVolume", "730"},  {"ShowGridLines", "True"}};
    for (const auto& [name, text] : want) {
        EXPECT_EQ(Stored(name), text) << name;
        EXPECT_EQ(registry::GetValue(kFullKey, name)->type, win::REG_SZ) << name;
    }
    std::ifstream file(registry::StorePath());
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Tolvarin\\Tolvarin2.2]\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nPlayer1\t1\tPlayer%201\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nBGMusicVolume\t1\t730\n"), std::string::npos) << text;

    ResetModule1();
    LoadSettings();
    EXPECT_EQ(MusicVolume, 730);
    EXPECT_EQ(Player2Name, "");
    EXPECT_EQ(DiceSetting, 4);
}

}  // namespace
