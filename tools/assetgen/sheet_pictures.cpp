// The sheet's pictures: the cell button, a pale blue key; the one-column row buttons, the
// same key across the sheet with the row's name, and their lit look in the gold of a
// tooltip with a gold stud either side of the name; and the gold arrow that points from
// "Grand Total" at the counter.

#include <array>
#include <string>

#include "tools/assetgen/palette.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/pixel_font.h"

namespace assetgen {

namespace {

constexpr int32_t kCellWidth = 40;            // 600 twips
constexpr int32_t kRowWidth = 160;            // 2400 twips
constexpr int32_t kButtonHeight = 17;         // 260 twips
constexpr int32_t kArrowSide = 13;            // 195 twips
constexpr Colour kButtonFace{240, 240, 240};  // what a button shows around its picture

// The row names as the sheet shows them, rows 0 to 12.
constexpr std::array<const char*, 13> kRowNames = {
    "Ones", "Twos",        "Threes",     "Fours",    "Fives",       "Sixes",   "Max",
    "Min",  "3 of a Kind", "Full House", "Straight", "4 of a Kind", "Tolvarin"};

struct KeyLook {
    Colour top, bottom, rim, ink;
};
constexpr KeyLook kNormal{{252, 253, 255}, {204, 216, 236}, {124, 142, 174}, {24, 36, 72}};
constexpr KeyLook kLit{{255, 248, 206}, {246, 208, 110}, {184, 136, 40}, {40, 24, 6}};

// Square to the button's own raised edge, which is drawn over the picture's outer ring:
// a rounded key would leave its rim's corners showing inside that edge.
void DrawKey(Canvas& c, double width, const KeyLook& look) {
    const Shape key = Rect(0, 0, width, kButtonHeight);
    c.fill(key, Linear(0, 0, look.top, 0, kButtonHeight, look.bottom));
    c.fill(Outline(Rect(1.5, 1.5, width - 3, kButtonHeight - 3), 0.8),
           Linear(0, 0, kWhite, 0, 9, look.top), 0.6);
    c.fill(Outline(Rect(0.5, 0.5, width - 1, kButtonHeight - 1), 1.0), Solid(look.rim), 0.5);
}

void DrawStud(Canvas& c, double x, double y, double radius) {
    c.fill(Circle(x + 0.4, y + 0.6, radius), Solid(kShadow), 0.3, 1);
    c.fill(Circle(x, y, radius),
           Radial(x - 0.8, y - 0.8, radius * 1.5, {255, 236, 160}, kGoldDeep));
}

gdi::Bitmap DrawCellButton() {
    return DrawTwins(kCellWidth, kButtonHeight, kButtonFace,
                     [](Canvas& c) { DrawKey(c, kCellWidth, kNormal); });
}

gdi::Bitmap DrawRow(const std::string& name, const KeyLook& look, bool lit) {
    return DrawTwins(kRowWidth, kButtonHeight, kButtonFace, [&](Canvas& c) {
        DrawKey(c, kRowWidth, look);
        const int left = (kRowWidth - TextWidth(name)) / 2;
        const double top = (kButtonHeight - kCapHeight) / 2;
        if (lit) {
            DrawStud(c, left - 9, kButtonHeight / 2.0, 2.2);
            DrawStud(c, left + TextWidth(name) + 8, kButtonHeight / 2.0, 2.2);
        }
        DrawText(c, name, left, top, 1, Solid(look.ink));
    });
}

// The hand-over buttons in the roll area: an ivory and gold key in a dark slate socket,
// edged in gold like the roll area; greyed while disabled. The caption is the button's.
gdi::Bitmap DrawHandOver(bool enabled) {
    constexpr int32_t kWidth = 93, kHeight = 23;  // 1395 x 345 twips
    return DrawTwins(kWidth, kHeight, {36, 40, 46}, [enabled](Canvas& c) {
        const Shape key = RoundRect(1.5, 1.5, kWidth - 3, kHeight - 3, 5);
        c.fill(Moved(key, 0, 1), Solid(kShadow), 0.5, 1.5);
        const Colour top = enabled ? Colour{255, 246, 214} : Colour{226, 226, 226};
        const Colour bottom = enabled ? Colour{232, 186, 90} : Colour{168, 168, 168};
        c.fill(key, Linear(0, 1.5, top, 0, kHeight - 1.5, bottom));
        c.fill(Outline(Grown(key, -1.2), 0.8), Linear(0, 0, kWhite, 0, 12, top), 0.6);
        c.fill(Outline(key, 1.1),
               enabled ? Linear(0, 0, kGold, 0, kHeight, kGoldDeep) : Solid({110, 110, 110}));
    });
}

gdi::Bitmap DrawArrow() {
    return DrawTwins(kArrowSide, kArrowSide, kCloth, [](Canvas& c) {
        const Shape arrow = Polygon(
            {{1.5, 4.6}, {6.2, 4.6}, {6.2, 1.5}, {11.8, 6.5}, {6.2, 11.5}, {6.2, 8.4}, {1.5, 8.4}});
        c.fill(Moved(arrow, 0.6, 0.9), Solid(kShadow), 0.5, 1.2);
        c.fill(arrow, Linear(0, 1.5, {255, 230, 140}, 0, 11.5, kGoldDeep));
        c.fill(Outline(arrow, 0.7), Solid({96, 62, 8}), 0.8);
    });
}

}  // namespace

Pictures SheetPictures() {
    Pictures out{{"cellbutton", DrawCellButton()}};
    for (size_t row = 0; row < kRowNames.size(); ++row)
        out.push_back({"row" + std::to_string(row), DrawRow(kRowNames[row], kNormal, false)});
    for (size_t row = 0; row < kRowNames.size(); ++row)
        out.push_back({"rowlit" + std::to_string(row), DrawRow(kRowNames[row], kLit, true)});
    out.push_back({"arrow", DrawArrow()});
    out.push_back({"handover", DrawHandOver(true)});
    out.push_back({"handoveroff", DrawHandOver(false)});
    return out;
}

}  // namespace assetgen
