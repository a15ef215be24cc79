// The hint column: beside each row, what the dice on the table would score there now.

#include "game/frmTolvarin.h"
#include "platform/runtime/conversions.h"

// A row can be chosen now when one of its cell buttons is offered; only the next Down and
// Up rows and, after an announcement, only the announced Oblg row have one.
bool frmTolvarin::RowCanBeChosen(int32_t row) {
    return cmdDown(row).Visible() || cmdUp(row).Visible() || cmdRand(row).Visible() ||
           cmdOblg(row).Visible();
}

// The scorers run in value-only mode over the sorted dice; the dice go back to the order
// they were rolled in. A row worth nothing keeps whatever its hint label shows.
void frmTolvarin::ComputeHints() {
    hintPass = true;
    const Dice asRolled = diceValues;
    SortDice();
    for (int32_t row = 0; row < kSheetRows; ++row) {
        CallRowScorer(row);
        if (lastScore >= 1 && RowCanBeChosen(row)) lblTip(row).setCaption(vb::CStr(lastScore));
    }
    diceValues = asRolled;
    hintPass = false;
}
