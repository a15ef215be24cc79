// Placing a score in Down, Up and Rand: a click on a cell button scores the dice into that
// cell, updates the totals, ends the turn, and at the board's last cell ends the game or asks
// whether to finish. Redo replays these handlers with the sounds suppressed.

#include <cstdint>
#include <string>

#include "dialogs/frmEndGame.h"
#include "game/frmTolvarin.h"
#include "platform/runtime/conversions.h"
#include "shell/Module1.h"
#include "shell/sound.h"

namespace {

bool OneColumn() { return Module1::NumColumns != 4; }

bool TwoPlayers() { return Module1::NumPlayers == 2; }

}  // namespace

void frmTolvarin::cmdDown_Click(int16_t Index) { PlaceScore(colDown, Index); }

void frmTolvarin::cmdUp_Click(int16_t Index) { PlaceScore(colUp, Index); }

void frmTolvarin::cmdRand_Click(int16_t Index) { PlaceScore(colRand, Index); }

void frmTolvarin::PlaceScore(int32_t column, int16_t Index) {
    SheetColumn col = Column(column);
    // A filled cell keeps its score; undo empties a cell before redo places it again.
    if (!col.cells(Index).Caption().empty()) return;
    selectedColumn = column;
    selectedRow = Index;
    SaveAndClearTips();
    col.buttons(Index).setVisible(false);
    ResetTurn();
    CallRowScorer(Index);
    ApplyDownUpBonus(column, Index);
    const bool oneColumnSheet = column == colRand && OneColumn();
    UpdateGrandTotal(oneColumnSheet);
    if (oneColumnSheet) cmdRand(Index).setPicture(img1ColumnP(Index).Picture());
    PlayPlacementSound(roundIndex == (oneColumnSheet ? kOneColumnCells : kFourColumnCells) - 1);
    if (column == colDown) nextDownRow += 1;
    if (column == colUp) nextUpRow -= 1;
    roundIndex += 1;
    SetRollAreaEnabled(true);
    ShowPlacementStatus();
    bool counterHandled = false;
    bool noHandOver = false;
    const bool boardFull = roundIndex == (OneColumn() ? kOneColumnCells : kFourColumnCells);
    if (boardFull && !EndOfSheet(column, counterHandled, noHandOver)) return;
    CloseTurn(Index, counterHandled, noHandOver);
}

// The hint values shown at the placement are kept for undo to show again.
void frmTolvarin::SaveAndClearTips() {
    for (int16_t row = 0; row < kSheetRows; ++row) {
        savedTips[static_cast<size_t>(row)] = vb::CInt(vb::Val(lblTip(row).Caption()));
        lblTip(row).setCaption("");
    }
}

// "score" always holds the window until it has played; "scoreZero" only at the last cell.
void frmTolvarin::PlayPlacementSound(bool fillsBoard) {
    if (!Module1::SoundsOn || Module1::SuppressSounds) return;
    if (lastScore != 0)
        Module1::PlayWaveSync("score");
    else if (fillsBoard)
        Module1::PlayWaveSync("scoreZero");
    else
        Module1::PlayWave("scoreZero");
}

void frmTolvarin::ShowPlacementStatus() {
    if (TwoPlayers())
        ShowTotalsInStatus();
    else
        StatusBar1.Panels(2).setText("Roll the dice or undo last move");
}

// Two players: the first player's total stands on the left, whoever is at the board.
void frmTolvarin::ShowTotalsInStatus() {
    const std::string shown = vb::CStr(grandTotal);
    const std::string other = vb::CStr(otherPlayerTotal);
    StatusBar1.Panels(3).setText(SecondBoardShown() ? other + " : " + shown
                                                    : shown + " : " + other);
}

// The four flags are inverted together at each hand-over.
bool frmTolvarin::SecondBoardShown() const {
    return playerFlags[1] && playerFlags[2] && playerFlags[3] && playerFlags[4];
}

