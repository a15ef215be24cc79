// The row scorers: what the dice on the table are worth in each row, for five and for six
// dice. The values are computed on the dice sorted ascending (d0 <= d1 <= ...); outside the
// hint pass each scorer sorts the dice itself and then writes the value into the sheet.

#include <algorithm>
#include <utility>

#include "game/frmTolvarin.h"
#include "shell/Module1.h"

namespace {

using Dice = frmTolvarin::Dice;

// Ascending bubble sort of dice 0..last; equal faces are never exchanged.
void BubbleSort(Dice& d, int32_t last) {
    for (int32_t i = 0; i <= last; ++i)
        for (int32_t j = 0; j <= last - i - 1; ++j)
            if (d[j] > d[j + 1]) std::swap(d[j], d[j + 1]);
}

int32_t SumFive(const Dice& d) { return d[0] + d[1] + d[2] + d[3] + d[4]; }
int32_t SumHighFive(const Dice& d) { return d[1] + d[2] + d[3] + d[4] + d[5]; }

// At most five dice count, so six of a face score five of them.
int32_t NumberValue(const Dice& d, bool six, int32_t face) {
    int32_t s = 0;
    for (int32_t i = 0; i <= 4; ++i)
        if (d[i] == face) s += d[i];
    if (six && d[5] == face && d[0] != face) s += d[5];
    return s;
}

int32_t MaxValue(const Dice& d, bool six) { return six ? SumHighFive(d) : SumFive(d); }

int32_t MinValue(const Dice& d) { return SumFive(d); }

int32_t ThreeOfAKindValue(const Dice& d, bool six) {
    int32_t v = 0;
    if (d[0] == d[1] && d[1] == d[2])
        v = six ? d[0] + d[1] + d[2] + d[4] + d[5] + 10 : SumFive(d) + 10;
    else if ((d[1] == d[2] && d[2] == d[3]) || (d[2] == d[3] && d[3] == d[4]))
        v = six ? SumHighFive(d) + 10 : SumFive(d) + 10;
    // With six dice a triple at the top outranks whatever was found below it.
    if (six && d[3] == d[4] && d[4] == d[5]) v = SumHighFive(d) + 10;
    return v;
}

int32_t SixDiceFullHouse(const Dice& d) {
    if (d[0] == d[1] && d[1] == d[2] && d[4] == d[5] && d[4] != d[1])
        return d[0] + d[1] + d[2] + d[4] + d[5] + 20;
    if (d[0] == d[1] && d[3] == d[4] && d[4] == d[5] && d[4] != d[1])
        return d[0] + d[1] + d[3] + d[4] + d[5] + 20;
    if (d[1] == d[2] && d[3] == d[4] && d[4] == d[5] && d[4] != d[1]) return SumHighFive(d) + 20;
    if (d[1] == d[2] && d[2] == d[3] && d[4] == d[5] && d[4] != d[1]) return SumHighFive(d) + 20;
    return 0;
}

int32_t FullHouseValue(const Dice& d, bool six) {
    if (d[0] == d[1] && d[1] == d[2] && d[3] == d[4] && d[3] != d[2]) {
        // Two triples: the higher triple and a pair of the lower face.
        if (six && d[5] == d[4]) return d[0] + d[2] + d[3] + d[4] + d[5] + 20;
        return SumFive(d) + 20;
    }
    if (d[0] == d[1] && d[2] == d[3] && d[3] == d[4] && d[2] != d[1]) return SumFive(d) + 20;
    return six ? SixDiceFullHouse(d) : 0;
}

bool Consecutive(const Dice& d, int32_t first, int32_t last) {
    for (int32_t i = first; i < last; ++i)
        if (d[i + 1] != d[i] + 1) return false;
    return true;
}

// Works on its own copy: the six-dice test clears duplicates and sorts again.
int32_t StraightValue(Dice d, bool six) {
    if (Consecutive(d, 0, 4)) {
        if (d[4] == 6) return 60;
        if (!six) return 50;
        return d[5] == 6 ? 60 : 50;
    }
    if (!six) return 0;
    // Of each pair of equal neighbours the lower one is set aside; the cleared dice sort
    // first, and a straight remains only when just one die was set aside.
    for (int32_t i = 0; i <= 4; ++i)
        if (d[i] == d[i + 1]) d[i] = 0;
    BubbleSort(d, 5);
    if (d[1] != 0 && Consecutive(d, 1, 5)) return d[5] == 6 ? 60 : 50;
    return 0;
}

int32_t FourOfAKindValue(const Dice& d, bool six) {
    if (d[0] == d[1] && d[1] == d[2] && d[2] == d[3])
        return six ? d[0] + d[1] + d[2] + d[3] + d[5] + 30 : SumFive(d) + 30;
    if (d[1] == d[2] && d[2] == d[3] && d[3] == d[4])
        return six ? SumHighFive(d) + 30 : SumFive(d) + 30;
    if (six && d[2] == d[3] && d[3] == d[4] && d[4] == d[5]) return SumHighFive(d) + 30;
    return 0;
}

int32_t FiveOfAKindValue(const Dice& d, bool six) {
    const bool lowFive = d[0] == d[1] && d[1] == d[2] && d[2] == d[3] && d[3] == d[4];
    const bool highFive = six && d[1] == d[2] && d[2] == d[3] && d[3] == d[4] && d[4] == d[5];
    return lowFive || highFive ? 100 : 0;
}

}  // namespace

