#include "platform/files/file_ops.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include "platform/files/atomic_file.h"
#include "platform/files/file_errors.h"
#include "platform/files/record_file.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using files_test::ErrorNumberOf;
using files_test::TempFolder;

// Each file call on a missing file, a missing folder or a folder, and the run-time error
// number the game's error handler sees (53 is the one it reports as "Cannot open ...").
struct ErrorCase {
    const char* what;
    std::function<void(const std::string& base)> call;
    int number;
};

const std::vector<ErrorCase>& ErrorCases() {
    static const std::vector<ErrorCase> cases = {
        {"Kill missing file", [](auto& b) { vb::Kill(b + "\\scores\\gone.dat"); }, 53},
        {"Kill in missing folder", [](auto& b) { vb::Kill(b + "\\none\\x.dat"); }, 76},
        {"Kill a folder", [](auto& b) { vb::Kill(b + "\\scores"); }, 53},
        {"FileLen missing file", [](auto& b) { vb::FileLen(b + "\\gone.dat"); }, 53},
        {"FileLen in missing folder", [](auto& b) { vb::FileLen(b + "\\none\\x.dat"); }, 76},
        {"SetAttr missing file", [](auto& b) { vb::SetAttr(b + "\\gone.dat", vb::vbHidden); }, 53},
        {"MkDir existing folder", [](auto& b) { vb::MkDir(b + "\\SCORES"); }, 75},
        {"MkDir over a file", [](auto& b) { vb::MkDir(b + "\\file.dat"); }, 75},
        {"MkDir without parent", [](auto& b) { vb::MkDir(b + "\\none\\sub"); }, 76},
        {"read missing file", [](auto& b) { vb::ReadWholeFile(b + "\\gone.dat"); }, 53},
        {"read in missing folder", [](auto& b) { vb::ReadWholeFile(b + "\\none\\x.dat"); }, 76},
        {"read a folder", [](auto& b) { vb::ReadWholeFile(b + "\\scores"); }, 75},
        {"read below a file", [](auto& b) { vb::ReadWholeFile(b + "\\file.dat\\x"); }, 76},
        {"open record file in missing folder",
         [](auto& b) { vb::RecordFile(b + "\\none\\scores1.dat", 24); }, 76},
        {"open a folder as record file", [](auto& b) { vb::RecordFile(b + "\\scores", 24); }, 75},
        {"replace in missing folder",
         [](auto& b) { vb::ReplaceFileAtomically(b + "\\none\\x.dat", {}); }, 76},
    };
    return cases;
}

TEST(FileErrors, NumbersForMissingFilesAndFolders) {
    TempFolder folder;
    folder.Write("file.dat", "x");
    fs::create_directories(folder / "scores");
    for (const auto& c : ErrorCases()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ErrorNumberOf([&] { c.call(folder.Path().string()); }), c.number);
    }
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"file.dat", "scores"}));
}

TEST(FileErrors, CarryTheRuntimeTextsTheGameShows) {
    TempFolder folder;
    try {
        vb::ReadWholeFile((folder / "scores1.dat").string());
        FAIL() << "no error raised";
    } catch (const vb::RuntimeError& error) {
        EXPECT_EQ(error.Number(), 53);
        EXPECT_EQ(error.Description(), "File not found");
    }
}

struct ErrnoCase {
    int error;
    int number;
};
const ErrnoCase kErrnoCases[] = {
    {ENOTDIR, 76}, {EACCES, 75},       {EPERM, 75},   {EROFS, 75},  {EEXIST, 75},
    {EISDIR, 75},  {EBUSY, 70},        {ETXTBSY, 70}, {ENOSPC, 61}, {EDQUOT, 61},
    {EFBIG, 61},   {ENAMETOOLONG, 52}, {EIO, 57},     {EMFILE, 57},
};

TEST(FileErrors, MapsSystemErrorsToRuntimeNumbers) {
    for (const auto& c : kErrnoCases) {
        SCOPED_TRACE(c.error);
        EXPECT_EQ(vb::FileErrorNumber(c.error, "/tmp/x.dat"), c.number);
    }
    TempFolder folder;
    EXPECT_EQ(vb::FileErrorNumber(ENOENT, folder / "x.dat"), 53);
    EXPECT_EQ(vb::FileErrorNumber(ENOENT, folder / "none" / "x.dat"), 76);
    EXPECT_EQ(vb::FileErrorNumber(ENOENT, "x.dat"), 53);
}

TEST(FileOps, MkDirMakesOneFolderAndKillDeletesAFile) {
    TempFolder folder;
    vb::MkDir(folder.Path().string() + "\\scores");
    EXPECT_TRUE(fs::is_directory(folder / "scores"));
    folder.Write("scores/scores2.dat", "x");
    vb::Kill(folder.Path().string() + "\\SCORES\\Scores2.DAT");
    EXPECT_TRUE(folder.Names("scores").empty());
}

TEST(FileOps, FileLenGivesTheLengthInBytes) {
    TempFolder folder;
    folder.Write("empty.dat", "");
    folder.Write("scores1.dat", std::vector<uint8_t>(484, 0x20));
    EXPECT_EQ(vb::FileLen((folder / "empty.dat").string()), 0);
    EXPECT_EQ(vb::FileLen(folder.Path().string() + "\\SCORES1.DAT"), 484);
}

// SetAttr's effect on the permission bits, starting from rw-r--r--.
struct AttrCase {
    int attributes;
    fs::perms want;
};
const AttrCase kAttrCases[] = {
    {0, fs::perms(0644)},
    {vb::vbHidden, fs::perms(0644)},
    {vb::vbReadOnly, fs::perms(0444)},
    {vb::vbReadOnly | vb::vbHidden | vb::vbArchive, fs::perms(0444)},
};

TEST(FileOps, SetAttrMapsReadOnlyToWritePermission) {
    TempFolder folder;
    const fs::path file = folder.Write("scores1.dat", "x");
    for (const auto& c : kAttrCases) {
        SCOPED_TRACE(c.attributes);
        fs::permissions(file, fs::perms(0644));
        vb::SetAttr(file.string(), c.attributes);
        EXPECT_EQ(fs::status(file).permissions(), c.want);
    }
    vb::SetAttr(file.string(), 0);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0644));
}

}  // namespace
