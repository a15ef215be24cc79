// The board reveal: after New Game has emptied the sheet, its cell buttons appear one group
// at a time in a pattern chosen at random, nine for the four-column sheet and four for the
// one-column sheet. The roll area stays disabled until the last step, so no die is rolled
// on a half-shown board. The buttons stay disabled; the first roll enables them.

#include <cstdint>
#include <utility>
#include <vector>

#include "game/frmTolvarin.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/random.h"
#include "shell/Module1.h"

namespace {

// A group of cell buttons. Column 'D', 'U', 'R' or 'O' is one button of the row, '*' all
// four buttons of the row, 'K' the cell numbered revealOrder(row), which is row k Mod 13 of
// column k \ 13 (0 Down, 1 Up, 2 Rand, 3 Oblg). At tick t the row is base + slope * t; a
// count above 1 adds every second row after it (count 7 from row 0: the even rows).
struct Cells {
    char column = 0;  // 0: no group
    int8_t base = 0;
    int8_t slope = 0;
    int8_t count = 1;
};

// One line of a pattern: every tick from first to last shows (or hides) its groups, and the
// tick `first` sets the timer's interval when one is given.
struct Step {
    int8_t first;
    int8_t last;
    bool show;
    uint16_t interval;
    Cells cells[4];
};

constexpr bool kShow = true;
constexpr bool kHide = false;
constexpr uint16_t kSameInterval = 0;

// The four-column patterns, 1 to 9; pattern 1 starts from all 52 buttons shown, the others
// from all hidden (New Game sets them up so).
const std::vector<Step> kFourColumnPatterns[9] = {
    {{0, 5, kHide, kSameInterval, {{'*', 0, 1}, {'*', 12, -1}}},
     {6, 6, kHide, kSameInterval, {{'*', 6, 0}}},
     {7, 7, kShow, kSameInterval, {{'*', 6, 0}}},
     {8, 13, kShow, kSameInterval, {{'*', 13, -1}, {'*', -1, 1}}}},
    {{0, 12, kShow, kSameInterval, {{'D', 12, -1}, {'U', 12, -1}, {'R', 0, 1}, {'O', 0, 1}}}},
    // Even rows column by column at a slow pace, then the odd rows back again, quickly.
    {{0, 0, kShow, 50, {{'D', 0, 0, 7}}},
     {1, 1, kShow, kSameInterval, {{'U', 0, 0, 7}}},
     {2, 2, kShow, kSameInterval, {{'R', 0, 0, 7}}},
     {3, 3, kShow, kSameInterval, {{'O', 0, 0, 7}}},
     {4, 4, kShow, kSameInterval, {{'O', 1, 0, 6}}},
     {5, 5, kShow, 5, {{'R', 1, 0, 6}}},
     {6, 6, kShow, kSameInterval, {{'U', 1, 0, 6}}},
     {7, 7, kShow, kSameInterval, {{'D', 1, 0, 6}}}},
    {{0, 0, kShow, kSameInterval, {{'D', 0, 0}, {'O', 12, 0}}},
     {1, 1, kShow, kSameInterval, {{'U', 0, 0}, {'R', 12, 0}}},
     {2, 2, kShow, kSameInterval, {{'R', 0, 0}, {'U', 12, 0}}},
     {3, 3, kShow, kSameInterval, {{'O', 0, 0}, {'D', 12, 0}}},
     {4, 16, kShow, kSameInterval, {{'O', -4, 1}, {'R', -4, 1}, {'D', 16, -1}, {'U', 16, -1}}}},
    {{0, 12, kShow, kSameInterval, {{'D', 0, 1}, {'O', 0, 1}, {'R', 12, -1}, {'U', 12, -1}}}},
    // The shuffled order, three cells a tick.
    {{0, 16, kShow, kSameInterval, {{'K', 0, 3}, {'K', 1, 3}, {'K', 2, 3}}},
     {17, 17, kShow, kSameInterval, {{'K', 51, 0}}}},
    {{0, 12, kShow, kSameInterval, {{'U', 12, -1}, {'R', 12, -1}}},
     {13, 25, kShow, kSameInterval, {{'D', -13, 1}, {'O', -13, 1}}}},
    {{0, 0, kShow, kSameInterval, {{'U', 12, 0}, {'R', 12, 0}}},
     {1, 13, kShow, kSameInterval, {{'D', 13, -1}, {'O', 13, -1}}},
     {14, 25, kShow, kSameInterval, {{'U', -14, 1}, {'R', -14, 1}}}},
    // A snake: the top row, Oblg down, Down up, Rand down, Up up.
    {{0, 0, kShow, kSameInterval, {{'*', 0, 0}}},
     {1, 6, kShow, kSameInterval, {{'O', -2, 2}, {'O', -1, 2}}},
     {7, 7, kShow, kSameInterval, {{'O', 12, 0}}},
     {8, 13, kShow, kSameInterval, {{'U', 12, 0}, {'R', 12, 0}, {'D', 28, -2}, {'D', 27, -2}}},
     {14, 14, kShow, kSameInterval, {{'U', 12, 0}, {'R', 12, 0}, {'D', 0, 0}, {'U', 1, 0}}},
     {15, 19, kShow, kSameInterval, {{'R', -29, 2}, {'R', -28, 2}}},
     {20, 20, kShow, kSameInterval, {{'R', 11, 0}}},
     {21, 25, kShow, kSameInterval, {{'U', 53, -2}, {'U', 52, -2}}},
     {26, 26, kShow, kSameInterval, {{'U', 1, 0}}}},
};

// The one-column patterns, 1 to 4; patterns 3 and 4 start from the 13 buttons shown.
const std::vector<Step> kOneColumnPatterns[4] = {
    {{0, 12, kShow, kSameInterval, {{'R', 0, 1}}}},
    {{0, 12, kShow, kSameInterval, {{'R', 12, -1}}}},
    {{0, 5, kHide, kSameInterval, {{'R', 0, 1}, {'R', 12, -1}}},
     {6, 6, kHide, kSameInterval, {{'R', 6, 0}}},
     {7, 7, kShow, kSameInterval, {{'R', 6, 0}}},
     {8, 13, kShow, kSameInterval, {{'R', 13, -1}, {'R', -1, 1}}}},
    // A pause, then from the middle outwards: out, and back in.
    {{0, 0, kShow, kSameInterval, {}},
     {1, 1, kHide, kSameInterval, {{'R', 6, 0}}},
     {2, 7, kHide, kSameInterval, {{'R', 5, 1}, {'R', 7, -1}}},
     {8, 13, kShow, kSameInterval, {{'R', 20, -1}, {'R', -8, 1}}},
     {14, 14, kShow, kSameInterval, {{'R', 6, 0}}}},
};

constexpr int32_t kCellsPerColumn = kSheetRows;
constexpr int32_t kRandomOrderCells = kFourColumnCells;
constexpr int kShufflePasses = 3;

// The pattern of @p mode for the layout in force, or nullptr when the layout has none by
// that number (the options changed the layout under a running reveal).
const std::vector<Step>* PatternFor(int32_t mode) {
    const bool four = Module1::NumColumns == 4;
    const int32_t count = four ? 9 : 4;
    if (mode < 1 || mode > count) return nullptr;
    return four ? &kFourColumnPatterns[mode - 1] : &kOneColumnPatterns[mode - 1];
}

int32_t ColumnCode(char column) {
    switch (column) {
        case 'D':
            return colDown;
        case 'U':
            return colUp;
        case 'R':
            return colRand;
        default:
            return colOblg;
    }
}

void SetCell(frmTolvarin& f, int32_t code, int32_t row, bool visible) {
    f.Column(code).buttons(row).setVisible(visible);
}

void ApplyCells(frmTolvarin& f, const Cells& cells, int32_t tick, bool show) {
    for (int32_t k = 0; k < cells.count; ++k) {
        const int32_t row = cells.base + cells.slope * tick + 2 * k;
        if (cells.column == '*') {
            for (int32_t code = colDown; code <= colOblg; ++code) SetCell(f, code, row, show);
        } else if (cells.column == 'K') {
            const int32_t cell = f.revealOrder[static_cast<size_t>(row)];
            SetCell(f, colDown + cell / kCellsPerColumn, cell % kCellsPerColumn, show);
        } else {
            SetCell(f, ColumnCode(cells.column), row, show);
        }
    }
}

// Int(Rnd x i + 1): 1..i for i >= 1, and 1 for i = 0.
size_t ShufflePartner(int32_t i) {
    return static_cast<size_t>(vb::Int(static_cast<double>(vb::Rnd()) * i + 1));
}

}  // namespace

