#include "game/support/tolvarin_fixture.h"

#include <sstream>

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
