#include "tools/assetgen/icons.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "tools/assetgen/palette.h"

namespace assetgen {

namespace {

using Points = std::vector<std::pair<double, double>>;

constexpr Colour kBlueLight{120, 180, 250};
constexpr Colour kBlueDeep{22, 70, 160};
constexpr Colour kBlueRim{14, 42, 104};
constexpr Colour kRed{214, 48, 40};
constexpr Colour kRedDeep{120, 16, 14};
constexpr Colour kGreen{70, 180, 60};
constexpr Colour kGreenDeep{20, 96, 24};
constexpr Colour kRim{40, 40, 48};

Points Placed(const Frame& f, const Points& units) {
    Points out;
    for (const auto& [u, v] : units) out.emplace_back(f.x(u), f.y(v));
    return out;
}

// A shape filled top to bottom from @p light to @p deep, outlined in @p rim.
void Body(Canvas& c, const Frame& f, const Shape& s, Colour light, Colour deep, Colour rim,
          double rimWidth = 0.9) {
    c.fill(s, Linear(0, f.y(0), light, 0, f.y(16), deep));
    c.fill(Outline(s, f.s(rimWidth)), Solid(rim));
}

void Disc(Canvas& c, const Frame& f) {
    const Shape disc = Circle(f.x(8), f.y(8), f.s(7.2));
    c.fill(disc, Radial(f.x(6), f.y(5), f.s(9), kBlueLight, kBlueDeep));
    c.fill(Outline(disc, f.s(0.9)), Solid(kBlueRim));
}

// A four-pointed star around (u, v) of radius r units.
Shape Sparkle(const Frame& f, double u, double v, double r) {
    const double w = r * 0.28;
    return Polygon(Placed(f, {{u, v - r},
                              {u + w, v - w},
                              {u + r, v},
                              {u + w, v + w},
                              {u, v + r},
                              {u - w, v + w},
                              {u - r, v},
                              {u - w, v - w}}));
}

// A bent arrow: the shaft over the top from one side to the other, the head at @p left's end.
void BentArrow(Canvas& c, const Frame& f, bool left) {
    const double from = left ? 200 : 180, to = left ? 360 : 340;
    const Shape shaft = Arc(f.x(8), f.y(10), f.s(5.2), f.s(5), from, to, f.s(2.4));
    const double tip = left ? 2.2 : 13.8;
    const Shape head = Polygon(Placed(f, {{tip - 3.2, 8.6}, {tip + 3.2, 8.6}, {tip, 13.6}}));
    const Shape arrow = Union({shaft, head});
    c.fill(Outline(arrow, f.s(1.1)), Solid(kBlueRim));
    c.fill(arrow, Linear(0, f.y(4), kBlueLight, 0, f.y(14), kBlueDeep));
}

}  // namespace

void DrawNewGame(Canvas& c, const Frame& f) {
    const Shape die = RoundRect(f.x(1.5), f.y(4), f.s(10.5), f.s(10.5), f.s(2.4));
    Body(c, f, die, kIvory, kIvoryShade, kRim);
    for (const auto& [u, v] : Points{{4.2, 6.7}, {6.75, 9.25}, {9.3, 11.8}})
        c.fill(Circle(f.x(u), f.y(v), f.s(1.15)), Solid(kInk));
    const Shape star = Sparkle(f, 12.3, 3.7, 3.7);
    c.fill(Outline(star, f.s(0.8)), Solid(kGoldDeep));
    c.fill(star, Solid(kGold));
}

void DrawOptions(Canvas& c, const Frame& f) {
    std::vector<Shape> parts{Circle(f.x(8), f.y(8), f.s(5.1))};
    for (int t = 0; t < 6; ++t) {
        const double a = t * std::numbers::pi / 3, ca = std::cos(a), sa = std::sin(a);
        const auto at = [&](double along, double across) {
            return std::pair{8 + along * ca - across * sa, 8 + along * sa + across * ca};
        };
        parts.push_back(Polygon(Placed(f, {at(4, -2.0), at(7.4, -1.5), at(7.4, 1.5), at(4, 2.0)})));
    }
    const Shape gear = Minus(Union(std::move(parts)), Circle(f.x(8), f.y(8), f.s(2.4)));
    Body(c, f, gear, {196, 204, 216}, {88, 98, 116}, {36, 42, 54}, 1.2);
}

void DrawScores(Canvas& c, const Frame& f) {
    const Shape bowl = Union(
        {Rect(f.x(3.5), f.y(1.5), f.s(9), f.s(4)), Ellipse(f.x(8), f.y(5.5), f.s(4.5), f.s(4.4))});
    const Shape handles = Union({Outline(Ellipse(f.x(3.4), f.y(5), f.s(2), f.s(2.2)), f.s(1.2)),
                                 Outline(Ellipse(f.x(12.6), f.y(5), f.s(2), f.s(2.2)), f.s(1.2))});
    const Shape stand = Union({Rect(f.x(7), f.y(9.5), f.s(2), f.s(2.8)),
                               RoundRect(f.x(4.2), f.y(12), f.s(7.6), f.s(2.8), f.s(0.8))});
    const Shape cup = Union({bowl, handles, stand});
    Body(c, f, cup, {255, 226, 120}, kGoldDeep, {112, 70, 8});
    c.fill(Ellipse(f.x(6.2), f.y(4.4), f.s(1.1), f.s(2.2)), Solid(kWhite), 0.55);
}

void DrawExit(Canvas& c, const Frame& f) {
    const Shape door = Rect(f.x(1.5), f.y(1.5), f.s(8), f.s(13));
    Body(c, f, door, {196, 132, 72}, {112, 60, 24}, {60, 30, 10});
    c.fill(Circle(f.x(7.6), f.y(8.4), f.s(0.8)), Solid(kGold));
    const Shape arrow = Polygon(Placed(f, {{6.5, 6.6},
                                           {10.5, 6.6},
                                           {10.5, 3.8},
                                           {15.2, 8.2},
                                           {10.5, 12.6},
                                           {10.5, 9.8},
                                           {6.5, 9.8}}));
    c.fill(Outline(arrow, f.s(1.0)), Solid(kRedDeep));
    c.fill(arrow, Linear(0, f.y(4), {250, 110, 90}, 0, f.y(12), kRed));
}

void DrawUndo(Canvas& c, const Frame& f) { BentArrow(c, f, true); }
void DrawRedo(Canvas& c, const Frame& f) { BentArrow(c, f, false); }

void DrawHelp(Canvas& c, const Frame& f) {
    Disc(c, f);
    c.fill(Arc(f.x(8), f.y(6.3), f.s(2.7), f.s(2.5), 190, 440, f.s(1.9)), Solid(kWhite));
    c.fill(Segment(f.x(8.4), f.y(8.8), f.x(8.2), f.y(9.8), f.s(1.9)), Solid(kWhite));
    c.fill(Circle(f.x(8.2), f.y(12.3), f.s(1.15)), Solid(kWhite));
}

void DrawWeb(Canvas& c, const Frame& f) {
    const Shape globe = Circle(f.x(8), f.y(8), f.s(7.2));
    c.fill(globe, Radial(f.x(6), f.y(5), f.s(9), {150, 210, 255}, {20, 90, 180}));
    const Shape outside = Minus(Rect(f.x(-2), f.y(-2), f.s(20), f.s(20)), globe);
    for (const Shape& land : {Ellipse(f.x(5.5), f.y(6), f.s(3), f.s(2.2)),
                              Ellipse(f.x(10.5), f.y(11), f.s(3.2), f.s(2.3)),
                              Ellipse(f.x(12.5), f.y(4.5), f.s(1.6), f.s(1.2))})
        c.fill(Minus(land, outside), Linear(0, f.y(3), {120, 200, 90}, 0, f.y(14), kGreenDeep));
    for (const Shape& line : {Outline(Ellipse(f.x(8), f.y(8), f.s(3.2), f.s(7.2)), f.s(0.6)),
                              Segment(f.x(1), f.y(8), f.x(15), f.y(8), f.s(0.6)),
                              Segment(f.x(8), f.y(1), f.x(8), f.y(15), f.s(0.6))})
        c.fill(Minus(line, outside), Solid(kWhite), 0.45);
    c.fill(Outline(globe, f.s(0.9)), Solid(kBlueRim));
}

void DrawAbout(Canvas& c, const Frame& f) {
    Disc(c, f);
    c.fill(Circle(f.x(8), f.y(4.6), f.s(1.3)), Solid(kWhite));
    c.fill(RoundRect(f.x(6.9), f.y(6.9), f.s(2.2), f.s(6.2), f.s(0.6)), Solid(kWhite));
}

void DrawBook(Canvas& c, const Frame& f) {
    const Shape cover =
        Polygon(Placed(f, {{0.5, 3.5}, {8, 5}, {15.5, 3.5}, {15.5, 14.5}, {8, 15.5}, {0.5, 14.5}}));
    c.fill(cover, Solid(kBlueDeep));
    const Shape left = Polygon(Placed(f, {{1.3, 2}, {7.6, 3.6}, {7.6, 14}, {1.3, 12.8}}));
    const Shape right = Polygon(Placed(f, {{8.4, 3.6}, {14.7, 2}, {14.7, 12.8}, {8.4, 14}}));
    for (const Shape& page : {left, right}) {
        c.fill(page, Linear(0, f.y(2), kWhite, 0, f.y(14), kIvoryShade));
        c.fill(Outline(page, f.s(0.6)), Solid({90, 90, 100}), 0.6);
    }
    for (int line = 0; line < 3; ++line) {
        const double v = 6 + 2.5 * line;
        c.fill(Segment(f.x(2.8), f.y(v - 0.5), f.x(6.4), f.y(v + 0.3), f.s(1)), Solid(kBlueRim),
               0.6);
        c.fill(Segment(f.x(9.6), f.y(v + 0.3), f.x(13.2), f.y(v - 0.5), f.s(1)), Solid(kBlueRim),
               0.6);
    }
}

void DrawLetter(Canvas& c, const Frame& f) {
    const Shape envelope = RoundRect(f.x(1), f.y(3), f.s(16), f.s(10.5), f.s(1));
    Body(c, f, envelope, kWhite, kIvoryShade, {80, 76, 70});
    c.fill(Polyline(Placed(f, {{1.6, 3.6}, {9, 9.4}, {16.4, 3.6}}), f.s(1.0)), Solid({80, 76, 70}));
    c.fill(Circle(f.x(9), f.y(9.2), f.s(1.6)), Solid(kRed));
}

void DrawCheck(Canvas& c, const Frame& f) {
    const Points tick{{2.3, 7.6}, {5.8, 11.2}, {12.6, 3.2}};
    c.fill(Polyline(Placed(f, tick), f.s(3.8)), Solid(kGreenDeep));
    c.fill(Polyline(Placed(f, tick), f.s(2.2)),
           Linear(0, f.y(3), {140, 230, 110}, 0, f.y(12), kGreen));
}

void DrawBulb(Canvas& c, const Frame& f) {
    const Shape glass =
        Union({Circle(f.x(8), f.y(6.5), f.s(5)),
               Polygon(Placed(f, {{4.6, 9.5}, {11.4, 9.5}, {10.2, 12.4}, {5.8, 12.4}}))});
    c.fill(glass, Radial(f.x(7), f.y(5.2), f.s(7), {255, 252, 200}, {250, 196, 40}));
    c.fill(Outline(glass, f.s(0.8)), Solid({150, 100, 10}));
    const Shape base = RoundRect(f.x(5.6), f.y(12.2), f.s(4.8), f.s(3.3), f.s(0.8));
    Body(c, f, base, {210, 214, 222}, {100, 104, 116}, {50, 54, 64}, 0.7);
    c.fill(Segment(f.x(5.8), f.y(13.8), f.x(10.2), f.y(13.8), f.s(0.5)), Solid({60, 60, 70}));
}

void DrawSpeaker(Canvas& c, const Frame& f, bool on) {
    const Shape box =
        Polygon(Placed(f, {{1, 5.8}, {4.4, 5.8}, {8.8, 1.8}, {8.8, 14.2}, {4.4, 10.2}, {1, 10.2}}));
    Body(c, f, box, {150, 156, 170}, {50, 54, 66}, {24, 26, 34});
    if (on) {
        for (const auto& [r, w] : {std::pair{3.2, 1.3}, std::pair{5.8, 1.3}})
            c.fill(Arc(f.x(8.8), f.y(8), f.s(r), f.s(r), -48, 48, f.s(w)), Solid(kBlueDeep));
        return;
    }
    const Shape cross = Union({Segment(f.x(10.5), f.y(5), f.x(15), f.y(11), f.s(2)),
                               Segment(f.x(15), f.y(5), f.x(10.5), f.y(11), f.s(2))});
    c.fill(Outline(cross, f.s(0.8)), Solid(kRedDeep));
    c.fill(cross, Solid(kRed));
}

void DrawNotes(Canvas& c, const Frame& f, bool on) {
    const Shape notes = Union({Ellipse(f.x(4.2), f.y(12.4), f.s(2.5), f.s(1.9)),
                               Ellipse(f.x(12.2), f.y(10.9), f.s(2.5), f.s(1.9)),
                               Segment(f.x(6.1), f.y(12.2), f.x(6.1), f.y(3.6), f.s(1.2)),
                               Segment(f.x(14.1), f.y(10.7), f.x(14.1), f.y(2.1), f.s(1.2)),
                               Polygon(Placed(f, {{5.5, 3}, {14.7, 1.3}, {14.7, 4}, {5.5, 5.7}}))});
    Body(c, f, notes, {120, 110, 220}, {40, 24, 120}, {20, 12, 60}, 0.7);
    if (on) return;
    const Shape slash = Segment(f.x(1.5), f.y(14.5), f.x(14.5), f.y(1.5), f.s(2));
    c.fill(Outline(slash, f.s(0.8)), Solid(kRedDeep));
    c.fill(slash, Solid(kRed));
}

}  // namespace assetgen
