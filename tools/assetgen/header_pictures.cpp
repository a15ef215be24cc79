// The icons of the top-scores list's column headers, on the header's own grey: a person
// for the name, a calendar leaf for the date, a gold star for the score, and a small cup
// for the place.

#include <cmath>
#include <numbers>

#include "tools/assetgen/palette.h"
#include "tools/assetgen/pictures.h"

namespace assetgen {

namespace {

constexpr int32_t kSide = 16;
constexpr Colour kHeaderFace{240, 240, 240};
constexpr Colour kBlue{52, 96, 170};
constexpr Colour kBlueDeep{24, 52, 108};
constexpr Colour kRed{206, 52, 44};

gdi::Bitmap DrawPerson() {
    return DrawTwins(kSide, kSide, kHeaderFace, [](Canvas& c) {
        const Shape head = Circle(8, 5, 3);
        const Shape body = Minus(Ellipse(8, 15.5, 6, 6), Rect(0, 14.5, kSide, 2));
        for (const Shape& s : {head, body}) {
            c.fill(s, Linear(0, 1, {110, 150, 214}, 0, 15, kBlue));
            c.fill(Outline(s, 0.8), Solid(kBlueDeep), 0.9);
        }
    });
}

gdi::Bitmap DrawCalendar() {
    return DrawTwins(kSide, kSide, kHeaderFace, [](Canvas& c) {
        const Shape leaf = RoundRect(2, 2.5, 12, 11.5, 1.5);
        c.fill(leaf, Solid(kWhite));
        c.fill(Rect(2, 2.5, 12, 3.5), Solid(kRed));
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 3; ++col)
                c.fill(Rect(4 + col * 3, 7.5 + row * 3, 2, 2), Solid({90, 96, 110}));
        c.fill(Outline(leaf, 0.8), Solid({70, 74, 86}), 0.9);
    });
}

// Five points on a circle of radius 7, the notches between them on radius 3.
gdi::Bitmap DrawStar() {
    return DrawTwins(kSide, kSide, kHeaderFace, [](Canvas& c) {
        std::vector<std::pair<double, double>> corners;
        for (int i = 0; i < 10; ++i) {
            const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            const double r = i % 2 == 0 ? 7.2 : 3.0;
            corners.emplace_back(8 + r * std::cos(angle), 8.6 + r * std::sin(angle));
        }
        const Shape star = Polygon(corners);
        c.fill(star, Linear(0, 1, {255, 230, 140}, 0, 15, kGoldDeep));
        c.fill(Outline(star, 0.7), Solid({120, 78, 10}), 0.9);
    });
}

gdi::Bitmap DrawCup() {
    return DrawTwins(kSide, kSide, kHeaderFace, [](Canvas& c) {
        const Shape bowl = Minus(Ellipse(8, 3, 5, 7.5), Rect(0, -5, kSide, 7.5));
        const Shape cup =
            Union({bowl, Arc(3, 5.5, 2, 2.2, 90, 270, 1.2), Arc(13, 5.5, 2, 2.2, -90, 90, 1.2),
                   Rect(7, 10, 2, 2.5), RoundRect(4.5, 12.5, 7, 2.5, 0.8)});
        c.fill(cup, Linear(0, 2.5, {255, 230, 140}, 0, 15, kGoldDeep));
        c.fill(Outline(cup, 0.7), Solid({120, 78, 10}), 0.8);
    });
}

}  // namespace

// In the order of the list's image list: name, date, score, place.
Pictures HeaderPictures() {
    return {{"hdrname", DrawPerson()},
            {"hdrdate", DrawCalendar()},
            {"hdrscore", DrawStar()},
            {"hdrplace", DrawCup()}};
}

}  // namespace assetgen
