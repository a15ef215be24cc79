// The roll: up to three rolls a turn of the dice that are not held, the roll area's looks,
// holding and releasing a die between rolls, the announce reminder and the forced last
// announcement, the placement into an announced row after the third roll, the keys that
// roll or minimise, and the status texts of a turn.

#include <cstdint>

#include "game/frmTolvarin.h"
#include "platform/forms/host.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/random.h"
#include "shell/Module1.h"
#include "shell/sound.h"

namespace {

constexpr uint32_t kFrameMs = 60;
// The pause before the third roll places into the announced row, so the dice can be seen.
constexpr uint32_t kPauseBeforeAnnouncedPlacement = 200;

// The reminder watches the last 13 turns of a four-column board; at the very last turn the
// one cell left is announced by force instead.
constexpr int32_t kReminderFromRound = 39;
constexpr int32_t kLastRound = kFourColumnCells - 1;
constexpr int32_t kPlayers2 = 2;

// A fresh face: Int(faces * r) + 1.
int32_t DrawFace(int faces) {
    return static_cast<int32_t>(vb::Int(faces * static_cast<double>(vb::Rnd()))) + 1;
}

bool FourColumns() { return Module1::NumColumns == 4; }

}  // namespace

// A finished game rolls no more. With two players the roll area stays enabled after the
// game, for the board viewer button it holds, so a click or Enter must not roll there.
void frmTolvarin::picRollDices_MouseDown(int16_t, int16_t, float, float) {
    if (gameOver) return;
    picRollDices.setPicture(picRollOn.Picture());
}

void frmTolvarin::picRollDices_MouseUp(int16_t, int16_t, float, float) {
    if (gameOver) return;
    skipNextCount = false;
    rolledSinceUndo = true;
    int32_t nameCode = 0;
    if (Module1::NumPlayers == kPlayers2) HandOver(nameCode);
    Module1::GameStarted = true;
    vb::Randomize();
    if (newGameNotRolled) EnableCellButtonsForFirstRoll();
    picRollDices.setPicture(picRollDice.Picture());
    RemindToAnnounce();
    ForceLastAnnouncement();
    if (mayRoll) {
        for (int16_t row = 0; row < kSheetRows; ++row) lblTip(row).setCaption("");
        PlayRollSound();
        if (rollNumber > kRollsPerTurn) rollNumber = 1;
        if (rollNumber == 0) StartTurn();
        CloseAnnounceWindow();
        if (rollNumber < kRollsPerTurn) RollFreeDice();
        // The announced row takes the third roll by itself; that placement sets its own texts.
        if (rollNumber == kRollsPerTurn && EndThirdRoll()) return;
        if (hintsAlways) ComputeHints();
    }
    PlayFiveOfAKindSound();
    if (hintRequested) {
        hintRequested = false;
        UpdateHintDisplay();
    }
    hintAvailable = true;
    OfferUndo(false);
    OfferRedo(false);
    ShowPlayerNameInStatus(nameCode);
    StatusBar1.Panels(2).setText(rollNumber >= kRollsPerTurn ? "Place your score"
                                                             : "Place your score or roll the dice");
}

// Two players: the roll after a placement first gives the board to the other player.
void frmTolvarin::HandOver(int32_t& nameCode) {
    const bool pending = cmdNextPlayer.Visible();
    if (pending) SwapScoreCounters();
    if (!Module1::GameStarted) nameCode = 1;
    if (!pending) return;
    if (FourColumns())
        SwapShownBoard();
    else
        SwapShownBoardOneColumn();
    for (size_t i = 1; i <= 4; ++i) playerFlags[i] = !playerFlags[i];
    const bool second = SecondBoardShown();
    setCaption("Tolvarin - " + (second ? Module1::Player2Name : Module1::Player1Name));
    nameCode = second ? 2 : 3;
    cmdNextPlayer.setVisible(false);
}

// The sheet's buttons stay disabled from the design until the game's first roll. With one
// column the flag stays set, so every roll enables the Rand buttons again.
void frmTolvarin::EnableCellButtonsForFirstRoll() {
    for (int16_t row = 0; row < kSheetRows; ++row) cmdRand(row).setEnabled(true);
    if (!FourColumns()) return;
    for (int16_t row = 0; row < kSheetRows; ++row) {
        cmdDown(row).setVisible(false);
        cmdUp(row).setVisible(false);
        cmdDown(row).setEnabled(true);
        cmdUp(row).setEnabled(true);
        cmdOblg(row).setEnabled(true);
    }
    newGameNotRolled = false;
}

