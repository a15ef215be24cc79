// The focus rectangle and icons.

#include "platform/gdi/handles.h"
#include "platform/user32/draw.h"

namespace win {

using namespace gdi::detail;

namespace {

// XORs the pixel at (@p x, @p y) of the bitmap, and the 2 x 2 pixels it covers on the
// twin, with @p pixel.
void xorPixel(gdi::Bitmap& pixels, int32_t x, int32_t y, uint32_t pixel) {
    if (!pixels.contains(x, y)) return;
    pixels.row(y)[static_cast<size_t>(x)] ^= pixel;
    gdi::Bitmap* twin = pixels.twin();
    if (!twin) return;
    for (int32_t dy = 0; dy < 2; ++dy)
        for (int32_t dx = 0; dx < 2; ++dx)
            twin->row(2 * y + dy)[static_cast<size_t>(2 * x + dx)] ^= pixel;
}

// (dest AND mask) XOR colour over the icon's area at (@p x, @p y), each icon pixel
// covering @p scale x @p scale pixels.
void drawIconOn(gdi::Bitmap& to, const gdi::Bitmap& colour, const gdi::Bitmap& mask, int64_t x,
                int64_t y, int32_t scale) {
    for (int64_t ty = 0; ty < int64_t{colour.height()} * scale; ++ty) {
        if (y + ty < 0 || y + ty >= to.height()) continue;
        auto row = to.row(static_cast<int32_t>(y + ty));
        for (int64_t tx = 0; tx < int64_t{colour.width()} * scale; ++tx) {
            if (x + tx < 0 || x + tx >= to.width()) continue;
            const auto sx = static_cast<int32_t>(tx / scale);
            const auto sy = static_cast<int32_t>(ty / scale);
            uint32_t& d = row[static_cast<size_t>(x + tx)];
            d = ((d & mask.pixel(sx, sy)) ^ colour.pixel(sx, sy)) & 0xFFFFFFu;
            if (to.monochrome()) d = gdi::NearestMono(d);
        }
    }
}

}  // namespace

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    const DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect) return 0;
    if (rect->right <= rect->left || rect->bottom <= rect->top) return 1;
    gdi::Bitmap& pixels = PixelsOf(*dc);
    const uint32_t even = gdi::ToPixel(dc->backColour);
    const uint32_t odd = gdi::ToPixel(dc->textColour);
    auto dot = [&](int32_t x, int32_t y) { xorPixel(pixels, x, y, (x + y) % 2 == 0 ? even : odd); };
    // Each pixel of the outline once, so that a one-pixel-wide rectangle is still undone
    // by drawing it again.
    for (int32_t x = rect->left; x < rect->right; ++x) {
        dot(x, rect->top);
        if (rect->bottom - 1 > rect->top) dot(x, rect->bottom - 1);
    }
    for (int32_t y = rect->top + 1; y < rect->bottom - 1; ++y) {
        dot(rect->left, y);
        if (rect->right - 1 > rect->left) dot(rect->right - 1, y);
    }
    return 1;
}

HICON CreateIconFromPixels(const gdi::Bitmap& colour, const gdi::Bitmap& mask) {
    if (colour.width() != mask.width() || colour.height() != mask.height() || colour.width() == 0 ||
        colour.height() == 0)
        return 0;
    return AddObject({IconObject{std::make_shared<const gdi::Bitmap>(colour),
                                 std::make_shared<const gdi::Bitmap>(mask)}});
}

BOOL DestroyIcon(HICON icon) {
    if (!FindKind<IconObject>(icon)) return 0;
    EraseObject(icon);
    return 1;
}

BOOL DrawIcon(HDC hdc, int32_t x, int32_t y, HICON icon) {
    const DeviceContext* dc = FindDC(hdc);
    const IconObject* found = FindKind<IconObject>(icon);
    if (!dc || !found) return 0;
    gdi::Bitmap& pixels = PixelsOf(*dc);
    drawIconOn(pixels, *found->colour, *found->mask, x, y, 1);
    if (gdi::Bitmap* twin = pixels.twin()) {
        const bool sharp = found->colour->twin() && found->mask->twin();
        if (sharp)
            drawIconOn(*twin, *found->colour->twin(), *found->mask->twin(), 2 * int64_t{x},
                       2 * int64_t{y}, 1);
        else
            drawIconOn(*twin, *found->colour, *found->mask, 2 * int64_t{x}, 2 * int64_t{y}, 2);
    }
    return 1;
}

}  // namespace win
