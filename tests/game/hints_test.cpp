// The hint column: what the dice would score in each row that can be chosen now.

#include "game/support/tolvarin_fixture.h"

namespace {

struct Offer {
    int32_t column;
    int32_t row;  // -1: every row of the column
};

struct HintCase {
    const char* dice;  // as rolled
    std::vector<Offer> offered;
    const char* hints;  // rows 0 to 12, "." for an empty hint label
};

const HintCase kHintCases[] = {
    {"5 3 5 3 3", {{colRand, -1}}, ". . 9 . 10 . 19 19 29 39 . . ."},
    {"5 3 5 3 3", {{colDown, 0}}, ". . . . . . . . . . . . ."},
    // Next Down and Up rows only: "Threes" is worth nothing, "Tolvarin" is open in Up.
    {"6 1 6 6 6 6", {{colDown, 2}, {colUp, 12}}, ". . . . . . . . . . . . 100"},
    // After an announcement only the announced Oblg row is offered.
    {"2 5 2 5 5", {{colOblg, 9}}, ". . . . . . . . . 39 . . ."},
    // A straight found by setting a duplicate aside.
    {"3 6 2 5 3 4", {{colOblg, -1}}, ". 2 6 4 5 6 21 17 . . 60 . ."},
};

class HintsTest : public TolvarinTest, public testing::WithParamInterface<HintCase> {
protected:
    std::string HintColumn() {
        std::string text;
        for (int32_t row = 0; row < kSheetRows; ++row) {
            const std::string& caption = form.lblTip(row).Caption();
            text += (row ? " " : "") + (caption.empty() ? std::string(".") : caption);
        }
        return text;
    }
};

TEST_P(HintsTest, ShowTheValueOfEveryRowThatCanBeChosen) {
    const HintCase& c = GetParam();
    HideAllCellButtons();
    for (const Offer& o : c.offered) {
        for (int32_t row = 0; row < kSheetRows; ++row)
            if (o.row < 0 || o.row == row) form.Column(o.column).buttons(row).setVisible(true);
    }
    Throw(c.dice);
    const frmTolvarin::Dice rolled = form.diceValues;
    form.ComputeHints();
    EXPECT_EQ(HintColumn(), c.hints);
    EXPECT_EQ(form.diceValues, rolled) << "the dice keep the order they were rolled in";
    EXPECT_FALSE(form.hintPass);
    EXPECT_EQ(form.lastScore, form.lblTip(rowTolvarin).Caption().empty() ? 0 : 100);
}

INSTANTIATE_TEST_SUITE_P(Rolls, HintsTest, testing::ValuesIn(kHintCases));

using HintPassTest = TolvarinTest;

// Filled rows get no hint; a row worth nothing keeps what its label showed; no cell or
// total changes.
TEST_F(HintPassTest, WritesOnlyHintLabels) {
    HideAllCellButtons();
    for (int32_t row = 0; row < kSheetRows; ++row) form.cmdRand(row).setVisible(true);
    Place(colRand, rowThreeOfAKind, "2 5 2 4 2");
    form.cmdRand(rowThreeOfAKind).setVisible(false);
    form.lblTip(rowOnes).setCaption("7");
    Throw("6 6 6 6 6");
    form.ComputeHints();
    EXPECT_EQ(SheetText(form),
              "                 Down    Up  Rand  Oblg  Hint\n"
              "Ones                .     .     .     .     7\n"
              "Twos                .     .     .     .     .\n"
              "Threes              .     .     .     .     .\n"
              "Fours               .     .     .     .     .\n"
              "Fives               .     .     .     .     .\n"
              "Sixes               .     .     .     .    30\n"
              "Max                 .     .     .     .    30\n"
              "Min                 .     .     .     .    30\n"
              "3 of a Kind         .     .    25     .     .\n"
              "Full House          .     .     .     .     .\n"
              "Straight            .     .     .     .     .\n"
              "4 of a Kind         .     .     .     .    60\n"
              "Tolvarin            .     .     .     .   100\n"
              "Sub Total           .     .     .     .\n"
              "(Max-Min)xOnes      .     .     .     .\n"
              "Column Total        .     .    25     .\n"
              "Grand Total        25\n");
}

}  // namespace
