// The pictures of the menus and the toolbar: each menu item's picture on white with its
// mask (black where the picture is drawn, white where the menu's background shows), the
// tiled background of the menus and the toolbar, the toolbar's ten buttons on the grey
// that is their transparent colour, and the windows' icon.

#include <cmath>
#include <numbers>
#include <string>

#include "tools/assetgen/icons.h"
#include "tools/assetgen/palette.h"
#include "tools/assetgen/pictures.h"

namespace assetgen {

namespace {

constexpr int32_t kMenuSide = 16;
constexpr int32_t kToolSide = 22;
constexpr int32_t kTile = 64;
constexpr int32_t kIconSide = 32;
constexpr Colour kToolMaskGrey{192, 192, 192};

// The picture on white, and its mask from the picture's shape: a pixel the shape covers
// by a third or more is drawn. The mask's twin is the mask doubled: a mask has no finer
// edge to give, and the picture is white around its shape.
void AddMasked(Pictures& out, const std::string& name, const std::string& maskName, int32_t width,
               int32_t height, const Icon& icon, const Frame& frame) {
    out.push_back({name, DrawTwins(width, height, kWhite, [&](Canvas& c) { icon(c, frame); })});
    Canvas shape(width, height, 1, kWhite);
    shape.silhouette = true;
    icon(shape, frame);
    gdi::Bitmap mask = shape.bitmap();
    for (int32_t y = 0; y < mask.height(); ++y)
        for (uint32_t& p : mask.row(y)) p = (p & 0xFFu) < 170 ? 0x000000u : 0xFFFFFFu;
    mask.setTwin(gdi::Doubled(mask));
    out.push_back({maskName, std::move(mask)});
}

// Smooth noise that repeats every @p period pixels both ways, from -1 to 1.
double TileNoise(double x, double y, int period) {
    const auto hash = [period](int i, int j) {
        const auto u = static_cast<uint32_t>(((i % period + period) % period) * 73856093) ^
                       static_cast<uint32_t>(((j % period + period) % period) * 19349663);
        return static_cast<double>((u * 2654435761u) >> 8 & 0xFFFF) / 32767.5 - 1;
    };
    const int i = static_cast<int>(std::floor(x)), j = static_cast<int>(std::floor(y));
    const double fx = x - i, fy = y - j;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double top = hash(i, j) + (hash(i + 1, j) - hash(i, j)) * sx;
    const double bottom = hash(i, j + 1) + (hash(i + 1, j + 1) - hash(i, j + 1)) * sx;
    return top + (bottom - top) * sy;
}

// Pale linen: a warm ivory with soft mottling and fine threads across and down, seamless
// when tiled.
gdi::Bitmap DrawMenuBackground() {
    return DrawTwins(kTile, kTile, kIvory, [](Canvas& c) {
        const Paint linen = [](double x, double y) {
            const double mottle =
                0.6 * TileNoise(x / 8, y / 8, kTile / 8) + 0.4 * TileNoise(x / 4, y / 4, kTile / 4);
            const double threads = 0.5 * std::sin(x * std::numbers::pi * 2 / 4) *
                                   std::sin(y * std::numbers::pi * 2 / 4);
            return Mix({252, 248, 238}, {226, 216, 194}, 0.45 + 0.35 * mottle + 0.12 * threads);
        };
        c.fill(Rect(0, 0, kTile, kTile), linen);
    });
}

gdi::Bitmap DrawTool(const Icon& icon) {
    return DrawTwins(kToolSide, kToolSide, kToolMaskGrey, [&](Canvas& c) {
        icon(c, Frame{1, 1, 20.0 / 16});
    });
}

// A red die showing five, the program's own sign, on magenta that stands for transparent.
gdi::Bitmap DrawProgramIcon() {
    return DrawTwins(kIconSide, kIconSide, {255, 0, 255}, [](Canvas& c) {
        const Shape die = RoundRect(2, 2, 28, 28, 6);
        c.fill(die, Linear(0, 2, {236, 84, 68}, 0, 30, {140, 20, 18}));
        c.fill(Outline(die, 1.2), Solid({84, 12, 10}));
        c.fill(Ellipse(16, 8, 10, 3.5), Solid(kWhite), 0.2);
        for (const auto& [x, y] :
             {std::pair{9.5, 9.5}, {22.5, 9.5}, {16.0, 16.0}, {9.5, 22.5}, {22.5, 22.5}})
            c.fill(Circle(x, y, 2.8), Radial(x - 0.8, y - 0.8, 3.5, kWhite, kIvoryShade));
    });
}

}  // namespace

Pictures MenuPictures() {
    Pictures out;
    const Frame menu{0, 0, 1};
    const std::pair<const char*, Icon> items[] = {{"new", DrawNewGame},   {"options", DrawOptions},
                                                  {"scores", DrawScores}, {"exit", DrawExit},
                                                  {"undo", DrawUndo},     {"redo", DrawRedo},
                                                  {"help", DrawHelp},     {"visitweb", DrawWeb},
                                                  {"about", DrawAbout},   {"quickstart", DrawBook}};
    for (const auto& [name, icon] : items)
        AddMasked(out, name, std::string(name) + "mask", kMenuSide, kMenuSide, icon, menu);
    AddMasked(out, "sendmail", "sendmailmask", 18, kMenuSide, DrawLetter, menu);
    AddMasked(out, "CHECK", "checkmask", 15, 15, DrawCheck, menu);
    out.push_back({"menuback", DrawMenuBackground()});
    out.push_back({"appicon", DrawProgramIcon()});
    return out;
}

Pictures ToolbarPictures() {
    using namespace std::placeholders;
    const Icon tools[10] = {DrawNewGame,
                            DrawUndo,
                            DrawRedo,
                            DrawBulb,
                            std::bind(DrawSpeaker, _1, _2, true),
                            DrawBook,
                            DrawExit,
                            std::bind(DrawSpeaker, _1, _2, false),
                            std::bind(DrawNotes, _1, _2, true),
                            std::bind(DrawNotes, _1, _2, false)};
    Pictures out;
    for (int n = 0; n < 10; ++n)
        out.push_back({"tool" + std::to_string(n + 1), DrawTool(tools[n])});
    return out;
}

}  // namespace assetgen
