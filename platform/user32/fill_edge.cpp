// Filled rectangles, 3-D edges and the system colours.

#include <array>
#include <optional>
#include <utility>

#include "platform/gdi/colours.h"
#include "platform/gdi/handles.h"
#include "platform/gdi/paint.h"
#include "platform/user32/draw.h"

namespace win {

using namespace gdi::detail;

namespace {

// The colours of one ring of an edge, by the edge bit that asks for it (BDR_RAISEDOUTER
// first): the top and left lines take the first system colour, the bottom and right lines
// the second.
struct RingColours {
    int32_t topLeft;
    int32_t bottomRight;
};
constexpr std::array<RingColours, 4> kRings = {{
    {COLOR_3DLIGHT, COLOR_3DDKSHADOW},      // raised outer
    {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT},  // sunken outer
    {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},  // raised inner
    {COLOR_3DDKSHADOW, COLOR_3DLIGHT},      // sunken inner
}};

// The ring a pair of edge bits asks for (raised before sunken), or nothing.
const RingColours* ringOf(uint32_t edge, uint32_t raised, uint32_t sunken, size_t first) {
    if (edge & raised) return &kRings[first];
    if (edge & sunken) return &kRings[first + 1];
    return nullptr;
}

// Draws one ring on the sides @p sides of @p r and moves those sides inwards by a pixel.
void drawRing(gdi::Bitmap& pixels, RECT& r, uint32_t sides, const RingColours& ring) {
    const uint32_t light = gdi::ToPixel(gdi::SysColour(ring.topLeft));
    const uint32_t dark = gdi::ToPixel(gdi::SysColour(ring.bottomRight));
    const int32_t rightStop = r.right - ((sides & BF_RIGHT) ? 1 : 0);
    const int32_t bottomStop = r.bottom - ((sides & BF_BOTTOM) ? 1 : 0);
    if (sides & BF_TOP) FillSolid(pixels, r.left, r.top, rightStop, r.top + 1, light);
    if (sides & BF_LEFT) FillSolid(pixels, r.left, r.top, r.left + 1, bottomStop, light);
    if (sides & BF_BOTTOM) FillSolid(pixels, r.left, r.bottom - 1, r.right, r.bottom, dark);
    if (sides & BF_RIGHT) FillSolid(pixels, r.right - 1, r.top, r.right, r.bottom, dark);
    if (sides & BF_LEFT) ++r.left;
    if (sides & BF_TOP) ++r.top;
    if (sides & BF_RIGHT) --r.right;
    if (sides & BF_BOTTOM) --r.bottom;
}

// The brush FillRect paints with: a brush handle, or a system colour index plus one.
std::optional<BrushObject> brushFor(HBRUSH brush) {
    if (brush >= 1 && brush <= 31)
        return BrushObject{gdi::SysColour(static_cast<int32_t>(brush - 1)), nullptr};
    if (const BrushObject* found = FindKind<BrushObject>(brush)) return *found;
    return std::nullopt;
}

}  // namespace

DWORD GetSysColor(int32_t index) { return gdi::SysColour(index); }

int32_t FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = FindDC(hdc);
    const auto paint = brushFor(brush);
    if (!dc || !rect || !paint) return 0;
    // Paint through BitBlt with the brush selected for the moment, so that patterns,
    // origins and twins behave as they do for the DC's own brush.
    const COLORREF colour = std::exchange(dc->brushColour, paint->colour);
    auto pattern = std::exchange(dc->brushPattern, paint->pattern);
    BitBlt(hdc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, 0, 0, 0,
           PATCOPY);
    dc->brushColour = colour;
    dc->brushPattern = std::move(pattern);
    return 1;
}

BOOL DrawEdge(HDC hdc, RECT* rect, uint32_t edge, uint32_t flags) {
    const DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect) return 0;
    gdi::Bitmap& pixels = PixelsOf(*dc);
    RECT inside = *rect;
    const uint32_t sides = flags & BF_RECT;
    const RingColours* outer = ringOf(edge, BDR_RAISEDOUTER, BDR_SUNKENOUTER, 0);
    const RingColours* inner = ringOf(edge, BDR_RAISEDINNER, BDR_SUNKENINNER, 2);
    if (outer) drawRing(pixels, inside, sides, *outer);
    if (inner) drawRing(pixels, inside, sides, *inner);
    if (flags & BF_MIDDLE)
        FillSolid(pixels, inside.left, inside.top, inside.right, inside.bottom,
                  gdi::ToPixel(gdi::SysColour(COLOR_BTNFACE)));
    if (flags & BF_ADJUST) *rect = inside;
    return 1;
}

}  // namespace win
