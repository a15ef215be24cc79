// Undo and redo of the last placement, one level deep. Undo works from the snapshot that
// every placement leaves (the turn's dice and hold flags, the hints shown, the rolls used,
// the cell, the score written, the totals before it, the counter's digits and pictures) and
// takes the placed score off the cell's column and the grand total. Redo replays the
// column's click on the same row without sound and shows the counter's after-picture
// without counting again.

#include "game/frmTolvarin.h"
#include "platform/runtime/conversions.h"
#include "shell/Module1.h"
#include "shell/sound.h"

namespace {

using F = frmTolvarin;

double ValueOf(const vb::Label& label) { return vb::Val(label.Caption()); }

bool Filled(const vb::Label& cell) { return !cell.Caption().empty(); }

// Puts a saved picture of the score counter back on show.
void ShowCounterPicture(F& f, vb::PictureBox& saved) {
    f.CopyCounterPicture(saved, f.picScore);
    f.picScore.Refresh();
}

bool AnyFilled(const F::Labels& cells, int32_t first, int32_t last) {
    for (int32_t r = first; r <= last; ++r)
        if (Filled(cells(r))) return true;
    return false;
}

// A total is empty exactly while nothing stands behind it: the Sub Total while no upper
// cell is filled, the Column Total while no upper or lower cell is filled and the
// (Max-Min)xOnes line is open. So a total that comes back to 0 over filled cells shows "0",
// as it did before the placement, and a negative total keeps its exact value.
void WriteSubTotal(F::SheetColumn& col, double value) {
    const bool behind = AnyFilled(col.cells, rowOnes, rowSixes);
    col.subTotal.setCaption(value == 0 && !behind ? "" : vb::CStr(value));
}

void WriteColumnTotal(F::SheetColumn& col, double value) {
    const bool behind = AnyFilled(col.cells, rowOnes, rowSixes) ||
                        AnyFilled(col.cells, rowThreeOfAKind, rowTolvarin) ||
                        Filled(col.maxMinLine);
    col.columnTotal.setCaption(value == 0 && !behind ? "" : vb::CStr(value));
}

void LowerSubTotal(F::SheetColumn& col, int32_t s) {
    WriteSubTotal(col, ValueOf(col.subTotal) - s);
}

void LowerColumnTotal(F::SheetColumn& col, int32_t s) {
    WriteColumnTotal(col, ValueOf(col.columnTotal) - s);
}

// The upper bonus comes off with the cell that earned it. Rand and Oblg take it off only
// once per undo.
void BonusBack(F& f, int32_t column, F::SheetColumn& col) {
    const auto c = static_cast<size_t>(column);
    const bool freeOrder = column == colRand || column == colOblg;
    if (!f.bonusAwarded[c] || (freeOrder && f.undoBonusTaken)) return;
    col.subTotal.setCaption(vb::CStr(ValueOf(col.subTotal) - kUpperBonus));
    WriteColumnTotal(col, ValueOf(col.columnTotal) - kUpperBonus);
    f.grandTotal -= static_cast<int32_t>(kUpperBonus);
    f.bonusAwarded[c] = false;
    if (freeOrder) f.undoBonusTaken = true;
}

// "Ones" took the (Max-Min)xOnes line with it when it completed the line.
void RowZeroTotals(F& f, F::SheetColumn& col, int32_t s) {
    const double line = ValueOf(col.maxMinLine);
    col.maxMinLine.setCaption("");
    WriteColumnTotal(col, ValueOf(col.columnTotal) - line - s);
    f.grandTotal = vb::CLng(f.grandTotal - line - s);
}

// Max and Min count in the Column Total only through a completed line; an empty line was
// not complete, and nothing of it comes off.
void LineBack(F& f, F::SheetColumn& col) {
    if (!Filled(col.maxMinLine)) return;
    const double line = ValueOf(col.maxMinLine);
    col.maxMinLine.setCaption("");
    WriteColumnTotal(col, ValueOf(col.columnTotal) - line);
    f.grandTotal = vb::CLng(f.grandTotal - line);
}

// Down fills from the top and Up from the bottom, so their counters step back to the undone
// row; Rand and Oblg count their filled upper cells for the bonus.
int32_t UndoneRow(F& f, int32_t column) {
    switch (column) {
        case colDown:
            return --f.nextDownRow;
        case colUp:
            return ++f.nextUpRow;
        default:
            break;
    }
    if (f.selectedRow <= rowSixes) {
        int32_t& filled = column == colRand ? f.randUpperFilled : f.oblgUpperFilled;
        filled -= 1;
    }
    return f.selectedRow;
}

// Where a placement could have earned the upper bonus: Down at "Sixes", Up at "Ones", Rand
// and Oblg at whichever upper cell completed the section.
bool BonusCanStand(int32_t column, int32_t row) {
    if (column == colDown) return row == rowSixes;
    if (column == colUp) return row == rowOnes;
    return row <= rowSixes;
}

// Takes the placed score s off cell r of the column and its totals.
void UndoColumn(F& f, int32_t column, int32_t s) {
    const int32_t r = UndoneRow(f, column);
    if (r < rowOnes || r > rowTolvarin) return;  // no placement of this board to take back
    F::SheetColumn col = f.Column(column);
    col.cells(r).setCaption("");
    if (r == rowMax || r == rowMin) {
        LineBack(f, col);
        return;
    }
    if (r > rowSixes) {
        LowerColumnTotal(col, s);
        f.grandTotal -= s;
        return;
    }
    LowerSubTotal(col, s);
    if (BonusCanStand(column, r)) BonusBack(f, column, col);
    if (r == rowOnes) {
        RowZeroTotals(f, col, s);
        return;
    }
    LowerColumnTotal(col, s);
    f.grandTotal -= s;
}

// The lamps of the rolls the undone turn used are lit again.
void ShowLampsOfUndoneTurn(F& f) {
    if (f.lastTurnRolls < 1 || f.lastTurnRolls > kRollsPerTurn) return;
    f.LightRollLamps(f.lastTurnRolls);
}

// With hints always on, the values shown when the score was placed come back; a roll since
// the last undo means the snapshot is newer than the values kept.
void ShowUndoneHints(F& f) {
    if (!Module1::HintsAlwaysSetting) return;
    if (f.rolledSinceUndo) {
        f.undoTipValues = f.savedTips;
        f.rolledSinceUndo = false;
    }
    for (int16_t row = 0; row < kSheetRows; ++row)
        if (f.undoTipValues[row] > 0) f.lblTip(row).setCaption(vb::CStr(f.undoTipValues[row]));
}

void RestoreTurnState(F& f) {
    if (!f.announcedThisTurn) f.rollNumber = f.lastTurnRolls;
    if (!f.announcedThisTurn && f.hideAnnounceButtons) {  // an Oblg placement is taken back
        f.hideAnnounceButtons = false;
        f.lastWasAnnounced = true;
    }
    if (f.hideAnnounceButtons) f.rollNumber = f.lastTurnRolls;
    if (f.roundIndex > 0 && !f.announcedThisTurn) f.roundIndex -= 1;
    if (f.rollNumber == kRollsPerTurn) {
        f.SetRollAreaEnabled(false);
        f.StatusBar1.Panels(2).setText("Place your score");
    } else {
        f.StatusBar1.Panels(2).setText("Place your score or roll the dice");
    }
}

// The dice come back as they lay; after a three-roll turn they stay as the placement left
// them, free and disabled, since no roll is left.
void RestoreDice(F& f) {
    const auto last = static_cast<size_t>(Module1::LastDieIndex);
    for (size_t i = 0; i <= last; ++i) f.diceValues[i] = f.savedDiceValues[i];
    if (f.rollNumber >= kRollsPerTurn && !f.hideAnnounceButtons && !f.announcedThisTurn) return;
    for (int16_t i = 0; i <= static_cast<int16_t>(last); ++i) {
        const bool free = f.savedDiceToRoll[static_cast<size_t>(i)];
        Module1::DiceToRoll[static_cast<size_t>(i)] = free;
        f.picDice(i).setEnabled(true);
        f.PicDiceOff(i).setEnabled(true);
        f.picDice(i).setVisible(free);
        f.PicDiceOff(i).setVisible(!free);
    }
}

void Offer(vb::CommandButton& button) {
    button.setVisible(true);
    button.setEnabled(true);
}

void OfferEmptyCells(F::SheetColumn col) {
    for (int32_t row = 0; row < kSheetRows; ++row)
        if (!Filled(col.cells(row))) Offer(col.buttons(row));
}

// The cells of the turn are offered again. After a one-roll turn, or when an announcement
// is taken back, the player may announce instead, so the empty Oblg cells come back and the
// announcement is cancelled. An Oblg cell placed after two rolls is offered alone.
void OfferCellsAgain(F& f) {
    const bool fourColumns = Module1::NumColumns == 4;
    if (!f.announceKeptForUndo) {
        if (fourColumns && f.nextDownRow <= 12) Offer(f.cmdDown(f.nextDownRow));
        if (fourColumns && f.nextUpRow >= 0) Offer(f.cmdUp(f.nextUpRow));
        OfferEmptyCells(f.Column(colRand));
    }
    if (fourColumns && (f.announcedThisTurn || f.hideAnnounceButtons || f.rollNumber == 1)) {
        OfferEmptyCells(f.Column(colOblg));
        f.SetRollAreaEnabled(true);
        f.announcedThisTurn = false;
    }
    if (f.announceKeptForUndo) Offer(f.cmdOblg(f.selectedRow));
}

// The first player's total stands on the left, whichever player is at the board (the
// player flags say which, also when both players have the same name).
void ShowPlayersTotals(F& f) {
    if (Module1::NumPlayers == 2) f.ShowTotalsInStatus();
}

// A placement that lowered the grand total (a negative (Max-Min)xOnes line), or totals
// below zero: the grand total goes back to its value before the placement, and the column
// total is summed afresh from the column's cells.
void FixGrandTotal(F& f, int32_t keptGrandTotal, int32_t keptColumn) {
    const bool lowered = keptGrandTotal < f.prevGrandTotal;
    if (!lowered && keptGrandTotal >= 0 && f.prevGrandTotal >= 0) return;
    f.grandTotal = f.prevGrandTotal;
    f.prevGrandTotal = f.prevPrevGrandTotal;
    if (!IsColumnCode(keptColumn)) return;
    F::SheetColumn col = f.Column(keptColumn);
    double total = ValueOf(col.subTotal) + ValueOf(col.maxMinLine);
    for (int32_t r = rowThreeOfAKind; r <= rowTolvarin; ++r) total += ValueOf(col.cells(r));
    WriteColumnTotal(col, total);
}

// The counter shows the total of before the placement again. A count still waiting for its
// timer has drawn nothing yet: it is called off, and the picture and digits stay.
void UndoCounter(F& f, bool announcement) {
    const bool countPending = f.tmrCounter.Enabled();
    f.tmrCounter.setEnabled(false);
    f.undoCalledOffCount = countPending && !announcement;
    if (!f.counterFinished && !countPending) {
        f.counterDigits = f.counterDigitsStart;
        f.counterDigitCount = f.counterDigitCountStart;
    }
    f.counterFinished = false;
    f.skipNextCount = false;
    if (!announcement && !countPending) ShowCounterPicture(f, f.picBuffer(1));
}

// The counter shows the total after the placement again, without counting.
void RedoCounter(F& f) {
    if (!f.counterFinished) {
        f.counterDigits = f.counterDigitsEnd;
        f.counterDigitCount = f.counterDigitCountEnd;
    }
    ShowCounterPicture(f, f.picBuffer(0));
}

void Replay(F& f, int32_t column, int16_t row) {
    switch (column) {
        case colDown:
            f.cmdDown_Click(row);
            break;
        case colUp:
            f.cmdUp_Click(row);
            break;
        case colRand:
            f.cmdRand_Click(row);
            break;
        case colOblg:
            f.cmdOblg_Click(row);
            break;
        default:
            break;
    }
}

// Undo and redo end with the board: once EndGame has entered it into a table, taking a
// placement back would let it be entered twice.
bool UndoRedoClosed(const F& f) { return f.ShownBoardEntered(); }

}  // namespace

