// Writing a placed score into the sheet: the cell, then the column's Sub Total,
// (Max-Min)xOnes line and Column Total, and the upper bonus. Every total is read back from
// its caption, changed in double precision and written as the text of a whole number.

#include "game/frmTolvarin.h"
#include "platform/runtime/conversions.h"

namespace {

bool Filled(const vb::Label& cell) { return !cell.Caption().empty(); }

double ValueOf(const vb::Label& label) { return vb::Val(label.Caption()); }

}  // namespace

const std::array<frmTolvarin::SheetColumnMembers, 4> frmTolvarin::kSheetColumns{{
    {&frmTolvarin::lblDown, &frmTolvarin::cmdDown, &frmTolvarin::lblDownTot1,
     &frmTolvarin::lblDownTot2, &frmTolvarin::lblDownTot},
    {&frmTolvarin::lblUp, &frmTolvarin::cmdUp, &frmTolvarin::lblUpTot1, &frmTolvarin::lblUpTot2,
     &frmTolvarin::lblUpTot},
    {&frmTolvarin::lblRand, &frmTolvarin::cmdRand, &frmTolvarin::lblRandTot1,
     &frmTolvarin::lblRandTot2, &frmTolvarin::lblRandTot},
    {&frmTolvarin::lblOblg, &frmTolvarin::cmdOblg, &frmTolvarin::lblOblgTot1,
     &frmTolvarin::lblOblgTot2, &frmTolvarin::lblOblgTot},
}};

frmTolvarin::SheetColumn frmTolvarin::Column(int32_t code) {
    const SheetColumnMembers& m = kSheetColumns.at(static_cast<size_t>(code - 1));
    return {this->*m.cells, this->*m.buttons, this->*m.subTotal, this->*m.maxMinLine,
            this->*m.columnTotal};
}

void frmTolvarin::AddToTotal(vb::Label& total, double amount) {
    total.setCaption(vb::CStr(ValueOf(total) + amount));
}

// The (Max-Min)xOnes line is written once, by whichever of the cells 0, 6 and 7 is filled
// last; it counts in the Column Total from then on.
void frmTolvarin::CompleteMaxMinLine(SheetColumn& col) {
    const double line =
        (ValueOf(col.cells(rowMax)) - ValueOf(col.cells(rowMin))) * ValueOf(col.cells(rowOnes));
    col.maxMinLine.setCaption(vb::CStr(line));
    AddToTotal(col.columnTotal, ValueOf(col.maxMinLine));
}

void frmTolvarin::AwardUpperBonus(int32_t column) {
    SheetColumn col = Column(column);
    AddToTotal(col.subTotal, kUpperBonus);
    AddToTotal(col.columnTotal, kUpperBonus);
    bonusAwarded[static_cast<size_t>(column)] = true;
}

// Rand and Oblg fill their upper cells in any order, so they count them and decide the
// bonus when the sixth is filled.
void frmTolvarin::StepRandOblgBonus() {
    if (bonusAwarded[static_cast<size_t>(selectedColumn)]) return;
    int32_t& filled = selectedColumn == colRand ? randUpperFilled : oblgUpperFilled;
    filled += 1;
    if (ValueOf(Column(selectedColumn).subTotal) >= kBonusThreshold && filled == kUpperRows)
        AwardUpperBonus(selectedColumn);
}

void frmTolvarin::WriteNumberRow(int32_t s) {
    if (!IsColumnCode(selectedColumn)) return;
    SheetColumn col = Column(selectedColumn);
    col.cells(selectedRow).setCaption(vb::CStr(s));
    placedScore = s;
    AddToTotal(col.subTotal, s);
    // Up fills "Ones" last of all; Rand and Oblg complete the line only when Max and Min
    // are already there. Down completes it at "Min".
    const bool upOnes = selectedColumn == colUp && selectedRow == rowOnes;
    const bool freeOnes = (selectedColumn == colRand || selectedColumn == colOblg) &&
                          selectedRow == rowOnes && Filled(col.cells(rowMax)) &&
                          Filled(col.cells(rowMin));
    if (upOnes || freeOnes) CompleteMaxMinLine(col);
    AddToTotal(col.columnTotal, s);
    if (selectedColumn == colRand || selectedColumn == colOblg) StepRandOblgBonus();
}

void frmTolvarin::WriteMaxRow(int32_t s) {
    if (!IsColumnCode(selectedColumn)) return;
    SheetColumn col = Column(selectedColumn);
    col.cells(rowMax).setCaption(vb::CStr(s));
    placedScore = s;
    const bool freeOrder = selectedColumn == colRand || selectedColumn == colOblg;
    if (freeOrder && Filled(col.cells(rowOnes)) && Filled(col.cells(rowMin)))
        CompleteMaxMinLine(col);
}

void frmTolvarin::WriteMinRow(int32_t s) {
    if (!IsColumnCode(selectedColumn)) return;
    SheetColumn col = Column(selectedColumn);
    col.cells(rowMin).setCaption(vb::CStr(s));
    placedScore = s;
    const bool freeOrder = selectedColumn == colRand || selectedColumn == colOblg;
    if (selectedColumn == colDown ||
        (freeOrder && Filled(col.cells(rowOnes)) && Filled(col.cells(rowMax))))
        CompleteMaxMinLine(col);
}

void frmTolvarin::WriteLowerRow(int32_t s) {
    if (!IsColumnCode(selectedColumn)) return;
    SheetColumn col = Column(selectedColumn);
    col.cells(selectedRow).setCaption(vb::CStr(s));
    placedScore = s;
    AddToTotal(col.columnTotal, s);
}

// An Oblg placement sets hideAnnounceButtons before it scores, so only a real placement
// counts in the Oblg total.
void frmTolvarin::WriteFiveOfAKindRow(int32_t s) {
    if (!IsColumnCode(selectedColumn)) return;
    SheetColumn col = Column(selectedColumn);
    col.cells(selectedRow).setCaption(vb::CStr(s));
    placedScore = s;
    if (selectedColumn != colOblg || hideAnnounceButtons) AddToTotal(col.columnTotal, s);
}

void frmTolvarin::ApplyDownUpBonus(int32_t column, int32_t row) {
    const bool lastUpperRow =
        (column == colDown && row == rowSixes) || (column == colUp && row == rowOnes);
    if (!lastUpperRow) return;
    if (ValueOf(Column(column).subTotal) >= kBonusThreshold) AwardUpperBonus(column);
}

void frmTolvarin::UpdateGrandTotal(bool oneColumn) {
    prevPrevGrandTotal = prevGrandTotal;
    prevGrandTotal = grandTotal;
    const double sum = oneColumn ? ValueOf(lblRandTot)
                                 : ValueOf(lblDownTot) + ValueOf(lblUpTot) + ValueOf(lblRandTot) +
                                       ValueOf(lblOblgTot);
    grandTotal = vb::CLng(sum);
}