// The placement into @p column has filled the shown board. Returns false when the handler
// ends here, without its closing steps.
bool frmTolvarin::EndOfSheet(int32_t column, bool& counterHandled, bool& noHandOver) {
    const bool second = SecondBoardShown();
    const bool oneColumnSheet = column == colRand && OneColumn();
    if (lastTurnRolls == kRollsPerTurn) {
        RollScoreCounter();
        EndGame();
        if (!TwoPlayers() || second) return false;  // the game is over
        counterHandled = true;
        noHandOver = false;
        Module1::EndGameShown = true;  // the second player plays on
        return true;
    }
    if (TwoPlayers() || oneColumnSheet)
        tmrCounter.setEnabled(true);
    else
        RollScoreCounter();
    if (AskToFinishGame()) {
        EndGame();
        if (!TwoPlayers()) return false;
        if (second) noHandOver = true;
    } else {
        mnuUndoUndo_Click();  // one player: the closing steps count again after the undo
        // A one-roll Oblg turn taken back keeps its announcement: the next click places again.
        if (column == colOblg && lastTurnRolls == 1) announcedThisTurn = true;
        if (TwoPlayers()) noHandOver = true;
    }
    counterHandled = TwoPlayers();
    return true;
}

// The end-of-game dialog: Finish (true) or take the last move back (false). The window's
// timers keep ticking while it is open.
bool frmTolvarin::AskToFinishGame() {
    vb::Default<frmEndGame>().Show(vb::vbModal, this);
    return Module1::EndGameFinish;
}

void frmTolvarin::CloseTurn(int16_t Index, bool counterHandled, bool noHandOver) {
    Module1::SuppressSounds = false;
    if (TwoPlayers() && !noHandOver) cmdNextPlayer.setVisible(true);
    hintAvailable = false;
    if (!gameOver && !Module1::EndGameShown) {
        OfferUndo(true);
        OfferRedo(false);
    } else if (Module1::EndGameShown) {
        OfferRedo(false);
    }
    RowHighlightOff(Index);
    if (counterHandled) return;
    // A score rolls the counter after the handler has returned; a zero redraws it at once.
    if (lastScore != 0)
        tmrCounter.setEnabled(true);
    else
        RollScoreCounter();
}

// Every cell button goes until the next roll offers them again; the dice are freed and
// their state kept for undo, in the order they were rolled.
void frmTolvarin::ResetTurn() {
    HideCellButtons();
    LightRollLamps(0);
    lastTurnRolls = rollNumber;
    rollNumber = 0;
    for (int32_t i = 0; i <= Module1::LastDieIndex; ++i) {
        const size_t die = static_cast<size_t>(i);
        savedDiceToRoll[die] = Module1::DiceToRoll[die];
    }
    FreeDiceAfterPlacement();
}

void frmTolvarin::HideCellButtons() {
    for (int16_t row = 0; row < kSheetRows; ++row) {
        cmdOblg(row).setVisible(false);
        cmdRand(row).setVisible(false);
    }
    if (nextUpRow >= 0) cmdUp(nextUpRow).setVisible(false);
    if (nextDownRow <= rowTolvarin) cmdDown(nextDownRow).setVisible(false);
}

void frmTolvarin::FreeDiceAfterPlacement() {
    ShowDiceUnrolled(Module1::LastDieIndex);
    for (int32_t i = 0; i <= Module1::LastDieIndex; ++i) {
        const size_t die = static_cast<size_t>(i);
        Module1::DiceToRoll[die] = true;
        savedDiceValues[die] = diceValues[die];
    }
}

void frmTolvarin::ShowDiceUnrolled(int32_t lastDie) {
    for (int16_t i = 0; i <= lastDie; ++i) {
        picDice(i).setEnabled(false);
        picDice(i).setVisible(true);
        PicDiceOff(i).setVisible(false);
    }
}

void frmTolvarin::OfferUndo(bool on) {
    Toolbar2.Buttons("tbUndo").setEnabled(on);
    mnuUndoUndo.setEnabled(on);
}

void frmTolvarin::OfferRedo(bool on) {
    Toolbar2.Buttons("tbRedo").setEnabled(on);
    mnuUndoRedo.setEnabled(on);
}