// When every turn left must go to Oblg, the player has to announce after the first roll.
void frmTolvarin::RemindToAnnounce() {
    if (roundIndex < kReminderFromRound || rollNumber != 1 || selectedColumn == colOblg) return;
    int32_t open = 0;
    for (int16_t row = 0; row < kSheetRows; ++row)
        if (lblOblg(row).Caption().empty()) ++open;
    if (open != kFourColumnCells - roundIndex || open < 2) return;
    SetRollAreaEnabled(false);
    vb::MsgBox("You must announce now!", vb::vbExclamation, "Reminder");
    mayRoll = false;
}

// The last turn of a board whose last open cell is in Oblg is announced before it is rolled.
void frmTolvarin::ForceLastAnnouncement() {
    if (roundIndex != kLastRound || rollNumber != 0) return;
    int16_t open = -1;
    for (int16_t row = 0; row < kSheetRows; ++row)
        if (lblOblg(row).Caption().empty()) open = row;
    if (open < 0) return;
    selectedColumn = colOblg;
    selectedRow = open;
    hideAnnounceButtons = false;
    lastWasAnnounced = false;
    announcedThisTurn = false;
    announceKeptForUndo = false;
    picRound(0).setVisible(true);
    picRoundBG(0).setVisible(false);
    cmdOblg_Click(open);
    OfferRedo(false);
    rollNumber -= 1;  // the announcement counted a roll that is still to come
    OfferUndo(false);
}

void frmTolvarin::PlayRollSound() {
    if (!Module1::SoundsOn) return;
    int32_t free = 0;
    for (int32_t i = 0; i <= Module1::LastDieIndex; ++i)
        if (Module1::DiceToRoll[static_cast<size_t>(i)]) ++free;
    if (free > 3)
        Module1::PlayWave("rollAll");
    else if (free == 1)
        Module1::PlayWave("rollOne");
    else if (free >= 2)
        Module1::PlayWave("rollSome");
}

// The first roll of a turn frees the dice for holding and offers the cells of the turn.
void frmTolvarin::StartTurn() {
    hideAnnounceButtons = false;
    selectedColumn = 0;
    announceKeptForUndo = false;
    for (int16_t i = 0; i <= Module1::LastDieIndex; ++i) {
        picDice(i).setEnabled(true);
        PicDiceOff(i).setEnabled(true);
    }
    for (int16_t row = 0; row < kSheetRows; ++row)
        if (lblRand(row).Caption().empty()) cmdRand(row).setVisible(true);
    if (!FourColumns()) return;
    if (nextDownRow < kSheetRows) cmdDown(nextDownRow).setVisible(true);
    if (nextUpRow >= 0) cmdUp(nextUpRow).setVisible(true);
    for (int16_t row = 0; row < kSheetRows; ++row)
        if (lblOblg(row).Caption().empty()) cmdOblg(row).setVisible(true);
}

// Oblg rows can be announced only between the first and the second roll of a turn.
void frmTolvarin::CloseAnnounceWindow() {
    if (!((rollNumber == 1 && !announcedThisTurn) || hideAnnounceButtons)) return;
    for (int16_t row = 0; row < kSheetRows; ++row) cmdOblg(row).setVisible(false);
    hideAnnounceButtons = false;
}

// The free dice tumble for nine frames (never showing a one) and then land.
void frmTolvarin::RollFreeDice() {
    const auto free = [](int16_t i) { return Module1::DiceToRoll[static_cast<size_t>(i)]; };
    for (int frame = 0; frame < kAnimationFrames; ++frame) {
        for (int16_t i = 0; i <= Module1::LastDieIndex; ++i)
            if (free(i)) picDice(i).setPicture(picHide(DrawFace(5)).Picture());
        win::Sleep(kFrameMs);
    }
    for (int16_t i = 0; i <= Module1::LastDieIndex; ++i) {
        if (!free(i)) continue;
        const int32_t face = DrawFace(6);
        picDice(i).setPicture(picHide(face - 1).Picture());
        PicDiceOff(i).setPicture(picHideOff(face - 1).Picture());
        diceValues[static_cast<size_t>(i)] = face;
    }
    rollNumber += 1;
    if (Module1::NumPlayers == 1)
        StatusBar1.Panels(4).setText("Round " + vb::CStr(roundIndex + 1) +
                                     (FourColumns() ? " of 52" : " of 13"));
    LightRollLamps(rollNumber);
}

