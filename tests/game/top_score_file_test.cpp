#include "game/top_score_file.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "game/score_file_text.h"
#include "game/temp_app_folder.h"
#include "platform/files/atomic_file.h"
#include "platform/runtime/errors.h"

namespace {

using namespace endgame_test;
using topscores::ScoreRecord;

const char* const kTable1 = "scores/scores1.dat";

ScoreRecord EntryOf(const std::string& name, int32_t score) {
    ScoreRecord r;
    r.Name = topscores::Field(name);
    r.Score = score;
    r.Date = topscores::Field(kToday);
    return r;
}

// The place the entry took and the file afterwards, as text.
struct Entered {
    int32_t rank;
    std::string file;
};

class TopScoreFileTest : public ::testing::Test {
protected:
    Entered Enter(const std::string& name, int32_t score) {
        const int32_t rank = topscores::EnterScore(topscores::FilePath(1), EntryOf(name, score));
        return {rank, FileText(folder.Read(kTable1))};
    }
    TempAppFolder folder;
};

TEST(TopScoreRecords, CountsRecordsRoundingAHalfToEven) {
    struct Case {
        size_t bytes;
        int32_t want;
    };
    const Case cases[] = {{0, 0},    {11, 0},   {12, 0},   {13, 1},   {24, 1},
                          {36, 2},   {60, 2},   {84, 4},   {480, 20}, {484, 20},
                          {491, 20}, {492, 20}, {493, 21}, {516, 22}, {720, 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(topscores::RecordCount(c.bytes), c.want);
    }
}

TEST(TopScoreRecords, TheSettingsChooseTheTable) {
    struct Case {
        int32_t columns, dice, table;
    };
    const Case cases[] = {{4, 5, 1}, {4, 4, 2}, {1, 5, 3}, {1, 4, 4},
                          {4, 0, 2}, {2, 5, 3}, {0, 9, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.columns) + " columns, dice setting " +
                     std::to_string(c.dice));
        EXPECT_EQ(topscores::TableNumber(c.columns, c.dice), c.table);
    }
    Module1::AppFolder = "C:\\Games\\Tolvarin\\";
    EXPECT_EQ(topscores::FilePath(3), "C:\\Games\\Tolvarin\\scores\\scores3.dat");
}

TEST(TopScoreRecords, TextFieldsAreTenSingleBytes) {
    struct Case {
        const char* text;
        std::string want;
    };
    const Case cases[] = {
        {"Alexandrina12", "Alexandrin"},
        {"Anna", "Anna      "},
        {"", "          "},
        {"Zo\xC3\xAB", std::string("Zo\xEB") + "       "},  // e with diaeresis: one byte
        {"\xE6\x97\xA5\xE6\x9C\xAC", "??        "},         // beyond one byte: "?"
        {"ab\xFF", "ab\xFF       "},                        // no UTF-8: the byte itself
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto field = topscores::Field(c.text);
        EXPECT_EQ(std::string(field.begin(), field.end()), c.want);
    }
    // A stored field reads back in the program's UTF-8, the text the window shows for the
    // player's name everywhere else.
    EXPECT_EQ(topscores::FieldText(topscores::Field("Zo\xC3\xAB")), "Zo\xC3\xAB       ");
    EXPECT_EQ(topscores::FieldText(topscores::Field("J\xC3\xBCrgen-Wolf")), "J\xC3\xBCrgen-Wol");
    EXPECT_EQ(topscores::FieldText(topscores::EmptyEntry().Name), "");
}

TEST(TopScoreRecords, AnEntryIsLaidOutInTwentyFourBytes) {
    const auto bytes = topscores::RecordBytes(EntryOf("Ann", -9999));
    const std::vector<uint8_t> want = RecordOf({"Ann", -9999, kToday});
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), want);
    EXPECT_EQ(bytes[10], 0xF1);
    EXPECT_EQ(bytes[13], 0xFF);
    const auto empty = topscores::RecordBytes(topscores::EmptyEntry());
    EXPECT_EQ(std::vector<uint8_t>(empty.begin(), empty.end()), EmptyRecord());
}

TEST_F(TopScoreFileTest, AFirstGameMakesTheFolderAndTheWholeTable) {
    const Entered e = Enter("Ann", 250);
    EXPECT_EQ(e.rank, 1);
    EXPECT_EQ(e.file,
              " 1 |Ann       |   250|3/7/2026  |\n"
              "2-20 empty\n"
              "tail 01 00 00 00\n");
    EXPECT_EQ(folder.Read(kTable1), TableFileOf({{"Ann", 250, kToday}}));
    EXPECT_EQ(folder.Read(kTable1).size(), 484u);
}

TEST_F(TopScoreFileTest, AnEqualScoreGoesBelowTheOlderOnesAndTheTwentiethDrops) {
    std::vector<Entry> table = FullTable(400, 10);  // 400, 390, 380, ..., 210
    table[3].score = 380;                           // places 3 and 4 both 380
    folder.Write(kTable1, TableFileOf(table));
    const Entered e = Enter("New", 380);
    EXPECT_EQ(e.rank, 5);
    std::vector<Entry> want = table;
    want.insert(want.begin() + 4, {"New", 380, kToday});
    want.pop_back();
    EXPECT_EQ(e.file, FileText(TableFileOf(want)));
}

