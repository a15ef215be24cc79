// New Game: ends the game on the window, after asking while one is under way, and lays out
// a fresh board: every per-game field back to its start, the sheet and totals empty, the
// dice free and blank, the roll lamps dark, and the reveal of the cell buttons started. The
// score counter is blanked in every case, also on a board that was still fresh.

#include <algorithm>
#include <cstdint>

#include "game/frmTolvarin.h"
#include "platform/forms/msgbox.h"
#include "platform/media/mci.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/random.h"
#include "shell/Module1.h"
#include "shell/sound.h"

namespace {

using F = frmTolvarin;

constexpr int32_t kLastDie = 5;
constexpr int32_t kFourColumnPatterns = 9;
constexpr int32_t kOneColumnPatterns = 4;
constexpr int32_t kRevealInRandomOrder = 6;

bool FourColumns() { return Module1::NumColumns == 4; }

// "Quit this Game?" while a game runs; an OK the options dialog already gave counts once.
bool QuitConfirmed(const F& f) {
    const bool answeredInOptions = Module1::OptionsNewGameAnswer == vb::vbOK;
    Module1::OptionsNewGameAnswer = 0;
    if (answeredInOptions || !Module1::ConfirmQuit || f.gameOver) return true;
    return vb::MsgBox("Quit this Game?", vb::vbOKCancel + vb::vbQuestion, "Confirm") !=
           vb::vbCancel;
}

void ResetTurnAndSheetProgress(F& f) {
    f.grandTotal = 0;
    f.prevGrandTotal = 0;
    f.nextDownRow = 0;
    f.nextUpRow = rowTolvarin;
    f.selectedRow = 0;
    f.selectedColumn = 0;
    f.redoColumn = 0;
    f.roundIndex = 0;
    f.rollNumber = 0;
    f.lastTurnRolls = 0;
    f.lastScore = 0;
    f.placedScore = 0;
    f.announcedThisTurn = false;
    f.hideAnnounceButtons = false;
    f.announceKeptForUndo = false;
    f.lastWasAnnounced = false;
    Module1::SuppressSounds = false;
    f.hintPass = false;
    f.hintRequested = false;
    f.hintsAlways = false;
    // No hint of dice that were never rolled.
    f.hintAvailable = false;
    Module1::EndGameShown = false;
    f.boardEntered = false;
    f.randUpperFilled = 0;
    f.oblgUpperFilled = 0;
    f.otherBoardInitialised = false;
    f.rowHighlightCaptured = false;
    for (size_t code = colDown; code <= colOblg; ++code) {
        f.bonusAwarded[code] = false;
        f.playerFlags[code] = false;
    }
}

// All six dice are made free and blank, so that a change from five dice to six brings no
// face or hold left from an earlier game; the pictures change only for the dice on the table.
void ResetDice(F& f) {
    for (size_t die = 0; die <= kLastDie; ++die) {
        f.diceValues[die] = 0;
        f.savedDiceValues[die] = 0;
        f.savedDiceToRoll[die] = false;
        Module1::DiceToRoll[die] = true;
    }
    const int32_t onTable =
        std::clamp(std::max(Module1::LastDieIndex, Module1::DiceSetting), 0, kLastDie);
    f.ShowDiceUnrolled(onTable);
}

void ClearTotalsAndStatus(F& f) {
    for (vb::Label* total : {&f.lblDownTot1, &f.lblUpTot1, &f.lblRandTot1, &f.lblOblgTot1,
                             &f.lblDownTot2, &f.lblUpTot2, &f.lblRandTot2, &f.lblOblgTot2,
                             &f.lblDownTot, &f.lblUpTot, &f.lblRandTot, &f.lblOblgTot})
        total->setCaption("");
    for (int16_t panel = 2; panel <= 4; ++panel) f.StatusBar1.Panels(panel).setText("");
    f.LightRollLamps(0);
    f.picRollDices.setVisible(true);
    f.picRollDices.setPicture(f.picRollDice.Picture());
}

void ShowFirstPlayer(F& f) {
    f.cmdShowNextBoard.setVisible(false);
    f.cmdShowNextBoard.setEnabled(false);
    f.cmdNextPlayer.setVisible(false);
    f.otherPlayerTotal = 0;
    f.StatusBar1.Panels(1).setText(Module1::Player1Name);
    f.StatusBar1.Panels(3).setText("0 : 0");
    f.setCaption("Tolvarin - " + Module1::Player1Name);
}

// All cell buttons disabled until the first roll; shown or hidden as the reveal pattern
// starts: the patterns that hide first start from a full board.
void SetUpCellButtons(F& f) {
    if (FourColumns()) {
        const bool shown = f.animMode == 1;
        for (int16_t row = 0; row < kSheetRows; ++row)
            for (int32_t code = colDown; code <= colOblg; ++code)
                f.Column(code).buttons(row).setEnabled(false);
        for (int16_t row = 0; row < kSheetRows; ++row)
            for (int32_t code = colDown; code <= colOblg; ++code)
                f.Column(code).buttons(row).setVisible(shown);
        return;
    }
    const bool shown = f.animMode == 3 || f.animMode == 4;
    for (int16_t row = 0; row < kSheetRows; ++row) {
        f.cmdRand(row).setVisible(shown);
        if (!shown) f.cmdOblg(row).setVisible(false);
        f.cmdRand(row).setEnabled(false);
        if (!shown) f.cmdOblg(row).setEnabled(false);
    }
}

// The steps of every New Game: no song or intro left playing, the hint column as the setting
// says, and the score counter blank.
void ClosingSteps(F& f) {
    win::mciSendStringA("close song", nullptr, 0, 0);
    f.Timer4.setEnabled(false);
    f.UpdateHintDisplay();
    for (size_t d = 0; d <= 3; ++d) f.counterDigits[d] = 0;
    f.counterDigitCount = 0;
    f.CopyCounterPicture(f.picScoreB, f.picScore);
    f.picScore.Refresh();
    if (Module1::NumPlayers != 2) return;
    f.CopyCounterPicture(f.picScoreB, f.picPlayer1Score);
    f.picPlayer1Score.Refresh();
    f.CopyCounterPicture(f.picScoreB, f.picPlayer2Score);
    f.picPlayer2Score.Refresh();
    f.cmdShowNextBoard.setCaption("    Show      " + Module1::Player1Name + "'s  Board");
}

}  // namespace

