// The Oblg column: a click on an Oblg cell button while nothing is announced announces that
// row; the next click places the dice's score there. Between the two the player rolls on;
// after the third roll the roll places into the announced row by itself.

#include <cstdint>

#include "game/frmTolvarin.h"
#include "platform/runtime/conversions.h"
#include "shell/Module1.h"
#include "shell/sound.h"

namespace {

constexpr int32_t kFourColumnCells = 52;
constexpr int32_t kRollsPerTurn = 3;

bool TwoPlayers() { return Module1::NumPlayers == 2; }

}  // namespace

void frmTolvarin::cmdOblg_Click(int16_t Index) {
    // A filled cell can be neither announced nor placed into again; undo empties a cell
    // before redo announces or places it once more.
    if (!lblOblg(Index).Caption().empty()) return;
    selectedColumn = colOblg;
    selectedRow = Index;
    if (!mayRoll) {  // the announce reminder stopped the rolling
        SetRollAreaEnabled(true);
        mayRoll = true;
    }
    SaveAndClearTips();
    // The chosen row's hint stays in view, as 0 when it had none.
    lblTip(Index).setCaption(vb::CStr(savedTips[static_cast<size_t>(Index)]));
    if (!announcedThisTurn && !announceKeptForUndo)
        Announce(Index);
    else if (!PlaceAnnounced(Index))
        return;
    if (!announcedThisTurn) tmrCounter.setEnabled(true);
    if (Module1::EndGameShown) OfferRedo(false);
    RowHighlightOff(Index);
}

// From now on the announced cell is the only one this turn can go to.
void frmTolvarin::Announce(int16_t Index) {
    for (int32_t i = 0; i <= Module1::LastDieIndex; ++i) {
        const size_t die = static_cast<size_t>(i);
        savedDiceToRoll[die] = Module1::DiceToRoll[die];
        savedDiceValues[die] = diceValues[die];
    }
    OfferUndo(true);
    OfferRedo(false);
    if (Module1::SoundsOn && !Module1::SuppressSounds) Module1::PlayWave("announce");
    for (int16_t row = 0; row < kSheetRows; ++row) {
        cmdOblg(row).setVisible(false);
        cmdRand(row).setVisible(false);
    }
    cmdOblg(Index).setVisible(true);
    if (nextUpRow >= 0) cmdUp(nextUpRow).setVisible(false);
    if (nextDownRow <= rowTolvarin) cmdDown(nextDownRow).setVisible(false);
    announcedThisTurn = true;
    rollNumber = 1;
    lastTurnRolls = 1;
    Module1::SuppressSounds = false;
}

// Returns false when the placement ended the game and the handler ends here.
bool frmTolvarin::PlaceAnnounced(int16_t Index) {
    lblTip(Index).setCaption("");
    announceKeptForUndo = false;
    cmdOblg(Index).setVisible(false);
    lastTurnRolls = rollNumber;
    rollNumber = 0;
    LightRollLamps(0);
    hideAnnounceButtons = true;
    // savedDiceToRoll already holds the turn's holds: the announcement and every hold and
    // release keep it up to date.
    for (int16_t i = 0; i <= Module1::LastDieIndex; ++i) {
        const size_t die = static_cast<size_t>(i);
        picDice(i).setVisible(true);
        picDice(i).setEnabled(false);
        PicDiceOff(i).setVisible(false);
        Module1::DiceToRoll[die] = true;
        savedDiceValues[die] = diceValues[die];
    }
    CallRowScorer(Index);
    UpdateGrandTotal(false);
    PlayPlacementSound(roundIndex == kFourColumnCells - 1);
    SetRollAreaEnabled(true);
    ShowOblgPlacementStatus();
    if (lastTurnRolls == 2) announceKeptForUndo = true;
    roundIndex += 1;
    announcedThisTurn = false;
    lastWasAnnounced = false;
    Module1::SuppressSounds = false;
    bool noHandOver = false;
    if (roundIndex == kFourColumnCells && !EndOfOblgSheet(noHandOver)) return false;
    if (TwoPlayers() && !noHandOver) cmdNextPlayer.setVisible(true);
    return true;
}

// After fewer than three rolls the placement can always be taken back.
void frmTolvarin::ShowOblgPlacementStatus() {
    if (TwoPlayers())
        ShowTotalsInStatus();
    else
        StatusBar1.Panels(2).setText("Roll the dice or undo last move");
    if (lastTurnRolls < kRollsPerTurn) {
        OfferUndo(true);
        OfferRedo(false);
        StatusBar1.Panels(2).setText("Roll the dice or undo last move");
    } else {
        StatusBar1.Panels(2).setText("Roll the dice");
    }
}

// The Oblg placement has filled the shown board. Returns false when the handler ends here.
bool frmTolvarin::EndOfOblgSheet(bool& noHandOver) {
    const bool second = SecondBoardShown();
    if (lastTurnRolls == kRollsPerTurn) {
        RollScoreCounter();
        EndGame();
        if (!TwoPlayers() || second) return false;  // the game is over
        noHandOver = false;
        Module1::EndGameShown = true;  // the second player plays on
        return true;
    }
    if (TwoPlayers())
        tmrCounter.setEnabled(true);
    else
        RollScoreCounter();
    if (AskToFinishGame()) {
        EndGame();
        if (!TwoPlayers()) return false;
        if (second) noHandOver = true;
        return true;
    }
    mnuUndoUndo_Click();
    // A one-roll turn taken back keeps its announcement: the next click places again.
    if (lastTurnRolls == 1) announcedThisTurn = true;
    if (TwoPlayers()) noHandOver = true;
    return true;
}