TEST_F(TopScoreFileTest, AScoreBelowAFullTableLeavesItAsItWas) {
    const std::vector<uint8_t> before = TableFileOf(FullTable(400, 10));
    folder.Write(kTable1, before);
    EXPECT_EQ(Enter("Low", 209).rank, -1);
    EXPECT_EQ(Enter("Tie", 210).rank, -1);  // equal to the 20th does not enter
    EXPECT_EQ(folder.Read(kTable1), before);
}

TEST_F(TopScoreFileTest, EmptyPlacesTakeAnyScore) {
    folder.Write(kTable1, TableFileOf({{"A", 300, "1/1/2026"},
                                       {"B", 200, "1/1/2026"},
                                       {"C", 100, "1/1/2026"},
                                       {"D", 50, "1/1/2026"},
                                       {"E", 10, "1/1/2026"}}));
    const Entered e = Enter("Neg", -7);
    EXPECT_EQ(e.rank, 6);
    EXPECT_EQ(e.file,
              " 1 |A         |   300|1/1/2026  |\n"
              " 2 |B         |   200|1/1/2026  |\n"
              " 3 |C         |   100|1/1/2026  |\n"
              " 4 |D         |    50|1/1/2026  |\n"
              " 5 |E         |    10|1/1/2026  |\n"
              " 6 |Neg       |    -7|3/7/2026  |\n"
              "7-20 empty\n"
              "tail 01 00 00 00\n");
}

// A short file from elsewhere: the places after its last record become empty entries, so
// the trailer is record 21 and no gap of zeros lies before it.
TEST_F(TopScoreFileTest, AShortFileIsFilledUpToTwentyEntries) {
    folder.Write(
        kTable1,
        RecordsOf({{"A", 300, "1/1/2026"}, {"B", 200, "1/1/2026"}, {"C", 100, "1/1/2026"}}));
    const Entered e = Enter("Dee", 90);
    EXPECT_EQ(e.rank, 4);
    EXPECT_EQ(e.file,
              " 1 |A         |   300|1/1/2026  |\n"
              " 2 |B         |   200|1/1/2026  |\n"
              " 3 |C         |   100|1/1/2026  |\n"
              " 4 |Dee       |    90|3/7/2026  |\n"
              "5-20 empty\n"
              "tail 01 00 00 00\n");
}

// A longer file from elsewhere: only its first 20 records are the table, so no entry ever
// ranks below 20, and the file is written back as a table of 20.
TEST_F(TopScoreFileTest, RecordsPastTheTableAreNoEntries) {
    std::vector<Entry> records = FullTable(400, 10);
    for (int32_t k = 21; k <= 30; ++k) records.push_back({"X" + std::to_string(k), 5, "1/1/2020"});
    folder.Write(kTable1, RecordsOf(records));
    const Entered e = Enter("Low", 100);
    EXPECT_EQ(e.rank, -1);
    EXPECT_EQ(e.file, FileText(TableFileOf(FullTable(400, 10))));
}

// The written table carries the hidden attribute alone: one made read-only elsewhere can be
// written again afterwards.
TEST_F(TopScoreFileTest, TheWrittenTableKeepsNoReadOnlyAttribute) {
    folder.Write(kTable1, TableFileOf({{"Ann", 250, "1/1/2026"}}));
    const fs::path file = folder / kTable1;
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(Enter("Bob", 300).rank, 1);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::owner_write);
}

TEST_F(TopScoreFileTest, AFailedWriteLeavesTheOldTableWhole) {
    const std::vector<uint8_t> before = TableFileOf({{"Ann", 250, "1/1/2026"}});
    folder.Write(kTable1, before);
    for (vb::ReplaceStep step : {vb::ReplaceStep::Write, vb::ReplaceStep::Rename}) {
        vb::SetReplaceFailureHook([step](vb::ReplaceStep s) { return s == step ? ENOSPC : 0; });
        try {
            topscores::EnterScore(topscores::FilePath(1), EntryOf("Bob", 300));
            ADD_FAILURE() << "no error raised";
        } catch (const vb::RuntimeError& error) {
            EXPECT_EQ(error.Number(), vb::errDiskFull);
        }
        vb::SetReplaceFailureHook({});
        EXPECT_EQ(folder.Read(kTable1), before);
    }
}

// A table of gigabytes (sparse here) is read no further than its 20 records and trailer,
// by the window and by the end of a game alike.
TEST_F(TopScoreFileTest, AHugeFileIsReadOnlyAsFarAsTheTable) {
    folder.Write(kTable1, TableFileOf({{"Ann", 250, "1/1/2026"}}));
    fs::resize_file(folder / kTable1, 8ull << 30);
    const auto table = topscores::ReadTable(topscores::FilePath(1));
    EXPECT_EQ(table[0].Score, 250);
    EXPECT_EQ(Enter("Bob", 300).rank, 1);
    EXPECT_EQ(fs::file_size(folder / kTable1), topscores::kFileLength);
}

TEST_F(TopScoreFileTest, TheWindowReadsTwentyPlacesTheMissingOnesEmpty) {
    folder.Write(kTable1, RecordsOf({{"Ann", 250, "1/1/2026"}}));
    const auto table = topscores::ReadTable(topscores::FilePath(1));
    ASSERT_EQ(table.size(), 20u);
    EXPECT_EQ(topscores::FieldText(table[0].Name), "Ann       ");
    EXPECT_EQ(table[0].Score, 250);
    EXPECT_EQ(table[1].Score, topscores::kEmptyScore);  // past the end of the file: empty
    EXPECT_EQ(topscores::FieldText(table[1].Name), "");
}

}  // namespace