void frmTolvarin::LightRollLamps(int32_t lit) {
    for (int16_t k = 0; k < kRollsPerTurn; ++k) {
        picRound(k).setVisible(k < lit);
        picRoundBG(k).setVisible(k >= lit);
    }
}

// After the third roll only a placement is left. Returns true when the roll placed the
// score into the announced row by itself.
bool frmTolvarin::EndThirdRoll() {
    SetRollAreaEnabled(false);
    for (int16_t i = 0; i <= Module1::LastDieIndex; ++i) {
        const size_t die = static_cast<size_t>(i);
        if (Module1::DiceToRoll[die])
            picDice(i).setEnabled(false);
        else
            PicDiceOff(i).setEnabled(false);
        Module1::DiceToRoll[die] = true;
    }
    if (!announcedThisTurn && !announceKeptForUndo) return false;
    win::Sleep(kPauseBeforeAnnouncedPlacement);
    cmdOblg_Click(static_cast<int16_t>(selectedRow));
    OfferRedo(false);
    return true;
}

// Five of a kind on the table while the row can still take it: the value is computed on a
// sorted copy, as the hint pass does, so no cell changes and the dice keep their order.
void frmTolvarin::PlayFiveOfAKindSound() {
    if (!Module1::SoundsOn || !RowCanBeChosen(rowTolvarin)) return;
    const Dice asRolled = diceValues;
    hintPass = true;
    SortDice();
    ScoreFiveOfAKind();
    hintPass = false;
    diceValues = asRolled;
    if (lastScore == 100) Module1::PlayWave("Tolvarin");
}

void frmTolvarin::SetRollAreaEnabled(bool enabled) {
    picRollDices.setEnabled(enabled);
    picRollDices.setPicture(enabled ? picRollDice.Picture() : picRollOff.Picture());
}

void frmTolvarin::cmdNextPlayer_MouseUp(int16_t, int16_t, float, float) {
    picRollDices_MouseUp(vb::vbLeftButton, 0, kRollAreaX, kRollAreaY);
    counterShown = false;
}

void frmTolvarin::Form_KeyPress(int16_t& KeyAscii) {
    if (KeyAscii == vb::vbKeySpace) {
        setWindowState(vb::vbMinimized);
        return;
    }
    if (KeyAscii != vb::vbKeyReturn) return;
    // With two players Enter waits until the placement's count has started.
    if (Module1::NumPlayers == kPlayers2 && cmdNextPlayer.Visible() && !counterShown) return;
    if (!picRollDices.Enabled()) return;
    picRollDices_MouseUp(vb::vbLeftButton, 0, kRollAreaX, kRollAreaY);
    counterShown = false;
}

// The hold flags' undo snapshot follows every change, so undo restores the holds as left.
void frmTolvarin::picDice_Click(int16_t Index) {
    Module1::DiceToRoll[static_cast<size_t>(Index)] = false;
    savedDiceToRoll[static_cast<size_t>(Index)] = false;
    picDice(Index).setVisible(false);
    PicDiceOff(Index).setVisible(true);
    if (Module1::SoundsOn) Module1::PlayWave("holdDice");
    for (int32_t i = 0; i <= Module1::LastDieIndex; ++i)
        if (Module1::DiceToRoll[static_cast<size_t>(i)]) return;
    SetRollAreaEnabled(false);
}

// Releasing a die enables the roll area whatever disabled it; after the reminder the next
// request only shows the reminder again.
void frmTolvarin::PicDiceOff_Click(int16_t Index) {
    Module1::DiceToRoll[static_cast<size_t>(Index)] = true;
    savedDiceToRoll[static_cast<size_t>(Index)] = true;
    PicDiceOff(Index).setVisible(false);
    picDice(Index).setVisible(true);
    if (Module1::SoundsOn) Module1::PlayWave("UnHoldDice");
    if (!picRollDices.Enabled()) SetRollAreaEnabled(true);
}

// "Roll the dice" shows on the timer's second tick after New Game enables it.
void frmTolvarin::tmrRollDice_Timer() {
    if (rollPromptTicks != 1) {
        rollPromptTicks += 1;
        return;
    }
    StatusBar1.Panels(2).setText("Roll the dice");
    tmrRollDice.setEnabled(false);
    rollPromptTicks = 0;
}

void frmTolvarin::ShowPlayerNameInStatus(int32_t& code) {
    if (code == 2)
        StatusBar1.Panels(1).setText(Module1::Player2Name);
    else if (code == 3)
        StatusBar1.Panels(1).setText(Module1::Player1Name);
}
