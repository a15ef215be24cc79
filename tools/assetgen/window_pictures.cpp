// The pictures of the windows a player sees first: the splash, the welcome dialog's tall
// picture and the about box's banner. Each is a night-blue table lit from above, with ivory
// dice tumbling across it and the game's name in gold.

#include <array>
#include <cmath>
#include <numbers>

#include "tools/assetgen/palette.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/pips.h"
#include "tools/assetgen/pixel_font.h"

namespace assetgen {

namespace {

constexpr Colour kNightTop{14, 62, 116};
constexpr Colour kNightBottom{2, 20, 46};
constexpr Colour kGlow{70, 130, 196};
constexpr Colour kPipInk{36, 40, 60};

// A die lying on the table: where its centre is, its side, how far it is turned and the
// face it shows.
struct Die {
    double cx, cy, side, degrees;
    int face;
};

// @p shape turned by @p degrees about (cx, cy); its box grows to hold any turn.
Shape Turned(Shape shape, double cx, double cy, double degrees) {
    const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    const Box b = shape.bounds;
    const double reach = std::hypot(std::max(std::abs(b.left - cx), std::abs(b.right - cx)),
                                    std::max(std::abs(b.top - cy), std::abs(b.bottom - cy)));
    auto inner = shape.distance;
    return {[=](double x, double y) {
                const double dx = x - cx, dy = y - cy;
                return inner(cx + dx * c + dy * s, cy - dx * s + dy * c);
            },
            {cx - reach, cy - reach, cx + reach, cy + reach}};
}

void DrawDie(Canvas& canvas, const Die& d) {
    const double half = d.side / 2;
    const Shape body = Turned(RoundRect(d.cx - half, d.cy - half, d.side, d.side, d.side * 0.2),
                              d.cx, d.cy, d.degrees);
    canvas.fill(Moved(body, d.side * 0.06, d.side * 0.1), Solid(kShadow), 0.55, d.side * 0.12);
    canvas.fill(body,
                Linear(d.cx - half, d.cy - half, kIvory, d.cx + half, d.cy + half, kIvoryShade));
    canvas.fill(
        Outline(Grown(body, -d.side * 0.035), d.side * 0.03),
        Linear(d.cx - half, d.cy - half, kWhite, d.cx + half, d.cy + half, Scale(kIvoryShade, 0.8)),
        0.6);
    canvas.fill(Outline(body, d.side * 0.02), Solid({140, 130, 110}), 0.8);
    const double a = d.degrees * std::numbers::pi / 180, step = d.side / 4;
    for (const auto& [px, py] : kFaces[static_cast<size_t>(d.face - 1)]) {
        const double x = d.cx + (px * std::cos(a) - py * std::sin(a)) * step;
        const double y = d.cy + (px * std::sin(a) + py * std::cos(a)) * step;
        const double r = d.side * 0.085;
        canvas.fill(Circle(x + r * 0.15, y + r * 0.2, r), Solid(kWhite), 0.7);
        canvas.fill(Circle(x, y, r),
                    Radial(x + r * 0.3, y + r * 0.3, r * 1.3, {80, 90, 120}, kPipInk));
    }
}

// The table: night blue, a pool of light from above, a thin gold edge.
void DrawTable(Canvas& c, double width, double height, double lightX, double lightY) {
    c.fill(Rect(0, 0, width, height), Linear(0, 0, kNightTop, 0, height, kNightBottom));
    c.fill(Ellipse(lightX, lightY, width * 0.55, height * 0.5),
           Radial(lightX, lightY, std::max(width, height) * 0.55, kGlow, kNightBottom), 0.45,
           height * 0.3);
    c.fill(Outline(Rect(1, 1, width - 2, height - 2), 1),
           Linear(0, 0, kGold, width, height, kGoldDeep), 0.9);
}

// @p text in the pixel font, centred on @p cx, with a soft dark shadow under it.
void DrawTitle(Canvas& c, std::string_view text, double cx, double top, double dot, Colour from,
               Colour to) {
    const double left = cx - TextWidth(text) * dot / 2;
    DrawText(c, text, left + dot * 0.5, top + dot * 0.6, dot, Solid(kShadow));
    DrawText(c, text, left, top, dot, Linear(0, top, from, 0, top + kCapHeight * dot, to));
}

gdi::Bitmap Splash() {
    constexpr int32_t width = 378, height = 210;
    return DrawTwins(width, height, kNightBottom, [](Canvas& c) {
        DrawTable(c, width, height, 110, 90);
        DrawDie(c, {62, 118, 50, -18, 5});
        DrawDie(c, {118, 72, 42, 14, 3});
        DrawDie(c, {132, 146, 38, 31, 6});
        DrawTitle(c, "TOLVARIN", 266, 66, 4, {255, 236, 150}, kGoldDeep);
        DrawTitle(c, "the dice game", 266, 112, 2, kIvory, kIvoryShade);
        c.fill(Rect(204, 136, 124, 1.2), Solid(kGold), 0.8);
        DrawTitle(c, "Version 2.3", 266, 150, 1, {190, 210, 235}, {150, 175, 210});
    });
}

gdi::Bitmap WelcomePicture() {
    constexpr int32_t width = 150, height = 254;
    return DrawTwins(width, height, kNightBottom, [](Canvas& c) {
        DrawTable(c, width, height, 75, 100);
        DrawDie(c, {52, 52, 44, -12, 6});
        DrawDie(c, {102, 98, 40, 20, 5});
        DrawDie(c, {58, 146, 42, 8, 4});
        DrawDie(c, {104, 190, 36, -26, 1});
        DrawTitle(c, "TOLVARIN", 75, 228, 2, {255, 236, 150}, kGoldDeep);
    });
}

// A straight from one to five across the banner.
gdi::Bitmap AboutPicture() {
    constexpr int32_t width = 314, height = 120;
    return DrawTwins(width, height, kNightBottom, [](Canvas& c) {
        DrawTable(c, width, height, 157, 50);
        const double turns[5] = {-10, 6, -4, 12, -8};
        for (int i = 0; i < 5; ++i)
            DrawDie(c, {42.0 + i * 57.5, 50.0 + (i % 2) * 8, 40, turns[i], i + 1});
        DrawTitle(c, "TOLVARIN", 157, 97, 2, {255, 236, 150}, kGoldDeep);
    });
}

}  // namespace

Pictures WindowPictures() {
    return {{"splash", Splash()}, {"welcome", WelcomePicture()}, {"aboutbanner", AboutPicture()}};
}

}  // namespace assetgen
