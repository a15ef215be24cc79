// The roll area: a slate plate edged in gold, a dark rail along its top where the three roll
// lamps sit, and a big red button with "ROLL" and two small dice. Pressed, the button sinks
// in; disabled, it turns grey. The lamps are drawn on the rail's own colours, so that they
// sit on the plate without a seam in every look.

#include <string>

#include "tools/assetgen/palette.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/vector_text.h"

namespace assetgen {

namespace {

constexpr int32_t kWidth = 103;    // 1545 twips
constexpr int32_t kHeight = 114;   // 1710 twips
constexpr int32_t kLampSide = 17;  // 255 twips
constexpr double kLampTop = 6;     // every lamp's top inside the roll area

// The rail runs under all three lamps; its colour changes only downwards.
constexpr double kRailTop = 3, kRailBottom = 27;
const Paint kRail = Linear(0, kRailTop, {18, 20, 24}, 0, kRailBottom, {50, 54, 62});

enum class Look { Normal, Pressed, Disabled };

Shape Button() { return RoundRect(8, 32, 87, 76, 12); }

void DrawPlate(Canvas& c) {
    const Shape plate = RoundRect(0.5, 0.5, kWidth - 1, kHeight - 1, 10);
    c.fill(plate, Linear(0, 0, {74, 80, 90}, 0, kHeight, {36, 40, 46}));
    c.fill(Outline(plate, 1.2), Linear(0, 0, kGold, 0, kHeight, kGoldDeep));
    c.fill(Outline(Grown(plate, -1.6), 0.8), Solid(kShadow), 0.5);
    const Shape rail = RoundRect(9, kRailTop, 85, kRailBottom - kRailTop, 6);
    c.fill(rail, kRail);
    c.fill(Outline(rail, 0.8), Solid({96, 100, 108}), 0.7);
}

void DrawSmallDie(Canvas& c, double x, double y, const std::vector<std::pair<int, int>>& pips,
                  double opacity) {
    const Shape body = RoundRect(x, y, 17, 17, 4);
    c.fill(Moved(body, 0.8, 1.2), Solid(kShadow), 0.45 * opacity, 1.5);
    c.fill(body, Linear(x, y, kIvory, x + 17, y + 17, kIvoryShade), opacity);
    c.fill(Outline(body, 0.7), Solid({120, 110, 96}), 0.7 * opacity);
    for (const auto& [dx, dy] : pips)
        c.fill(Circle(x + 8.5 + dx * 4.2, y + 8.5 + dy * 4.2, 1.7), Solid(kInk), opacity);
}

void DrawButton(Canvas& c, Look look) {
    const Shape button = Button();
    const bool pressed = look == Look::Pressed;
    const bool off = look == Look::Disabled;
    const Colour top = off ? Colour{150, 150, 150} : Colour{228, 74, 58};
    const Colour bottom = off ? Colour{98, 98, 98} : Colour{136, 22, 20};
    if (!pressed) c.fill(Moved(button, 0, 2), Solid(kShadow), 0.55, 3);
    c.fill(button, pressed ? Linear(0, 32, Scale(bottom, 0.9), 0, 108, Scale(top, 0.8))
                           : Linear(0, 32, top, 0, 108, bottom));
    if (pressed) {
        c.fill(Minus(button, Moved(button, 1, 2.5)), Solid(kShadow), 0.45, 1.5);
    } else {
        c.fill(Ellipse(51.5, 42, 36, 7), Solid(kWhite), 0.16);
        c.fill(Outline(Grown(button, -1.6), 1), Linear(0, 32, kWhite, 0, 70, top), 0.35);
    }
    c.fill(Outline(button, 1.2), Solid(off ? Colour{70, 70, 70} : Colour{84, 12, 10}), 0.9);

    const double shift = pressed ? 1 : 0;
    const Colour ink = off ? Colour{204, 204, 204} : kIvory;
    DrawWord(c, "ROLL", 28 + shift, 41 + shift, 2, Solid(Scale(bottom, 0.6)));
    DrawWord(c, "ROLL", 28 + shift, 40 + shift, 2, Solid(ink));
    const double opacity = off ? 0.45 : 1;
    DrawSmallDie(c, 30 + shift, 63 + shift, {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}}, opacity);
    DrawSmallDie(c, 56 + shift, 67 + shift, {{-1, -1}, {0, 0}, {1, 1}}, opacity);
}

gdi::Bitmap DrawRollArea(Look look) {
    return DrawTwins(kWidth, kHeight, kCloth, [look](Canvas& c) {
        DrawPlate(c);
        DrawButton(c, look);
    });
}

gdi::Bitmap DrawLamp(bool lit) {
    return DrawTwins(kLampSide, kLampSide, kCloth, [lit](Canvas& c) {
        const Paint rail = [](double x, double y) { return kRail(x, y + kLampTop); };
        c.fill(Rect(0, 0, kLampSide, kLampSide), rail);
        const double m = kLampSide / 2.0;
        if (lit) c.fill(Circle(m, m, 6.5), Solid({255, 170, 60}), 0.5, 3);
        c.fill(Circle(m, m, 7.2), Solid({10, 10, 12}));
        c.fill(Outline(Circle(m, m, 7.2), 0.9), Linear(0, 1, {150, 140, 110}, 0, 16, {60, 56, 48}));
        if (lit)
            c.fill(Circle(m, m, 5.5),
                   Radial(m - 1.2, m - 1.5, 6.5, {255, 252, 210}, {236, 110, 16}));
        else
            c.fill(Circle(m, m, 5.5), Radial(m - 1.2, m - 1.5, 6.5, {120, 58, 40}, {44, 18, 14}));
        c.fill(Ellipse(m - 1.8, m - 2.2, 2.0, 1.3), Solid(kWhite), lit ? 0.85 : 0.3);
    });
}

}  // namespace

Pictures RollAreaPictures() {
    return {{"roll", DrawRollArea(Look::Normal)},
            {"rollpressed", DrawRollArea(Look::Pressed)},
            {"rolloff", DrawRollArea(Look::Disabled)},
            {"lamplit", DrawLamp(true)},
            {"lampdark", DrawLamp(false)}};
}

}  // namespace assetgen
