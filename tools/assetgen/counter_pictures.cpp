// The score counter: a slate plate edged in gold, "TOTAL" and "PTS" in gold, and in the
// middle a dark window shaded like the drums of an odometer. The digits are ivory strokes on
// the same drum shading; since the shading changes only downwards, a digit copied into any
// cell of the window, or the blank window copied over one, leaves no seam.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "tools/assetgen/palette.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/vector_text.h"

namespace assetgen {

namespace {

constexpr int32_t kWidth = 160;  // 2400 twips
constexpr int32_t kHeight = 22;  // 330 twips
constexpr int32_t kCellWidth = 13;
constexpr int32_t kCellHeight = 17;
constexpr double kCellTop = 4;  // every digit cell's top inside the counter
constexpr double kWindowLeft = 42, kWindowTop = 2, kWindowWidth = 76, kWindowHeight = 19.5;
constexpr double kStroke = 2.0;

// Light on the drums: brightest across their middle, dark towards the top and bottom.
double DrumLight(double y) {
    const double t = std::clamp((y - kWindowTop) / kWindowHeight, 0.0, 1.0);
    return std::sin(std::numbers::pi * t);
}

Colour Drum(double y) { return Mix({6, 7, 10}, {56, 60, 70}, DrumLight(y)); }
Colour Ink(double y) { return Mix({120, 116, 108}, {250, 244, 230}, DrumLight(y)); }

// Paints in the coordinates of a digit cell, shaded as the window is at the cell's height.
const Paint kCellDrum = [](double, double y) { return Drum(y + kCellTop); };
const Paint kCellInk = [](double, double y) { return Ink(y + kCellTop); };

using Points = std::vector<std::pair<double, double>>;

// The strokes of each digit inside its 13 x 17 cell; index 10 is the minus sign.
Shape Glyph(int digit) {
    const double w = kStroke;
    switch (digit) {
        case 0:
            return Outline(Ellipse(6.5, 8.5, 3.5, 6), w);
        case 1:
            return Union({Segment(7, 2.5, 7, 14.5, w), Segment(7, 2.5, 4.3, 5, w)});
        case 2:
            return Union({Arc(6.5, 5.8, 3.5, 3.3, 170, 390, w),
                          Polyline(Points{{9.53, 7.45}, {3, 14.5}, {10.2, 14.5}}, w)});
        case 3:
            return Union(
                {Arc(6.4, 5.5, 3.3, 3.0, 200, 450, w), Arc(6.4, 11.5, 3.6, 3.0, 270, 520, w)});
        case 4:
            return Union({Segment(8.5, 2.5, 8.5, 14.5, w),
                          Polyline(Points{{8.5, 2.5}, {2.8, 10.5}, {10.5, 10.5}}, w)});
        case 5:
            return Union({Polyline(Points{{10, 2.5}, {3.8, 2.5}, {3.4, 8.3}}, w),
                          Arc(6.4, 10.6, 3.6, 3.9, 215, 495, w)});
        case 6:
            return Union(
                {Outline(Ellipse(6.5, 10.7, 3.5, 3.8), w), Arc(7.2, 8.6, 4.2, 6.1, 180, 290, w)});
        case 7:
            return Polyline(Points{{3, 2.5}, {10.2, 2.5}, {5.2, 14.5}}, w);
        case 8:
            return Union({Outline(Ellipse(6.5, 5.4, 3.0, 2.9), w),
                          Outline(Ellipse(6.5, 11.4, 3.5, 3.1), w)});
        case 9:
            return Union(
                {Outline(Ellipse(6.5, 6.3, 3.5, 3.8), w), Arc(5.8, 8.4, 4.2, 6.1, 0, 110, w)});
        default:
            return Segment(3.5, 8.5, 9.5, 8.5, w);
    }
}

gdi::Bitmap DrawCell(int digit) {
    return DrawTwins(kCellWidth, kCellHeight, kCloth, [digit](Canvas& c) {
        c.fill(Rect(0, 0, kCellWidth, kCellHeight), kCellDrum);
        c.fill(Glyph(digit), kCellInk);
    });
}

gdi::Bitmap DrawBlank() {
    return DrawTwins(kWidth, kHeight, kSheetGrey, [](Canvas& c) {
        const Shape plate = RoundRect(0.5, 0.5, kWidth - 1, kHeight - 1, 5);
        c.fill(plate, Linear(0, 0, {92, 98, 108}, 0, kHeight, {40, 44, 50}));
        c.fill(Outline(plate, 1.0), Linear(0, 0, kGold, 0, kHeight, kGoldDeep));
        const Shape window = RoundRect(kWindowLeft, kWindowTop, kWindowWidth, kWindowHeight, 3);
        c.fill(window, [](double, double y) { return Drum(y); });
        c.fill(Outline(window, 1.0), Solid(kShadow), 0.8);
        const Paint gold = Linear(0, 7, kGold, 0, 14, kGoldDeep);
        DrawWord(c, "TOTAL", 8, 7, 1, gold);
        DrawWord(c, "PTS", 132, 7, 1, gold);
    });
}

}  // namespace

Pictures CounterPictures() {
    Pictures out;
    for (int digit = 0; digit <= 9; ++digit)
        out.push_back({"digit" + std::to_string(digit), DrawCell(digit)});
    out.push_back({"minus", DrawCell(10)});
    out.push_back({"counter", DrawBlank()});
    return out;
}

}  // namespace assetgen
