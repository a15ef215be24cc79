// The Oblg column: a click on an Oblg cell button while nothing is announced announces that
// row; the next click places the dice's score there. Between the two the player rolls on;
// after the third roll the roll places into the announced row by itself.

#include <cstdint>

#include "game/frmTolvarin.h"
#include "platform/runtime/conversions.h"
#include "shell/Module1.h"
#include "shell/sound.h"

namespace {

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
    HideCellButtons();
    cmdOblg(Index).setVisible(true);
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
    FreeDiceAfterPlacement();
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
    bool counterHandled = false;  // the handler starts the counter itself
    bool noHandOver = false;
    if (roundIndex == kFourColumnCells && !EndOfSheet(colOblg, counterHandled, noHandOver))
        return false;
    if (TwoPlayers() && !noHandOver) cmdNextPlayer.setVisible(true);
    return true;
}

// After fewer than three rolls the placement can always be taken back.
void frmTolvarin::ShowOblgPlacementStatus() {
    ShowPlacementStatus();
    if (lastTurnRolls < kRollsPerTurn) {
        OfferUndo(true);
        OfferRedo(false);
        StatusBar1.Panels(2).setText("Roll the dice or undo last move");
    } else {
        StatusBar1.Panels(2).setText("Roll the dice");
    }
}
