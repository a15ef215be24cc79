#include "platform/files/record_file.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using files_test::ErrorNumberOf;
using files_test::TempFolder;

constexpr int kLen = 24;
constexpr uint8_t kSentinel = 0xBD;

// A record buffer with sentinels behind it: Get must fill exactly the record.
struct Buffer {
    std::array<uint8_t, kLen + 8> bytes;
    Buffer() { bytes.fill(kSentinel); }
    std::span<uint8_t> Record() { return std::span(bytes).first(kLen); }
    std::vector<uint8_t> Data() const { return {bytes.begin(), bytes.begin() + kLen}; }
    bool SentinelsIntact() const {
        return std::all_of(bytes.begin() + kLen, bytes.end(),
                           [](uint8_t b) { return b == kSentinel; });
    }
};

std::vector<uint8_t> Filled(size_t size, uint8_t value) {
    return std::vector<uint8_t>(size, value);
}

std::vector<uint8_t> Counting(size_t size) {
    std::vector<uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), uint8_t{1});
    return bytes;
}

class RecordFileTest : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const { return (folder / name).string(); }
    TempFolder folder;
};

TEST_F(RecordFileTest, OpeningAMissingFileCreatesItEmpty) {
    vb::RecordFile file(folder.Path().string() + "\\scores1.dat", kLen);
    EXPECT_EQ(file.Lof(), 0);
    EXPECT_EQ(file.Records(), 0);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"scores1.dat"});
}

// Get of records at and past the end of a 30-byte file: what lies past the end reads as 0.
struct GetCase {
    int32_t record;
    size_t dataBytes;  // bytes that come from the file, the rest are zeros
};
const GetCase kGetCases[] = {{1, 24}, {2, 6}, {3, 0}, {21, 0}, {1000, 0}};

TEST_F(RecordFileTest, GetPastTheEndYieldsZeros) {
    const std::vector<uint8_t> stored = Counting(30);
    folder.Write("scores1.dat", stored);
    vb::RecordFile file(PathOf("scores1.dat"), kLen);
    for (const auto& c : kGetCases) {
        SCOPED_TRACE(c.record);
        Buffer record;
        file.Get(c.record, record.Record());
        const ptrdiff_t offset = static_cast<ptrdiff_t>(c.record - 1) * kLen;
        const auto start = stored.begin() + std::min<ptrdiff_t>(offset, 30);
        std::vector<uint8_t> want(start, start + static_cast<ptrdiff_t>(c.dataBytes));
        want.resize(kLen, 0);
        EXPECT_EQ(record.Data(), want);
        EXPECT_TRUE(record.SentinelsIntact());
    }
    EXPECT_EQ(file.Lof(), 30);
}

TEST_F(RecordFileTest, TwentyRecordsAndATrailerMakeA484ByteFile) {
    {
        vb::RecordFile file(PathOf("scores1.dat"), kLen);
        for (int32_t i = 1; i <= 20; ++i) {
            file.Put(i, Filled(kLen, static_cast<uint8_t>(i)));
        }
        const std::array<uint8_t, 4> trailer = {1, 0, 0, 0};
        file.Put(21, trailer);
        EXPECT_EQ(file.Lof(), 484);
        EXPECT_EQ(file.Records(), 20);
    }
    std::vector<uint8_t> want;
    for (uint8_t i = 1; i <= 20; ++i) {
        want.insert(want.end(), kLen, i);
    }
    want.insert(want.end(), {1, 0, 0, 0});
    EXPECT_EQ(folder.Read("scores1.dat"), want);
}

TEST_F(RecordFileTest, PutOfAShortValueLeavesTheRestOfTheRecord) {
    folder.Write("scores1.dat", Filled(48, 0x41));
    vb::RecordFile file(PathOf("scores1.dat"), kLen);
    const std::array<uint8_t, 4> value = {0xF1, 0xD8, 0xFF, 0xFF};
    file.Put(2, value);
    file.Close();
    std::vector<uint8_t> want = Filled(48, 0x41);
    std::copy(value.begin(), value.end(), want.begin() + 24);
    EXPECT_EQ(folder.Read("scores1.dat"), want);
}

