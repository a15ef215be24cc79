// BitBlt: pattern, source and destination combined by any of the 256 raster operations,
// on the destination's twin as well as on its pixels.

#include <algorithm>
#include <vector>

#include "platform/gdi/handles.h"
#include "platform/gdi/paint.h"

namespace win {

using namespace gdi::detail;

namespace {

// The truth table of a raster operation is its code byte: bit ((P << 2) | (S << 1) | D)
// is the result for those input bits. Each set bit k adds the bits of the pixel where
// pattern, source and destination take the values k spells.
uint32_t Rop3(uint8_t code, uint32_t p, uint32_t s, uint32_t d) {
    uint32_t result = 0;
    for (unsigned k = 0; k < 8; ++k) {
        if (!((code >> k) & 1u)) continue;
        result |= ((k & 4u) ? p : ~p) & ((k & 2u) ? s : ~s) & ((k & 1u) ? d : ~d);
    }
    return result & 0xFFFFFFu;
}

// SRCCOPY's code byte: the result is the source.
constexpr uint8_t kSourceCopy = 0xCC;

// Whether the result changes with the source bit for some pattern and destination bits.
bool readsSource(uint8_t code) { return (((code >> 2) ^ code) & 0x33u) != 0; }

// One axis of the transfer, cut so that it lies inside the destination and, when the
// source is read, inside the source too. Empty when nothing is left.
struct Axis {
    int64_t dst;
    int64_t src;
    int64_t length;
};

Axis cut(Axis a, int32_t dstSize, int32_t srcSize, bool withSource) {
    auto clampStart = [&a](int64_t start) {
        if (start > 0) a = {a.dst + start, a.src + start, a.length - start};
    };
    auto clampEnd = [&a](int64_t end) { a.length = std::min(a.length, end); };
    clampStart(-a.dst);
    clampEnd(dstSize - a.dst);
    if (withSource) {
        clampStart(-a.src);
        clampEnd(srcSize - a.src);
    }
    a.length = std::max<int64_t>(a.length, 0);
    return a;
}

// A source pixel as the destination sees it: a monochrome source takes the destination's
// text (0) and background (1) colours; a colour source on a monochrome destination is 1
// where it matches the source's background colour.
uint32_t convertSource(uint32_t pixel, const gdi::Bitmap& from, const DeviceContext& fromDc,
                       const gdi::Bitmap& to, const DeviceContext& toDc) {
    if (from.monochrome() == to.monochrome()) return pixel;
    if (from.monochrome()) return gdi::ToPixel(pixel != 0 ? toDc.backColour : toDc.textColour);
    return pixel == gdi::ToPixel(fromDc.backColour) ? 0xFFFFFFu : 0u;
}

// The source area, read whole before anything is written, so that an area overlapping the
// destination in the same bitmap copies as if through a scratch bitmap.
std::vector<uint32_t> readSource(const gdi::Bitmap& from, const DeviceContext& src,
                                 const gdi::Bitmap& to, const DeviceContext& dst, Axis ax,
                                 Axis ay) {
    std::vector<uint32_t> area;
    area.reserve(static_cast<size_t>(ax.length * ay.length));
    for (int64_t y = 0; y < ay.length; ++y) {
        const auto row = from.row(static_cast<int32_t>(ay.src + y));
        for (int64_t x = 0; x < ax.length; ++x)
            area.push_back(convertSource(row[static_cast<size_t>(ax.src + x)], from, src, to, dst));
    }
    return area;
}

// A source area of @p width x @p height pixels with each pixel made 2 x 2.
std::vector<uint32_t> doubleArea(const std::vector<uint32_t>& area, int64_t width, int64_t height) {
    std::vector<uint32_t> out;
    out.reserve(area.size() * 4);
    for (int64_t y = 0; y < height * 2; ++y)
        for (int64_t x = 0; x < width * 2; ++x)
            out.push_back(area[static_cast<size_t>((y / 2) * width + x / 2)]);
    return out;
}

// Combines the area of @p to at the destination of the axes with @p source (row by row, as
// readSource gives it; empty when the operation does not read it) and the brush.
void combine(gdi::Bitmap& to, Axis ax, Axis ay, uint8_t code, const BrushSampler& brush,
             const std::vector<uint32_t>& source) {
    const bool withSource = !source.empty();
    size_t next = 0;
    if (code == kSourceCopy && withSource) {  // the copy every picture move makes: no truth table
        for (int64_t row = 0; row < ay.length; ++row) {
            auto pixels = to.row(static_cast<int32_t>(ay.dst + row));
            const auto from = source.begin() + static_cast<std::ptrdiff_t>(next);
            std::transform(from, from + ax.length,
                           pixels.begin() + static_cast<std::ptrdiff_t>(ax.dst),
                           [](uint32_t pixel) { return pixel & 0xFFFFFFu; });
            next += static_cast<size_t>(ax.length);
        }
        return;
    }
    for (int64_t row = 0; row < ay.length; ++row) {
        auto pixels = to.row(static_cast<int32_t>(ay.dst + row));
        for (int64_t col = 0; col < ax.length; ++col) {
            uint32_t& d = pixels[static_cast<size_t>(ax.dst + col)];
            const uint32_t p = brush.at(ax.dst + col, ay.dst + row);
            d = Rop3(code, p, withSource ? source[next++] : 0u, d);
        }
    }
}

Axis doubled(Axis a) { return {a.dst * 2, a.src * 2, a.length * 2}; }

// The same transfer on the destination's twin at doubled coordinates: from the source's
// twin when it has one, else from the source area with each pixel doubled.
void combineTwins(gdi::Bitmap& to, const gdi::Bitmap* from, const DeviceContext* src,
                  const DeviceContext& dst, Axis ax, Axis ay, uint8_t code,
                  const std::vector<uint32_t>& source) {
    gdi::Bitmap* toTwin = to.twin();
    if (!toTwin) return;
    std::vector<uint32_t> twinSource;
    if (from && from->twin())
        twinSource = readSource(*from->twin(), *src, *toTwin, dst, doubled(ax), doubled(ay));
    else if (from)
        twinSource = doubleArea(source, ax.length, ay.length);
    combine(*toTwin, doubled(ax), doubled(ay), code, BrushSampler(dst, *toTwin, 2), twinSource);
}

}  // namespace

BOOL BitBlt(HDC hdcDest, int32_t x, int32_t y, int32_t cx, int32_t cy, HDC hdcSrc, int32_t x1,
            int32_t y1, DWORD rop) {
    const auto code = static_cast<uint8_t>(rop >> 16);
    const bool withSource = readsSource(code);
    const DeviceContext* dst = FindDC(hdcDest);
    const DeviceContext* src = withSource ? FindDC(hdcSrc) : nullptr;
    if (!dst || (withSource && !src)) return 0;

    gdi::Bitmap& to = PixelsOf(*dst);
    const gdi::Bitmap* from = withSource ? &PixelsOf(*src) : nullptr;
    const Axis ax = cut({x, x1, cx}, to.width(), from ? from->width() : 0, withSource);
    const Axis ay = cut({y, y1, cy}, to.height(), from ? from->height() : 0, withSource);
    if (ax.length == 0 || ay.length == 0) return 1;

    const std::vector<uint32_t> source =
        withSource ? readSource(*from, *src, to, *dst, ax, ay) : std::vector<uint32_t>{};
    combineTwins(to, from, src, *dst, ax, ay, code, source);
    combine(to, ax, ay, code, BrushSampler(*dst, to, 1), source);
    return 1;
}

}  // namespace win