// animStep counts the pattern's ticks and animPhase is the line of its table in force.
void frmTolvarin::tmrAnimation_Timer() {
    const std::vector<Step>* pattern = PatternFor(animMode);
    const int32_t tick = animStep;
    bool last = true;
    if (pattern) {
        for (size_t i = 0; i < pattern->size(); ++i) {
            const Step& step = (*pattern)[i];
            if (tick < step.first || tick > step.last) continue;
            animPhase = static_cast<int32_t>(i);
            if (tick == step.first && step.interval != kSameInterval)
                tmrAnimation.setInterval(step.interval);
            for (const Cells& cells : step.cells)
                if (cells.column != 0) ApplyCells(*this, cells, tick, step.show);
        }
        last = tick >= pattern->back().last;
    }
    animStep = tick + 1;
    picRollDices.setEnabled(last);
    if (last) tmrAnimation.setEnabled(false);
}

void frmTolvarin::ShuffleRevealOrder() {
    for (int32_t k = 0; k < kRandomOrderCells; ++k) revealOrder[static_cast<size_t>(k)] = k;
    vb::Randomize();
    for (int pass = 0; pass < kShufflePasses; ++pass) {
        for (int32_t i = kRandomOrderCells - 1; i >= 0; --i)
            std::swap(revealOrder[static_cast<size_t>(i)], revealOrder[ShufflePartner(i)]);
        for (int32_t i = 0; i < kRandomOrderCells; ++i)
            std::swap(revealOrder[static_cast<size_t>(i)], revealOrder[ShufflePartner(i)]);
    }
}