bool frmTolvarin::SixDice() const { return Module1::LastDieIndex == 5; }

void frmTolvarin::SortDice() { BubbleSort(diceValues, std::min(Module1::LastDieIndex, 5)); }

void frmTolvarin::ScoreNumber(uint8_t face) {
    if (!hintPass) SortDice();
    lastScore = NumberValue(diceValues, SixDice(), face);
    if (!hintPass) WriteNumberRow(lastScore);
}

void frmTolvarin::ScoreMax() {
    if (!hintPass) SortDice();
    lastScore = MaxValue(diceValues, SixDice());
    if (!hintPass) WriteMaxRow(lastScore);
}

void frmTolvarin::ScoreMin() {
    if (!hintPass) SortDice();
    lastScore = MinValue(diceValues);
    if (!hintPass) WriteMinRow(lastScore);
}

void frmTolvarin::ScoreThreeOfAKind() {
    if (!hintPass) SortDice();
    lastScore = ThreeOfAKindValue(diceValues, SixDice());
    if (!hintPass) WriteLowerRow(lastScore);
}

void frmTolvarin::ScoreFullHouse() {
    if (!hintPass) SortDice();
    lastScore = FullHouseValue(diceValues, SixDice());
    if (!hintPass) WriteLowerRow(lastScore);
}

// The straight is scored on the sorted dice, but the player gets the dice back in the
// order they were rolled.
void frmTolvarin::ScoreStraight() {
    const Dice asFound = diceValues;
    if (!hintPass) SortDice();
    lastScore = StraightValue(diceValues, SixDice());
    if (!hintPass) WriteLowerRow(lastScore);
    diceValues = asFound;
}

void frmTolvarin::ScoreFourOfAKind() {
    if (!hintPass) SortDice();
    lastScore = FourOfAKindValue(diceValues, SixDice());
    if (!hintPass) WriteLowerRow(lastScore);
}

void frmTolvarin::ScoreFiveOfAKind() {
    if (!hintPass) SortDice();
    lastScore = FiveOfAKindValue(diceValues, SixDice());
    if (!hintPass) WriteFiveOfAKindRow(lastScore);
}

void frmTolvarin::CallRowScorer(int32_t row) {
    if (row >= rowOnes && row <= rowSixes) {
        ScoreNumber(static_cast<uint8_t>(row + 1));
        return;
    }
    switch (row) {
        case rowMax:
            ScoreMax();
            break;
        case rowMin:
            ScoreMin();
            break;
        case rowThreeOfAKind:
            ScoreThreeOfAKind();
            break;
        case rowFullHouse:
            ScoreFullHouse();
            break;
        case rowStraight:
            ScoreStraight();
            break;
        case rowFourOfAKind:
            ScoreFourOfAKind();
            break;
        case rowTolvarin:
            ScoreFiveOfAKind();
            break;
        default:
            break;
    }
}