void frmTolvarin::mnuNewGame_Click() {
    if (GameUnderWay()) {
        // Cancel keeps the game under way exactly as it is.
        if (!QuitConfirmed(*this)) return;
        gameOver = false;
        ResetTurnAndSheetProgress(*this);
        ResetDice(*this);
        // Nothing of the last game can be taken back onto the fresh board.
        OfferUndo(false);
        OfferRedo(false);
        if (Enabled() && Module1::SoundsOn) Module1::PlayWave("newGame");
        ClearTotalsAndStatus(*this);
        Module1::GameStarted = false;
        if (Module1::NumPlayers == 2) ShowFirstPlayer(*this);
        if (Module1::HintsAlwaysSetting) {
            hintsAlways = true;
            mnuHintsByRequest.setEnabled(true);
            mnuHintsAllways.setEnabled(false);
        }
        Module1::WinLeft = Left();
        Module1::WinTop = Top();
        ClearBoard();
        Module1::LastDieIndex = Module1::DiceSetting;
        SetUpCellButtons(*this);
        newGameNotRolled = true;
        mayRoll = true;
        tmrRollDice.setEnabled(true);  // its second tick asks for the first roll
        tmrGameOver.setEnabled(false);
        if (Module1::MusicOn) Timer3.setEnabled(true);
    }
    ClosingSteps(*this);
}

// A board is under way from its first roll, and also while the second player plays on after
// the first player's board was entered (the roll has not set GameStarted again yet).
bool frmTolvarin::GameUnderWay() const { return Module1::GameStarted || boardEntered; }

// The roll area stays disabled while the reveal runs; its last step enables it.
void frmTolvarin::ClearBoard() {
    for (int16_t row = 0; row < kSheetRows; ++row) {
        lblDown(row).setCaption("");
        lblUp(row).setCaption("");
        lblRand(row).setCaption("");
        lblOblg(row).setCaption("");
        lblTip(row).setCaption("");
    }
    vb::Randomize();
    const int32_t patterns = FourColumns() ? kFourColumnPatterns : kOneColumnPatterns;
    animMode = static_cast<int32_t>(vb::Int(static_cast<double>(vb::Rnd()) * patterns + 1));
    animStep = 0;
    animPhase = 0;
    if (animMode == kRevealInRandomOrder) ShuffleRevealOrder();
    picRollDices.setEnabled(false);
    tmrAnimation.setEnabled(true);
}
