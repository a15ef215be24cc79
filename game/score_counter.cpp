// The score counter: the odometer under the sheet that shows the shown player's grand
// total. After a placement it rolls the number up one unit a step, quicker the farther it
// has to go; when the total fell or is negative it draws the new number at once. Each call
// leaves the picture before it in picBuffer(1) and the one after it in picBuffer(0), for
// undo and redo.

#include <array>
#include <iterator>

#include "game/frmTolvarin.h"
#include "platform/forms/host.h"
#include "platform/gdi/gdi32.h"
#include "platform/types/twips.h"
#include "shell/Module1.h"
#include "shell/sound.h"

namespace {

using Digits = std::array<int16_t, 5>;

using vb::kTwipsPerPixel;
constexpr int32_t kNoMinus = -1;

// Where the digits stand, one row for each number of digits shown (counterDigitCount + 1):
// the left edge of the units, tens, hundreds and thousands cells, and of the minus sign a
// negative number gets when it is drawn at once (four digits leave no room for one).
struct CellRow {
    std::array<int32_t, 4> digit;
    int32_t minus;
};
constexpr std::array<CellRow, 4> kCells{{
    {{75, 0, 0, 0}, 62},
    {{81, 68, 0, 0}, 55},
    {{88, 75, 62, 0}, 49},
    {{94, 81, 68, 55}, kNoMinus},
}};

// The pause after each step of a count: the first row whose distance the count reaches.
struct DelayRow {
    int32_t distance;
    uint32_t ms;
};
constexpr DelayRow kDelays[] = {{60, 10}, {40, 20}, {30, 30}, {20, 40}, {1, 50}};

int32_t Pixels(int32_t twips) { return twips / kTwipsPerPixel; }

// Units, tens, hundreds and thousands of @p v; the thousands are not cut, so the counter
// shows up to 9999. A negative value gives digits of its sign.
Digits DigitsOf(int32_t v) {
    return {static_cast<int16_t>(v % 10), static_cast<int16_t>(v / 10 % 10),
            static_cast<int16_t>(v / 100 % 10), static_cast<int16_t>(v / 1000), 0};
}

int16_t DigitCountOf(int32_t v) { return v > 999 ? 3 : v > 99 ? 2 : v > 9 ? 1 : 0; }

uint32_t StepDelay(int32_t distance) {
    for (const DelayRow& row : kDelays)
        if (distance >= row.distance) return row.ms;
    return kDelays[std::size(kDelays) - 1].ms;
}

void CopyDigits(const Digits& from, Digits& to) {
    for (size_t i = 0; i < 4; ++i) to[i] = from[i];
}

bool SameDigits(const Digits& a, const Digits& b, size_t from) {
    for (size_t i = from; i < 4; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// Copies of one digit cell, all the size of picDigit(0).
class Cells {
public:
    explicit Cells(frmTolvarin& f)
        : f_(f), width_(Pixels(f.picDigit(0).Width())), height_(Pixels(f.picDigit(0).Height())) {}

    void Draw(vb::PictureBox& target, vb::PictureBox& source, int32_t x) {
        win::BitBlt(target.hDC(), x, kTop, width_, height_, source.hDC(), 0, 0, win::SRCCOPY);
    }
    void Digit(vb::PictureBox& target, int16_t digit, int32_t x) {
        Draw(target, f_.picDigit(digit), x);
    }
    void Erase(int32_t x) {
        win::BitBlt(f_.picScore.hDC(), x, kTop, width_, height_, f_.picScoreB.hDC(), x, kTop,
                    win::SRCCOPY);
    }

private:
    static constexpr int32_t kTop = frmTolvarin::kCounterDigitTop;
    frmTolvarin& f_;
    int32_t width_;
    int32_t height_;
};

// One count from prevGrandTotal up to grandTotal. It draws on the picture picScore already
// shows, the digits of prevGrandTotal: the units digit is drawn at every step, the others
// when they change, and a digit count that grows moves the cells to their new places.
class Count {
public:
    explicit Count(frmTolvarin& f)
        : f_(f),
          cells_(f),
          target_(DigitsOf(f.grandTotal)),
          delay_(StepDelay(f.grandTotal - f.prevGrandTotal)) {}

    void Run() {
        while (!SameDigits(f_.counterDigits, target_, 0)) Step();
        RepairGrownCount();
    }

private:
    int32_t CellX(size_t digit) const {
        return kCells[static_cast<size_t>(f_.counterDigitCount)].digit[digit];
    }

    void Step() {
        bool carry = Advance(0);
        win::Sleep(delay_);
        if (thousandsChanged_) {
            cells_.Digit(f_.picScore, f_.counterDigits[1], CellX(1));
            f_.picScore.Refresh();
        }
        if (carry) carry = Advance(1);
        if (carry) carry = Advance(2);
        if (carry) {
            f_.counterDigits[3] += 1;
            cells_.Digit(f_.picScore, f_.counterDigits[3], kCells[3].digit[3]);
            thousandsChanged_ = true;
        }
        f_.picScore.Refresh();
    }

    // Steps digit @p k on by one and draws it; true when it carries into digit k + 1. The
    // first time the next digit is to change in this count its cell is blanked, and a
    // number that grows by a digit takes the cells of its new length.
    bool Advance(size_t k) {
        Digits& c = f_.counterDigits;
        bool carry = false;
        c[k] += 1;
        if (c[k] > 9) {
            c[k] = 0;
            carry = !SameDigits(c, target_, k + 1);
            if (carry && c[k + 1] == f_.counterDigitsStart[k + 1]) {
                if (f_.counterDigitCount == static_cast<int16_t>(k))
                    f_.counterDigitCount = static_cast<int16_t>(k + 1);
                cells_.Erase(CellX(k + 1));
            }
        }
        cells_.Digit(f_.picScore, c[k], CellX(k));
        return carry;
    }

    // A count whose last step grew the number of digits left zeros at their old places:
    // they are drawn again at the new ones.
    void RepairGrownCount() {
        const Digits& t = target_;
        if (t[3] == 0 && t[2] >= 1 && t[0] == 0) DrawZero(kCells[2].digit[0]);
        if (t[3] >= 1) {
            if (t[0] == 0) DrawZero(kCells[3].digit[0]);
            if (t[1] == 0) DrawZero(kCells[3].digit[1]);
        }
    }
    void DrawZero(int32_t x) {
        cells_.Digit(f_.picScore, 0, x);
        f_.picScore.Refresh();
    }

    frmTolvarin& f_;
    Cells cells_;
    Digits target_;
    uint32_t delay_;
    bool thousandsChanged_ = false;
};

// Draws grandTotal at once, from a blank picture: for a total that fell, or when either
// total is negative (the minus sign goes left of the digits, up to three of them).
void DrawCounterDirectly(frmTolvarin& f) {
    const bool negative = f.grandTotal < 0;
    if (negative) f.grandTotal = -f.grandTotal;
    CopyDigits(DigitsOf(f.grandTotal), f.counterDigits);
    f.CopyCounterPicture(f.picScoreB, f.picBuffer(2));
    f.counterDigitCount = DigitCountOf(f.grandTotal);
    const CellRow& row = kCells[static_cast<size_t>(f.counterDigitCount)];
    Cells cells(f);
    if (negative && row.minus != kNoMinus) cells.Draw(f.picBuffer(2), f.picNeg, row.minus);
    for (size_t i = 0; i <= static_cast<size_t>(f.counterDigitCount); ++i)
        cells.Digit(f.picBuffer(2), f.counterDigits[i], row.digit[i]);
    CopyDigits(f.counterDigits, f.counterDigitsEnd);
    f.counterDigitCountEnd = f.counterDigitCount;
    f.CopyCounterPicture(f.picBuffer(2), f.picScore);
    f.picScore.Refresh();
    f.CopyCounterPicture(f.picScore, f.picBuffer(0));
    if (negative) f.grandTotal = -f.grandTotal;
    f.counterFinished = true;
}

}  // namespace

void frmTolvarin::tmrCounter_Timer() {
    if (!skipNextCount)
        RollScoreCounter();
    else
        skipNextCount = false;
    tmrCounter.setEnabled(false);
}

void frmTolvarin::CopyCounterPicture(vb::PictureBox& from, vb::PictureBox& to) {
    win::BitBlt(to.hDC(), 0, 0, Pixels(picScore.Width()), Pixels(picScore.Height()), from.hDC(), 0,
                0, win::SRCCOPY);
}

void frmTolvarin::RollScoreCounter() {
    counterShown = true;
    CopyCounterPicture(picScore, picBuffer(1));
    CopyCounterPicture(picScore, picBuffer(0));
    CopyDigits(DigitsOf(prevGrandTotal), counterDigits);
    if (prevGrandTotal >= 0) counterDigitCount = DigitCountOf(prevGrandTotal);
    CopyDigits(counterDigits, counterDigitsStart);
    counterDigitCountStart = counterDigitCount;

    if (grandTotal == prevGrandTotal && grandTotal >= 0) {
        if (grandTotal != 0) return;
        Cells(*this).Digit(picScore, 0, kCells[0].digit[0]);
        picScore.Refresh();
        CopyCounterPicture(picScore, picBuffer(0));
        return;
    }
    if (grandTotal < prevGrandTotal || prevGrandTotal < 0) {
        DrawCounterDirectly(*this);
        return;
    }
    if (Module1::SoundsOn && grandTotal > 0) Module1::PlayWave("counter7");
    Count(*this).Run();
    CopyCounterPicture(picScore, picBuffer(0));
    CopyDigits(counterDigits, counterDigitsEnd);
    counterDigitCountEnd = counterDigitCount;
    if (Module1::SoundsOn) Module1::PlayWave("counter0");
}
