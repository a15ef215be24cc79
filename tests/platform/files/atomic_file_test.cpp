#include "platform/files/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using files_test::ErrorNumberOf;
using files_test::TempFolder;

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

class AtomicFileTest : public ::testing::Test {
protected:
    void TearDown() override { vb::SetReplaceFailureHook({}); }
    std::string PathOf(const char* name) const { return (folder / name).string(); }
    TempFolder folder;
};

TEST_F(AtomicFileTest, CreatesANewFile) {
    vb::ReplaceFileAtomically(folder.Path().string() + "\\scores1.dat", Bytes("new table"));
    EXPECT_EQ(folder.ReadText("scores1.dat"), "new table");
    EXPECT_EQ(fs::status(folder / "scores1.dat").permissions(), fs::perms(0644));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"scores1.dat"});
}

// A write killed half-way leaves its temporary file; the next write removes it, but never
// one a live writer still holds.
TEST_F(AtomicFileTest, StaleTemporaryFilesGoAtTheNextWrite) {
    folder.Write(".scores1.dat.a1B2c3", "left by a killed write");
    folder.Write(".scores1.dat.Zz9Zz9", "being written");
    folder.Write(".scores2.dat.a1B2c3", "another file's");
    const int live = ::open(PathOf(".scores1.dat.Zz9Zz9").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    vb::ReplaceFileAtomically(PathOf("scores1.dat"), Bytes("new table"));
    ::close(live);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{".scores1.dat.Zz9Zz9",
                                                        ".scores2.dat.a1B2c3", "scores1.dat"}));
}

// A file that is a symbolic link: its target gets the new contents, and the link stays.
TEST_F(AtomicFileTest, ALinkIsWrittenThroughToItsTarget) {
    folder.Write("elsewhere/scores1.dat", "old table");
    fs::create_directory(folder / "scores");
    fs::create_symlink("../elsewhere/scores1.dat", folder / "scores" / "scores1.dat");
    vb::ReplaceFileAtomically(PathOf("scores/scores1.dat"), Bytes("new table"));
    EXPECT_TRUE(fs::is_symlink(folder / "scores" / "scores1.dat"));
    EXPECT_EQ(folder.ReadText("elsewhere/scores1.dat"), "new table");
    EXPECT_EQ(folder.Names("elsewhere"), std::vector<std::string>{"scores1.dat"});
}

TEST_F(AtomicFileTest, ReplacesTheOldFileAndKeepsItsPermissions) {
    folder.Write("Scores1.dat", "an old table that is longer");
    fs::permissions(folder / "Scores1.dat", fs::perms(0600));
    vb::ReplaceFileAtomically(PathOf("SCORES1.DAT"), Bytes("new"));
    EXPECT_EQ(folder.ReadText("Scores1.dat"), "new");
    EXPECT_EQ(fs::status(folder / "Scores1.dat").permissions(), fs::perms(0600));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Scores1.dat"});
}

TEST_F(AtomicFileTest, WritesAnEmptyFile) {
    folder.Write("scores1.dat", "old");
    vb::ReplaceFileAtomically(PathOf("scores1.dat"), {});
    EXPECT_EQ(folder.Read("scores1.dat"), std::vector<uint8_t>{});
}

// A step that fails, how, and the run-time error the caller gets. Before the rename the old
// file must stay as it was, and no temporary file may be left.
struct FailureCase {
    vb::ReplaceStep step;
    int error;
    int number;
};
const FailureCase kFailureCases[] = {
    {vb::ReplaceStep::CreateTemporary, EACCES, 75},
    {vb::ReplaceStep::CreateTemporary, ENOSPC, 61},
    {vb::ReplaceStep::Write, ENOSPC, 61},
    {vb::ReplaceStep::Write, EIO, 57},
    {vb::ReplaceStep::Flush, EIO, 57},
    {vb::ReplaceStep::Flush, EDQUOT, 61},
    {vb::ReplaceStep::Rename, EACCES, 75},
    {vb::ReplaceStep::Rename, EBUSY, 70},
};

TEST_F(AtomicFileTest, AFailedStepLeavesTheOldFileAndNoTemporary) {
    folder.Write("scores1.dat", "old table");
    for (const auto& c : kFailureCases) {
        SCOPED_TRACE(static_cast<int>(c.step));
        SCOPED_TRACE(c.error);
        std::vector<vb::ReplaceStep> seen;
        vb::SetReplaceFailureHook([&](vb::ReplaceStep step) {
            seen.push_back(step);
            return step == c.step ? c.error : 0;
        });
        EXPECT_EQ(ErrorNumberOf([&] {
                      vb::ReplaceFileAtomically(PathOf("scores1.dat"), Bytes("new table"));
                  }),
                  c.number);
        EXPECT_EQ(seen.back(), c.step);
        EXPECT_EQ(folder.ReadText("scores1.dat"), "old table");
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"scores1.dat"});
    }
}

TEST_F(AtomicFileTest, AFailedFolderFlushComesAfterTheNewFileIsInPlace) {
    folder.Write("scores1.dat", "old table");
    vb::SetReplaceFailureHook(
        [](vb::ReplaceStep step) { return step == vb::ReplaceStep::FlushFolder ? EIO : 0; });
    EXPECT_EQ(ErrorNumberOf(
                  [&] { vb::ReplaceFileAtomically(PathOf("scores1.dat"), Bytes("new table")); }),
              57);
    EXPECT_EQ(folder.ReadText("scores1.dat"), "new table");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"scores1.dat"});
}

TEST_F(AtomicFileTest, AReadOnlyFolderKeepsTheOldFile) {
    folder.Write("scores/scores1.dat", "old table");
    if (!files_test::MakeReadOnly(folder / "scores")) {
        GTEST_SKIP() << "permissions do not bind this user";
    }
    EXPECT_EQ(ErrorNumberOf([&] {
                  vb::ReplaceFileAtomically((folder / "scores" / "scores1.dat").string(),
                                            Bytes("new table"));
              }),
              75);
    EXPECT_EQ(folder.ReadText("scores/scores1.dat"), "old table");
    EXPECT_EQ(folder.Names("scores"), std::vector<std::string>{"scores1.dat"});
}

TEST_F(AtomicFileTest, ReadWholeFileReturnsEveryByte) {
    std::vector<uint8_t> large(10000);
    for (size_t i = 0; i < large.size(); ++i) {
        large[i] = static_cast<uint8_t>(i * 7);
    }
    folder.Write("large.bin", large);
    folder.Write("empty.bin", "");
    EXPECT_EQ(vb::ReadWholeFile(folder.Path().string() + "\\LARGE.BIN"), large);
    EXPECT_EQ(vb::ReadWholeFile(PathOf("empty.bin")), std::vector<uint8_t>{});
}

}  // namespace
