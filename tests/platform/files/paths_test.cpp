#include "platform/files/paths.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

using files_test::TempFolder;

class PathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Write("tlwavs/rollall.wav", "RIFF");
        folder.Write("BGMusic/SONG01.mp3", "ID3");
        folder.Write("Mixed/Inner.txt", "x");
        folder.Write("exact/File.txt", "upper");
        folder.Write("exact/file.txt", "lower");
        std::filesystem::create_directories(folder / "scores");
    }
    // The game's form of a path under the folder: AppFolder ends with "\".
    std::string GamePath(const std::string& relative) const {
        return folder.Path().string() + "\\" + relative;
    }
    TempFolder folder;
};

// What the game writes, and the path it reaches under the test folder.
struct MapCase {
    const char* written;
    const char* native;
};
const MapCase kMapCases[] = {
    {"TLWAVS\\rollAll.WAV", "tlwavs/rollall.wav"},
    {"tlwavs\\rollall.wav", "tlwavs/rollall.wav"},
    {"TLWAVS/ROLLALL.wav", "tlwavs/rollall.wav"},
    {"BGmusic\\SONG01.mp3", "BGMusic/SONG01.mp3"},
    {"bgmusic\\Song02.MP3", "BGMusic/Song02.MP3"},
    {"NoSuch\\Inner.TXT", "NoSuch/Inner.TXT"},
    {"nosuch\\mixed\\inner.txt", "nosuch/mixed/inner.txt"},
    {"scores\\scores1.dat", "scores/scores1.dat"},
    {"Scores\\\\scores1.dat", "scores/scores1.dat"},
    {"exact\\file.txt", "exact/file.txt"},
    {"exact\\File.txt", "exact/File.txt"},
    {"EXACT\\FILE.TXT", "exact/File.txt"},
    {"mixed\\.\\INNER.txt", "Mixed/./Inner.txt"},
    {"mixed\\..\\TLWAVS\\ROLLALL.WAV", "Mixed/../tlwavs/rollall.wav"},
    {"MIXED\\", "Mixed/"},
};

TEST_F(PathsTest, MapsSeparatorsAndMatchesNamesWithoutRegardToCase) {
    for (const auto& c : kMapCases) {
        SCOPED_TRACE(c.written);
        EXPECT_EQ(vb::NativePath(GamePath(c.written)), folder.Path().string() + "/" + c.native);
    }
}

TEST_F(PathsTest, KeepsPathsThatNeedNoMatching) {
    EXPECT_EQ(vb::NativePath(""), "");
    EXPECT_EQ(vb::NativePath("\\"), "/");
    EXPECT_EQ(vb::NativePath(folder.Path().string()), folder.Path().string());
    EXPECT_EQ(vb::NativePath(folder.Path().string() + "\\"), folder.Path().string() + "/");
}

// Existence as the game asks for it: files and folders are told apart.
struct ExistsCase {
    const char* written;
    bool file;
    bool folder;
};
const ExistsCase kExistsCases[] = {
    {"TLWAVS\\ROLLALL.WAV", true, false},
    {"tlwavs", false, true},
    {"TLWAVS\\", false, true},
    {"scores", false, true},
    {"scores\\scores1.dat", false, false},
    {"nofolder\\scores1.dat", false, false},
    {"readonly.dat", true, false},
};

TEST_F(PathsTest, FileExistsAndDirExistsTellFilesFromFolders) {
    folder.Write("readonly.dat", "x");
    std::filesystem::permissions(folder / "readonly.dat", std::filesystem::perms::owner_read);
    for (const auto& c : kExistsCases) {
        SCOPED_TRACE(c.written);
        EXPECT_EQ(vb::FileExists(GamePath(c.written)), c.file);
        EXPECT_EQ(vb::DirExists(GamePath(c.written)), c.folder);
    }
}

}  // namespace
