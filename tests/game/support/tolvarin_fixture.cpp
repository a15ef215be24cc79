#include "game/support/tolvarin_fixture.h"

#include <sstream>

const char* const kEmptySheet =
    "                 Down    Up  Rand  Oblg  Hint\n"
    "Ones                .     .     .     .     .\n"
    "Twos                .     .     .     .     .\n"
    "Threes              .     .     .     .     .\n"
    "Fours               .     .     .     .     .\n"
    "Fives               .     .     .     .     .\n"
    "Sixes               .     .     .     .     .\n"
    "Max                 .     .     .     .     .\n"
    "Min                 .     .     .     .     .\n"
    "3 of a Kind         .     .     .     .     .\n"
    "Full House          .     .     .     .     .\n"
    "Straight            .     .     .     .     .\n"
    "4 of a Kind         .     .     .     .     .\n"
    "Tolvarin            .     .     .     .     .\n"
    "Sub Total           .     .     .     .\n"
    "(Max-Min)xOnes      .     .     .     .\n"
    "Column Total        .     .     .     .\n"
    "Grand Total         0\n";

std::vector<int32_t> TolvarinTest::Faces(const std::string& dice) {
    std::istringstream in(dice);
    std::vector<int32_t> faces;
    for (int32_t face = 0; in >> face;) faces.push_back(face);
    return faces;
}

void TolvarinTest::Throw(const std::string& dice) {
    const std::vector<int32_t> faces = Faces(dice);
    Module1::LastDieIndex = static_cast<int32_t>(faces.size()) - 1;
    for (size_t i = 0; i < faces.size(); ++i) form.diceValues[i] = faces[i];
}

void TolvarinTest::Place(int32_t column, int32_t row, const std::string& dice) {
    Throw(dice);
    form.selectedColumn = column;
    form.selectedRow = row;
    form.CallRowScorer(row);
    form.ApplyDownUpBonus(column, row);
    form.UpdateGrandTotal(Module1::NumColumns != 4);
}

void TolvarinTest::HideAllCellButtons() {
    for (int32_t code = colDown; code <= colOblg; ++code)
        for (int32_t row = 0; row < kSheetRows; ++row)
            form.Column(code).buttons(row).setVisible(false);
}
