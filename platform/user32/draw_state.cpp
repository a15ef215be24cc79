// DrawStateA: text, icons and bitmaps in the normal or the disabled (embossed) look.

#include <cstring>
#include <optional>
#include <string_view>

#include "platform/gdi/colours.h"
#include "platform/gdi/handles.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/text_shape.h"
#include "platform/user32/draw.h"

namespace win {

using namespace gdi::detail;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

// Full coverage where @p covered says so, pixel by pixel.
template <typename Covered>
Mask maskOf(int32_t width, int32_t height, Covered covered) {
    Mask mask(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) mask.at(x, y) = covered(x, y) ? 255 : 0;
    return mask;
}

// A bitmap's shape: its pixels that are not white.
Mask bitmapMask(const gdi::Bitmap& b) {
    return maskOf(b.width(), b.height(),
                  [&b](int32_t x, int32_t y) { return b.pixel(x, y) != kWhite; });
}

Shape bitmapShape(const gdi::Bitmap& b) {
    return {bitmapMask(b), bitmapMask(b.twin() ? *b.twin() : gdi::Doubled(b))};
}

// An icon's shape: its opaque pixels (mask black) that are not white.
Mask iconMask(const gdi::Bitmap& colour, const gdi::Bitmap& mask) {
    return maskOf(colour.width(), colour.height(), [&](int32_t x, int32_t y) {
        return mask.pixel(x, y) == 0 && colour.pixel(x, y) != kWhite;
    });
}

Shape iconShape(const IconObject& icon) {
    const bool sharp = icon.colour->twin() && icon.mask->twin();
    return {iconMask(*icon.colour, *icon.mask),
            sharp ? iconMask(*icon.colour->twin(), *icon.mask->twin())
                  : iconMask(gdi::Doubled(*icon.colour), gdi::Doubled(*icon.mask))};
}

// The disabled look: the shape in the highlight colour a pixel right and down, and in the
// shadow colour over it in place.
void emboss(gdi::Bitmap& pixels, const Shape& shape, int32_t x, int32_t y) {
    PaintShape(pixels, shape, int64_t{x} + 1, int64_t{y} + 1,
               gdi::ToPixel(gdi::SysColour(COLOR_BTNHIGHLIGHT)));
    PaintShape(pixels, shape, x, y, gdi::ToPixel(gdi::SysColour(COLOR_BTNSHADOW)));
}

BOOL drawText(const DeviceContext& dc, LPARAM data, WPARAM length, int32_t x, int32_t y,
              bool prefix, bool disabled) {
    const auto* text = reinterpret_cast<const char*>(data);
    if (!text) return 0;
    const std::string_view view(text, length != 0 ? length : std::strlen(text));
    const auto shape = ShapeText(dc.fontDesc, prefix ? PrefixRun(view) : PlainRun(view));
    if (!shape) return 0;
    gdi::Bitmap& pixels = PixelsOf(dc);
    if (disabled) {
        emboss(pixels, *shape, x, y);
        return 1;
    }
    if (dc.bkMode == OPAQUE)
        FillSolid(pixels, x, y, int64_t{x} + shape->one.width, int64_t{y} + shape->one.height,
                  gdi::ToPixel(dc.backColour));
    PaintShape(pixels, *shape, x, y, gdi::ToPixel(dc.textColour));
    return 1;
}

BOOL drawBitmap(const DeviceContext& dc, HBITMAP handle, int32_t x, int32_t y, bool disabled) {
    const BitmapObject* found = FindBitmap(handle);
    if (!found) return 0;
    // A copy, since the bitmap may be the one selected into this very DC.
    const gdi::Bitmap source = gdi::detail::Pixels(*found);
    gdi::Bitmap& pixels = PixelsOf(dc);
    if (disabled)
        emboss(pixels, bitmapShape(source), x, y);
    else
        pixels.draw(source, x, y);
    return 1;
}

BOOL drawIcon(HDC hdc, const DeviceContext& dc, HICON handle, int32_t x, int32_t y, bool disabled) {
    const IconObject* found = FindKind<IconObject>(handle);
    if (!found) return 0;
    if (!disabled) return DrawIcon(hdc, x, y, handle);
    emboss(PixelsOf(dc), iconShape(*found), x, y);
    return 1;
}

}  // namespace

BOOL DrawStateA(HDC hdc, HBRUSH /*brush*/, const void* callback, LPARAM data, WPARAM length,
                int32_t x, int32_t y, int32_t /*cx*/, int32_t /*cy*/, uint32_t flags) {
    const DeviceContext* dc = FindDC(hdc);
    const uint32_t state = flags & ~0xFu;
    if (!dc || callback || (state != DSS_NORMAL && state != DSS_DISABLED)) return 0;
    const bool disabled = state == DSS_DISABLED;
    switch (flags & 0xFu) {
        case DST_TEXT:
            return drawText(*dc, data, length, x, y, false, disabled);
        case DST_PREFIXTEXT:
            return drawText(*dc, data, length, x, y, true, disabled);
        case DST_ICON:
            return drawIcon(hdc, *dc, data, x, y, disabled);
        case DST_BITMAP:
            return drawBitmap(*dc, data, x, y, disabled);
        default:
            return 0;
    }
}

}  // namespace win
