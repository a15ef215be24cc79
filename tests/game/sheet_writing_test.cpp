// Writing a placed score: the cell, the column's totals, the upper bonus and the grand
// total, checked through the window's own captions.

#include <array>

#include "game/support/tolvarin_fixture.h"

namespace {

using SheetWritingTest = TolvarinTest;

struct Step {
    int32_t row;
    const char* dice;
};

TEST_F(SheetWritingTest, DownEarnsItsBonusAtSixes) {
    const Step steps[] = {
        {0, "1 1 1 4 5"}, {1, "2 2 2 4 5"}, {2, "3 3 3 3 5"}, {3, "4 4 4 4 5"}, {4, "5 5 5 4 6"}};
    for (const Step& s : steps) Place(colDown, s.row, s.dice);
    Throw("6 6 1 2 3");
    form.selectedRow = rowSixes;
    form.CallRowScorer(rowSixes);
    EXPECT_EQ(form.lblDownTot1.Caption(), "64") << "before the bonus";
    form.ApplyDownUpBonus(colDown, rowSixes);
    form.UpdateGrandTotal(false);
    EXPECT_TRUE(form.bonusAwarded[colDown]);
    EXPECT_EQ(form.lblDownTot1.Caption(), "99");
    EXPECT_EQ(form.lblDownTot.Caption(), "99");
    EXPECT_EQ(form.lblDownTot2.Caption(), "") << "Max and Min are still open";
    EXPECT_EQ(form.grandTotal, 99);
    EXPECT_EQ(form.prevGrandTotal, 52);
}

TEST_F(SheetWritingTest, UpWritesOnesLineTotalThenBonus) {
    const Step steps[] = {{7, "1 1 1 2 2"}, {6, "4 6 6 6 6"}, {5, "6 6 6 6 1"}, {4, "5 5 5 5 1"},
                          {3, "4 4 4 4 1"}, {2, "3 3 1 2 4"}, {1, "2 2 1 3 6"}, {0, "1 1 3 4 5"}};
    for (const Step& s : steps) Place(colUp, s.row, s.dice);
    EXPECT_EQ(SheetText(form),
              "                 Down    Up  Rand  Oblg  Hint\n"
              "Ones                .     2     .     .     .\n"
              "Twos                .     4     .     .     .\n"
              "Threes              .     6     .     .     .\n"
              "Fours               .    16     .     .     .\n"
              "Fives               .    20     .     .     .\n"
              "Sixes               .    24     .     .     .\n"
              "Max                 .    28     .     .     .\n"
              "Min                 .     7     .     .     .\n"
              "3 of a Kind         .     .     .     .     .\n"
              "Full House          .     .     .     .     .\n"
              "Straight            .     .     .     .     .\n"
              "4 of a Kind         .     .     .     .     .\n"
              "Tolvarin            .     .     .     .     .\n"
              "Sub Total           .   107     .     .\n"
              "(Max-Min)xOnes      .    42     .     .\n"
              "Column Total        .   149     .     .\n"
              "Grand Total       149\n");
    EXPECT_TRUE(form.bonusAwarded[colUp]);
}

// ---- The upper bonus in each column ----

struct BonusCase {
    int32_t column;
    std::array<int32_t, 6> rows;  // the column's fill order; the last decides
    const char* ones;             // the dice placed in "Ones"
    const char* subTotal;
    bool bonus;
};

// The other upper rows score 6 + 9 + 12 + 15 + 18 = 60; "Ones" brings 3 or 2.
const BonusCase kBonusCases[] = {
    {colDown, {0, 1, 2, 3, 4, 5}, "1 1 1 2 3", "98", true},
    {colDown, {0, 1, 2, 3, 4, 5}, "1 1 2 2 3", "62", false},
    {colUp, {5, 4, 3, 2, 1, 0}, "1 1 1 2 3", "98", true},
    {colUp, {5, 4, 3, 2, 1, 0}, "1 1 2 2 3", "62", false},
    {colRand, {0, 1, 2, 3, 4, 5}, "1 1 1 2 3", "98", true},
    {colRand, {2, 0, 5, 1, 4, 3}, "1 1 2 2 3", "62", false},
    {colOblg, {5, 4, 3, 2, 1, 0}, "1 1 1 2 3", "98", true},
    {colOblg, {3, 1, 0, 2, 5, 4}, "1 1 2 2 3", "62", false},
};

class UpperBonusTest : public TolvarinTest, public testing::WithParamInterface<BonusCase> {};

TEST_P(UpperBonusTest, SixtyThreeEarnsThirtyFiveAndSixtyTwoNothing) {
    const BonusCase& c = GetParam();
    const char* const dice[6] = {c.ones,      "2 2 2 4 5", "3 3 3 4 5",
                                 "4 4 4 5 6", "5 5 5 4 6", "6 6 6 4 5"};
    for (int32_t row : c.rows) Place(c.column, row, dice[row]);
    const frmTolvarin::SheetColumn col = form.Column(c.column);
    EXPECT_EQ(col.subTotal.Caption(), c.subTotal);
    EXPECT_EQ(col.columnTotal.Caption(), c.subTotal);
    EXPECT_EQ(form.bonusAwarded[static_cast<size_t>(c.column)], c.bonus);
    EXPECT_EQ(form.grandTotal, c.bonus ? 98 : 62);
}

INSTANTIATE_TEST_SUITE_P(EveryColumn, UpperBonusTest, testing::ValuesIn(kBonusCases));

class RandOblgBonusTest : public TolvarinTest, public testing::WithParamInterface<int32_t> {};

TEST_P(RandOblgBonusTest, WaitsForTheSixthUpperCellEvenAZero) {
    const int32_t column = GetParam();
    const Step steps[] = {
        {5, "6 6 6 6 6"}, {4, "5 5 5 5 5"}, {3, "4 4 1 2 3"}, {2, "3 1 2 4 5"}, {1, "2 1 3 4 6"}};
    for (const Step& s : steps) Place(column, s.row, s.dice);
    const frmTolvarin::SheetColumn col = form.Column(column);
    EXPECT_EQ(col.subTotal.Caption(), "68");
    EXPECT_FALSE(form.bonusAwarded[static_cast<size_t>(column)]);

    Place(column, rowOnes, "2 3 4 5 6");
    EXPECT_EQ(col.cells(rowOnes).Caption(), "0");
    EXPECT_EQ(col.subTotal.Caption(), "103");
    EXPECT_EQ(col.columnTotal.Caption(), "103");
    EXPECT_EQ(col.maxMinLine.Caption(), "") << "Max and Min are still open";
    EXPECT_TRUE(form.bonusAwarded[static_cast<size_t>(column)]);
    EXPECT_EQ(column == colRand ? form.randUpperFilled : form.oblgUpperFilled, 6);
}

INSTANTIATE_TEST_SUITE_P(RandAndOblg, RandOblgBonusTest, testing::Values(colRand, colOblg));

// ---- The (Max-Min)xOnes line ----

struct LineCase {
    int32_t column;
    std::array<Step, 3> steps;  // the last one completes the line
    const char* line;
    const char* subTotal;
    const char* total;
};

constexpr Step kOnes2{0, "1 3 1 6 4"}, kMax12{6, "4 1 2 4 1"}, kMin20{7, "4 4 4 4 4"};
constexpr Step kOnes3{0, "1 1 1 4 6"}, kOnes0{0, "2 3 4 5 6"}, kMax25{6, "5 5 5 5 5"},
    kMin10{7, "2 2 2 2 2"};

const LineCase kLineCases[] = {
    // Max 12 below Min 20: the line is negative, in every column's fill order.
    {colDown, {kOnes2, kMax12, kMin20}, "-16", "2", "-14"},
    {colUp, {kMin20, kMax12, kOnes2}, "-16", "2", "-14"},
    {colRand, {kMax12, kMin20, kOnes2}, "-16", "2", "-14"},
    {colOblg, {kOnes2, kMin20, kMax12}, "-16", "2", "-14"},
    {colRand, {kMax25, kMin10, kOnes3}, "45", "3", "48"},
    {colOblg, {kMin10, kOnes3, kMax25}, "45", "3", "48"},
    // "Ones" 0 still writes the line.
    {colRand, {kMax25, kMin10, kOnes0}, "0", "0", "0"},
};

class MaxMinLineTest : public TolvarinTest, public testing::WithParamInterface<LineCase> {};

TEST_P(MaxMinLineTest, IsWrittenOnceByTheLastOfItsThreeCells) {
    const LineCase& c = GetParam();
    const frmTolvarin::SheetColumn col = form.Column(c.column);
    for (size_t i = 0; i < 2; ++i) {
        Place(c.column, c.steps[i].row, c.steps[i].dice);
        EXPECT_EQ(col.maxMinLine.Caption(), "") << "after step " << i;
    }
    const std::string totalBefore = col.columnTotal.Caption();
    EXPECT_TRUE(totalBefore.empty() || totalBefore == c.subTotal)
        << "Max and Min add nothing by themselves: " << totalBefore;
    Place(c.column, c.steps[2].row, c.steps[2].dice);
    EXPECT_EQ(col.maxMinLine.Caption(), c.line);
    EXPECT_EQ(col.subTotal.Caption(), c.subTotal);
    EXPECT_EQ(col.columnTotal.Caption(), c.total);
    EXPECT_EQ(form.grandTotal, std::stoi(c.total));
}

INSTANTIATE_TEST_SUITE_P(EveryColumn, MaxMinLineTest, testing::ValuesIn(kLineCases));

// ---- Five of a kind in Oblg ----

struct OblgTolvarinCase {
    bool placing;  // hideAnnounceButtons: the Oblg placement sets it before scoring
    const char* dice;
    const char* cell;
    const char* total;
};

const OblgTolvarinCase kOblgTolvarinCases[] = {
    {true, "4 4 4 4 4", "100", "100"},
    {true, "4 4 4 4 3", "0", "0"},
    {false, "4 4 4 4 4", "100", ""},
};

class OblgTolvarinTest : public TolvarinTest,
                         public testing::WithParamInterface<OblgTolvarinCase> {};

TEST_P(OblgTolvarinTest, CountsInTheTotalOnlyWhenPlaced) {
    const OblgTolvarinCase& c = GetParam();
    form.hideAnnounceButtons = c.placing;
    Place(colOblg, rowTolvarin, c.dice);
    EXPECT_EQ(form.lblOblg(rowTolvarin).Caption(), c.cell);
    EXPECT_EQ(form.lblOblgTot.Caption(), c.total);
}

INSTANTIATE_TEST_SUITE_P(Oblg, OblgTolvarinTest, testing::ValuesIn(kOblgTolvarinCases));

// ---- Grand total ----

TEST_F(SheetWritingTest, GrandTotalSumsTheColumnsOrRandAlone) {
    form.lblDownTot.setCaption("50");
    form.lblUpTot.setCaption("-14");
    form.lblRandTot.setCaption("30");
    form.lblOblgTot.setCaption("");
    form.UpdateGrandTotal(true);
    EXPECT_EQ(form.grandTotal, 30) << "one column";
    form.UpdateGrandTotal(false);
    EXPECT_EQ(form.grandTotal, 66);
    form.lblOblgTot.setCaption("4");
    form.UpdateGrandTotal(false);
    EXPECT_EQ(form.grandTotal, 70);
    EXPECT_EQ(form.prevGrandTotal, 66);
    EXPECT_EQ(form.prevPrevGrandTotal, 30);
}

TEST_F(SheetWritingTest, WithoutAColumnOnlyTheValueIsComputed) {
    const std::string fresh = SheetText(form);
    for (int32_t column : {0, 5}) {
        for (int32_t row = 0; row < kSheetRows; ++row) {
            Throw("6 6 6 6 6");
            form.selectedColumn = column;
            form.selectedRow = row;
            form.CallRowScorer(row);
        }
    }
    EXPECT_EQ(form.lastScore, 100);
    EXPECT_EQ(form.placedScore, 0);
    EXPECT_EQ(SheetText(form), fresh);
}

// A hint pass between a placement and its undo scores the new dice in every row; the score
// the placement wrote is kept apart for undo.
TEST_F(SheetWritingTest, HintPassKeepsThePlacedScore) {
    Place(colRand, 2, "3 5 3 5 3");
    EXPECT_EQ(form.placedScore, 9);
    Throw("6 6 6 6 6");
    form.ComputeHints();
    EXPECT_EQ(form.lastScore, 100) << "the five-of-a-kind row is scored last";
    EXPECT_EQ(form.placedScore, 9);
}

}  // namespace
