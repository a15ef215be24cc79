// Two players on one sheet: the board of the player not at it is kept aside and exchanged
// with the shown one at each hand-over, with the per-player progress, the score counter's
// state and its picture. After the game the board viewer shows either board.

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "game/frmTolvarin.h"
#include "platform/runtime/conversions.h"
#include "shell/Module1.h"

namespace {

// A stored cell or total of this much or more is an empty caption.
constexpr int32_t kEmptyMark = 2000;

int32_t Stored(const vb::Label& label) {
    return label.Caption().empty() ? kEmptyMark : vb::CLng(vb::Val(label.Caption()));
}

// The label shows @p stored, and @p stored takes what the label showed.
void Exchange(vb::Label& label, int32_t& stored) {
    const int32_t shown = Stored(label);
    label.setCaption(stored >= kEmptyMark ? std::string() : vb::CStr(stored));
    stored = shown;
}

void ExchangeCells(frmTolvarin::Labels& cells, std::array<int32_t, 13>& stored) {
    for (int16_t row = 0; row < kSheetRows; ++row)
        Exchange(cells(row), stored[static_cast<size_t>(row)]);
}

void ExchangeFlags(std::array<bool, 5>& shown, std::array<bool, 5>& stored) {
    for (size_t i = 1; i <= 4; ++i) std::swap(shown[i], stored[i]);
}

// The counter picture of the player leaving the board is kept; the other player's comes
// back. @p secondLeaves: the second player's board is the one being left.
void ExchangeCounterPictures(frmTolvarin& f, bool secondLeaves) {
    vb::PictureBox& keep = secondLeaves ? f.picPlayer2Score : f.picPlayer1Score;
    vb::PictureBox& bring = secondLeaves ? f.picPlayer1Score : f.picPlayer2Score;
    f.CopyCounterPicture(f.picScore, keep);
    f.CopyCounterPicture(bring, f.picScore);
    f.picScore.Refresh();
}

std::string ViewerCaption(const std::string& name) { return "    Show      " + name + "'s  Board"; }

}  // namespace

// The second player starts on an empty sheet: the first exchange of a game stores one.
void frmTolvarin::SwapShownBoard() {
    if (!otherBoardInitialised) {
        for (auto* column : {&storedDown, &storedUp, &storedRand, &storedOblg})
            column->fill(kEmptyMark);
        for (int32_t* total : {&storedDownTot1, &storedUpTot1, &storedRandTot1, &storedOblgTot1,
                               &storedDownTot2, &storedUpTot2, &storedRandTot2, &storedOblgTot2,
                               &storedDownTot, &storedUpTot, &storedRandTot, &storedOblgTot})
            *total = kEmptyMark;
        storedRoundIndex = 0;
        storedNextDownRow = 0;
        storedNextUpRow = 12;
        storedRandUpperFilled = 0;
        storedOblgUpperFilled = 0;
        storedBonusAwarded.fill(false);
        otherBoardInitialised = true;
    }
    std::swap(roundIndex, storedRoundIndex);
    std::swap(nextDownRow, storedNextDownRow);
    std::swap(nextUpRow, storedNextUpRow);
    ExchangeFlags(bonusAwarded, storedBonusAwarded);
    std::swap(randUpperFilled, storedRandUpperFilled);
    std::swap(oblgUpperFilled, storedOblgUpperFilled);
    ExchangeCells(lblDown, storedDown);
    ExchangeCells(lblUp, storedUp);
    ExchangeCells(lblOblg, storedOblg);
    ExchangeCells(lblRand, storedRand);
    const std::pair<vb::Label*, int32_t*> totals[] = {
        {&lblDownTot1, &storedDownTot1}, {&lblUpTot1, &storedUpTot1},
        {&lblRandTot1, &storedRandTot1}, {&lblOblgTot1, &storedOblgTot1},
        {&lblDownTot2, &storedDownTot2}, {&lblUpTot2, &storedUpTot2},
        {&lblRandTot2, &storedRandTot2}, {&lblOblgTot2, &storedOblgTot2},
        {&lblDownTot, &storedDownTot},   {&lblUpTot, &storedUpTot},
        {&lblRandTot, &storedRandTot},   {&lblOblgTot, &storedOblgTot}};
    for (const auto& [label, stored] : totals) Exchange(*label, *stored);
}

// The one-column sheet has only Rand to exchange.
void frmTolvarin::SwapShownBoardOneColumn() {
    if (!otherBoardInitialised) {
        storedRandOne.fill(kEmptyMark);
        storedRandOneTot1 = storedRandOneTot2 = storedRandOneTot = kEmptyMark;
        storedRoundIndexOne = 0;
        storedRandUpperFilledOne = 0;
        storedBonusAwardedOne.fill(false);
        otherBoardInitialised = true;
    }
    std::swap(roundIndex, storedRoundIndexOne);
    ExchangeFlags(bonusAwarded, storedBonusAwardedOne);
    std::swap(randUpperFilled, storedRandUpperFilledOne);
    ExchangeCells(lblRand, storedRandOne);
    Exchange(lblRandTot1, storedRandOneTot1);
    Exchange(lblRandTot2, storedRandOneTot2);
    Exchange(lblRandTot, storedRandOneTot);
}

void frmTolvarin::SwapPlayerState() {
    std::swap(grandTotal, otherPlayerTotal);
    std::swap(prevGrandTotal, storedPrevGrandTotal);
    std::swap(prevPrevGrandTotal, storedPrevPrevGrandTotal);
    std::swap(counterDigitCount, storedCounterDigitCount);
    std::swap(counterDigitCountStart, storedCounterDigitCountStart);
    std::swap(counterDigitCountEnd, storedCounterDigitCountEnd);
    for (size_t i = 0; i <= 3; ++i) {
        std::swap(counterDigits[i], storedCounterDigits[i]);
        std::swap(counterDigitsStart[i], storedCounterDigitsStart[i]);
        std::swap(counterDigitsEnd[i], storedCounterDigitsEnd[i]);
    }
}

void frmTolvarin::SwapScoreCounters() {
    SwapPlayerState();
    ExchangeCounterPictures(*this, SecondBoardShown());
}

// After a two-player game each click shows the other board; the caption names the board
// the next click will show. The player flags follow the board shown, so that the rest of
// the window always knows whose board it is, also when both players have the same name.
void frmTolvarin::cmdShowNextBoard_Click() {
    const bool second = SecondBoardShown();
    const std::string& shownName = second ? Module1::Player1Name : Module1::Player2Name;
    cmdShowNextBoard.setCaption(
        ViewerCaption(second ? Module1::Player2Name : Module1::Player1Name));
    setCaption("Tolvarin - " + shownName);
    StatusBar1.Panels(1).setText(shownName);
    ExchangeCounterPictures(*this, second);
    for (size_t i = 1; i <= 4; ++i) playerFlags[i] = !playerFlags[i];
    if (Module1::NumColumns == 4) {
        SwapShownBoard();
        for (int16_t row = 0; row < kSheetRows; ++row)
            for (Labels* cells : {&lblDown, &lblUp, &lblRand, &lblOblg})
                (*cells)(row).setVisible(true);
    } else {
        SwapShownBoardOneColumn();
        for (int16_t row = 0; row < kSheetRows; ++row) lblRand(row).setVisible(true);
    }
}