TEST_F(RecordFileTest, PutPastTheEndLeavesAGapOfZeros) {
    vb::RecordFile file(PathOf("scores1.dat"), kLen);
    file.Put(3, Filled(kLen, 0x41));
    EXPECT_EQ(file.Lof(), 72);
    file.Close();
    std::vector<uint8_t> want = Filled(48, 0);
    want.insert(want.end(), kLen, 0x41);
    EXPECT_EQ(folder.Read("scores1.dat"), want);
}

// A file's length in bytes and in 24-byte records as the game counts them: the nearest
// whole number, a half going to the even neighbour.
struct LengthCase {
    size_t bytes;
    int32_t records;
};
const LengthCase kLengthCases[] = {
    {0, 0},  {11, 0}, {12, 0},   {13, 1},   {24, 1},   {35, 1},   {36, 2},
    {60, 2}, {84, 4}, {480, 20}, {484, 20}, {491, 20}, {492, 20}, {493, 21},
};

TEST_F(RecordFileTest, LengthInRecordsRoundsHalfToEven) {
    for (const auto& c : kLengthCases) {
        SCOPED_TRACE(c.bytes);
        folder.Write("scores1.dat", Filled(c.bytes, 0x20));
        vb::RecordFile file(PathOf("scores1.dat"), kLen);
        EXPECT_EQ(file.Lof(), static_cast<int64_t>(c.bytes));
        EXPECT_EQ(file.Records(), c.records);
    }
}

TEST_F(RecordFileTest, RaisesForBadRecordsAndClosedFiles) {
    vb::RecordFile file(PathOf("scores1.dat"), kLen);
    std::array<uint8_t, kLen + 1> tooLong{};
    Buffer record;
    EXPECT_EQ(ErrorNumberOf([&] { file.Get(0, record.Record()); }), 63);
    EXPECT_EQ(ErrorNumberOf([&] { file.Put(-1, record.Record()); }), 63);
    EXPECT_EQ(ErrorNumberOf([&] { file.Get(1, tooLong); }), 59);
    EXPECT_EQ(ErrorNumberOf([&] { file.Put(1, tooLong); }), 59);
    EXPECT_EQ(ErrorNumberOf([&] { vb::RecordFile(PathOf("other.dat"), 0); }), 52);
    EXPECT_TRUE(record.SentinelsIntact());
    file.Close();
    file.Close();
    EXPECT_EQ(ErrorNumberOf([&] { file.Get(1, record.Record()); }), 52);
    EXPECT_EQ(ErrorNumberOf([&] { file.Put(1, record.Record()); }), 52);
    EXPECT_EQ(ErrorNumberOf([&] { file.Lof(); }), 52);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"scores1.dat"});
}

TEST_F(RecordFileTest, AReadOnlyFolderAndFileAreReadButNotWritten) {
    folder.Write("scores/scores1.dat", Filled(kLen, 0x41));
    fs::permissions(folder / "scores" / "scores1.dat", fs::perms(0444));
    if (!files_test::MakeReadOnly(folder / "scores")) {
        GTEST_SKIP() << "permissions do not bind this user";
    }
    vb::RecordFile file((folder / "scores" / "scores1.dat").string(), kLen);
    Buffer record;
    file.Get(1, record.Record());
    EXPECT_EQ(record.Data(), Filled(kLen, 0x41));
    EXPECT_EQ(ErrorNumberOf([&] { file.Put(1, record.Record()); }), 75);
    EXPECT_EQ(
        ErrorNumberOf([&] { vb::RecordFile((folder / "scores" / "new.dat").string(), kLen); }), 75);
    EXPECT_EQ(folder.Names("scores"), std::vector<std::string>{"scores1.dat"});
}

TEST_F(RecordFileTest, FreeFileGivesTheLowestNumberNotInUse) {
    ASSERT_EQ(vb::FreeFile(), 1);
    vb::RecordFile first(PathOf("scores1.dat"), kLen);
    EXPECT_EQ(first.Number(), 1);
    EXPECT_EQ(vb::FreeFile(), 2);
    vb::RecordFile second(PathOf("scores2.dat"), kLen);
    EXPECT_EQ(second.Number(), 2);
    first.Close();
    EXPECT_EQ(first.Number(), 0);
    EXPECT_EQ(vb::FreeFile(), 1);
    EXPECT_EQ(ErrorNumberOf([&] { vb::RecordFile(PathOf("none\\x.dat"), kLen); }), 76);
    EXPECT_EQ(vb::FreeFile(), 1);
}

}  // namespace