void frmTolvarin::mnuUndoUndo_Click() {
    if (UndoRedoClosed(*this) || !IsColumnCode(selectedColumn)) return;
    const int32_t keptGrandTotal = grandTotal;
    const int32_t keptColumn = selectedColumn;
    const bool announcement = keptColumn == colOblg && announcedThisTurn;
    hintAvailable = !hintAvailable;
    cmdNextPlayer.setVisible(false);  // the turn stays with the player at the board
    undoBonusTaken = false;
    OfferUndo(false);
    ShowLampsOfUndoneTurn(*this);
    ShowUndoneHints(*this);
    RestoreTurnState(*this);
    RestoreDice(*this);
    if (announcement)
        lastWasAnnounced = false;  // redo announces again and places nothing
    else
        UndoColumn(*this, keptColumn, placedScore);
    OfferCellsAgain(*this);
    redoColumn = selectedColumn;
    selectedColumn = 0;
    OfferRedo(true);
    if (Module1::SoundsOn) Module1::PlayWave("undo");
    ShowPlayersTotals(*this);
    UndoCounter(*this, announcement);
    if (!announcement) FixGrandTotal(*this, keptGrandTotal, keptColumn);
}

// An Oblg placement taken back after its announcement is replayed in two clicks, announce
// and place; a placement after two rolls, and an announcement, in one. The counter shows the
// picture its count left, without counting again, unless undo called that count off.
void frmTolvarin::mnuUndoRedo_Click() {
    if (UndoRedoClosed(*this)) return;
    OfferRedo(false);
    if (!IsColumnCode(redoColumn)) return;  // nothing was taken back in this game
    const bool countAgain = undoCalledOffCount;
    hintAvailable = !hintAvailable;
    if (Module1::NumPlayers == 2 && announceKeptForUndo) cmdNextPlayer.setVisible(true);
    Module1::SuppressSounds = true;
    skipNextCount = !countAgain;
    const auto row = static_cast<int16_t>(selectedRow);
    Replay(*this, redoColumn, row);
    if (redoColumn == colOblg && !lastWasAnnounced) {
        if (Module1::SoundsOn) Module1::PlayWave("redo");
        if (announceKeptForUndo && !countAgain)
            ShowCounterPicture(*this, picBuffer(0));
        else
            skipNextCount = false;
        return;
    }
    if (redoColumn == colOblg) {
        Module1::SuppressSounds = true;
        skipNextCount = !countAgain;
        cmdOblg_Click(row);
    }
    if (Module1::SoundsOn) Module1::PlayWave("redo");
    if (!UndoRedoClosed(*this)) OfferUndo(true);
    if (!countAgain) RedoCounter(*this);
}
