// The dice: a rounded ivory die with engraved pips, lying on the green cloth with a soft
// shadow. A held die is gold with dark red pips and a gold ring, so that the player sees at
// a glance which dice stay on the table.

#include <array>
#include <string>
#include <utility>

#include "tools/assetgen/palette.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/pips.h"

namespace assetgen {

namespace {

constexpr int32_t kSide = 53;  // 800 twips
constexpr double kBodyLeft = 3.5;
constexpr double kBodySide = 46;
constexpr double kCorner = 9;
constexpr double kCentre = kBodyLeft + kBodySide / 2;
constexpr double kPipOffset = 11.5;
constexpr double kPipRadius = 4.3;

struct DieLook {
    Colour light, dark;  // the body, lit from the top left
    Colour rim;
    Colour pipCentre, pipEdge;
    bool ring;  // the held die's gold ring
};

constexpr DieLook kFree{kIvory, kIvoryShade, {150, 140, 120}, {72, 80, 104}, kInk, false};
constexpr DieLook kHeld{{255, 226, 140}, {214, 150, 44}, {130, 80, 10},
                        {168, 52, 40},   {92, 16, 12},   true};

void DrawBody(Canvas& c, const DieLook& look) {
    const Shape body = RoundRect(kBodyLeft, kBodyLeft, kBodySide, kBodySide, kCorner);
    c.fill(Moved(body, 1.5, 2.5), Solid(kShadow), 0.55, 4);
    const double far = kBodyLeft + kBodySide;
    c.fill(body, Linear(kBodyLeft, kBodyLeft, look.light, far, far, look.dark));
    // A bevel: light along the top left edge, shade along the bottom right.
    c.fill(Outline(Grown(body, -1.6), 1.4),
           Linear(kBodyLeft, kBodyLeft, kWhite, far, far, Scale(look.dark, 0.85)), 0.6);
    c.fill(Outline(body, 1.0), Solid(look.rim), 0.8);
    if (look.ring) c.fill(Outline(Grown(body, -4.2), 1.3), Solid(kGoldDeep), 0.7);
}

void DrawPip(Canvas& c, const DieLook& look, double x, double y) {
    // Engraved: a lit lower right lip, the hollow darker towards its top left.
    c.fill(Circle(x + 0.7, y + 0.8, kPipRadius), Solid(kWhite), 0.75);
    c.fill(Circle(x, y, kPipRadius),
           Radial(x + 1.2, y + 1.2, kPipRadius * 1.3, look.pipCentre, look.pipEdge));
}

gdi::Bitmap DrawFace(int face, const DieLook& look) {
    return DrawTwins(kSide, kSide, kCloth, [&](Canvas& c) {
        DrawBody(c, look);
        for (const auto& [dx, dy] : kFaces[static_cast<size_t>(face - 1)])
            DrawPip(c, look, kCentre + dx * kPipOffset, kCentre + dy * kPipOffset);
    });
}

}  // namespace

Pictures DicePictures() {
    Pictures out;
    for (int face = 1; face <= 6; ++face)
        out.push_back({"die" + std::to_string(face), DrawFace(face, kFree)});
    for (int face = 1; face <= 6; ++face)
        out.push_back({"held" + std::to_string(face), DrawFace(face, kHeld)});
    return out;
}

}  // namespace assetgen
