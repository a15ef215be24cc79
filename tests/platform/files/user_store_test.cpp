#include "platform/files/user_store.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "platform/files/atomic_file.h"
#include "platform/files/file_ops.h"
#include "platform/files/paths.h"
#include "platform/files/record_file.h"
#include "platform/runtime/app.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using files_test::TempFolder;

// Sets an environment variable for one test and puts the old value back afterwards.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        Set(value);
    }
    ~EnvVar() { Set(old_ ? old_->c_str() : nullptr); }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    void Set(const char* value) {
        if (value != nullptr) {
            ::setenv(name_, value, 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

// A program folder "program" and a per-user data folder "data" under the test folder.
class UserStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder / "program");
        vb::App().Path = (folder / "program").string();
    }
    void TearDown() override { vb::App().Path = savedProgramFolder; }
    std::string Game(const std::string& relative) const {
        return (folder / "program").string() + "\\" + relative;
    }
    std::string Store(const std::string& relative) const {
        return (folder / "data" / "Tolvarin" / relative).string();
    }

    TempFolder folder;
    std::string savedProgramFolder = vb::App().Path;
    EnvVar dataHome{"XDG_DATA_HOME", (folder / "data").c_str()};
};

TEST_F(UserStoreTest, StoreFolderFollowsTheDataHome) {
    EnvVar home("HOME", "/home/player");
    EXPECT_EQ(vb::UserStoreFolder(), folder / "data" / "Tolvarin");
    {
        EnvVar relative("XDG_DATA_HOME", "data");
        EXPECT_EQ(vb::UserStoreFolder(), fs::path("/home/player/.local/share/Tolvarin"));
    }
    EnvVar unsetData("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(vb::UserStoreFolder(), fs::path("/home/player/.local/share/Tolvarin"));
    EnvVar unsetHome("HOME", nullptr);
    EXPECT_EQ(vb::UserStoreFolder(), fs::path());
}

TEST_F(UserStoreTest, AWritableProgramFolderIsUsedAndAMissingFolderMade) {
    EXPECT_EQ(vb::WritablePath(Game("scores\\scores1.dat")),
              (folder / "program" / "scores" / "scores1.dat").string());
    EXPECT_TRUE(fs::is_directory(folder / "program" / "scores"));
    EXPECT_FALSE(fs::exists(folder / "data"));
}

TEST_F(UserStoreTest, PathsOutsideTheProgramFolderAreNeverRedirected) {
    const std::string outside = (folder / "elsewhere" / "x.dat").string();
    EXPECT_EQ(vb::WritablePath(outside), outside);
    EXPECT_EQ(vb::ReadablePath(outside), outside);
    EXPECT_FALSE(fs::exists(folder / "elsewhere"));
    EXPECT_FALSE(fs::exists(folder / "data"));
}

// A file named "scores" where the folder should be: the folder can be neither written nor
// made, so the table goes to the per-user store, and every file call follows it there.
TEST_F(UserStoreTest, AFolderThatCannotBeMadeGoesToTheStore) {
    folder.Write("program/scores", "in the way");
    EXPECT_EQ(vb::WritablePath(Game("scores\\scores1.dat")), Store("scores/scores1.dat"));
    {
        vb::RecordFile file(Game("scores\\scores1.dat"), 24);
        file.Put(1, std::vector<uint8_t>(24, 0x41));
    }
    EXPECT_EQ(folder.Read("data/Tolvarin/scores/scores1.dat"), std::vector<uint8_t>(24, 0x41));
    EXPECT_TRUE(vb::FileExists(Game("Scores\\SCORES1.DAT")));
    EXPECT_EQ(vb::FileLen(Game("scores\\scores1.dat")), 24);
    EXPECT_EQ(vb::ReadWholeFile(Game("scores\\scores1.dat")), std::vector<uint8_t>(24, 0x41));
    vb::Kill(Game("scores\\scores1.dat"));
    EXPECT_FALSE(vb::FileExists(Game("scores\\scores1.dat")));
    EXPECT_EQ(folder.ReadText("program/scores"), "in the way");
}

TEST_F(UserStoreTest, AnExistingPerUserCopyServesReadsAndWrites) {
    folder.Write("program/TLWAVS/Roll.wav", "shipped");
    folder.Write("data/Tolvarin/tlwavs/roll.WAV", "mine");
    EXPECT_EQ(vb::ReadablePath(Game("TLWAVS\\Roll.wav")), Store("tlwavs/roll.WAV"));
    EXPECT_EQ(vb::WritablePath(Game("TLWAVS\\Roll.wav")), Store("tlwavs/roll.WAV"));
    vb::ReplaceFileAtomically(Game("tlwavs\\roll.wav"), std::vector<uint8_t>{'n', 'e', 'w'});
    EXPECT_EQ(folder.ReadText("data/Tolvarin/tlwavs/roll.WAV"), "new");
    EXPECT_EQ(folder.ReadText("program/TLWAVS/Roll.wav"), "shipped");
    vb::Kill(Game("TLWAVS\\Roll.wav"));
    EXPECT_FALSE(vb::FileExists(Game("TLWAVS\\Roll.wav")));
}

TEST_F(UserStoreTest, AReadOnlyProgramFolderKeepsItsTableAndTheStoreGetsTheChange) {
    folder.Write("program/scores/scores1.dat", std::vector<uint8_t>(48, 0x41));
    if (!files_test::MakeReadOnly(folder / "program" / "scores")) {
        GTEST_SKIP() << "permissions do not bind this user";
    }
    {
        vb::RecordFile file(Game("scores\\scores1.dat"), 24);
        EXPECT_EQ(file.Records(), 2);
        file.Put(2, std::vector<uint8_t>(24, 0x42));
    }
    std::vector<uint8_t> want(24, 0x41);
    want.insert(want.end(), 24, 0x42);
    EXPECT_EQ(folder.Read("data/Tolvarin/scores/scores1.dat"), want);
    EXPECT_EQ(vb::ReadWholeFile(Game("scores\\scores1.dat")), want);
    EXPECT_EQ(folder.Read("program/scores/scores1.dat"), std::vector<uint8_t>(48, 0x41));
}

}  // namespace
