// Bitmaps and brushes: creating, describing and deleting them.

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/gdi/dc.h"
#include "platform/gdi/handles.h"

namespace win {

using namespace gdi::detail;

namespace {

using gdi::kMaxBitmapSide;
constexpr int64_t kMaxPixels = int64_t{1} << 26;

bool sizeAllowed(int32_t width, int32_t height) {
    return width >= 0 && height >= 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
           int64_t{width} * height <= kMaxPixels;
}

HBITMAP addBitmap(gdi::Bitmap bitmap) {
    return AddObject({BitmapObject{std::make_shared<gdi::Bitmap>(std::move(bitmap))}});
}

// Rows of a bitmap's bytes are padded to an even length.
int32_t rowBytes(int32_t width, uint32_t bitsPerPixel) {
    return static_cast<int32_t>((int64_t{width} * bitsPerPixel + 15) / 16 * 2);
}

void readBits(gdi::Bitmap& bitmap, const unsigned char* bits) {
    const size_t stride = static_cast<size_t>(rowBytes(bitmap.width(), bitmap.bitsPerPixel()));
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        const unsigned char* from = bits + stride * static_cast<size_t>(y);
        auto to = bitmap.row(y);
        for (size_t x = 0; x < to.size(); ++x) {
            if (bitmap.monochrome()) {
                const bool white = (from[x / 8] >> (7 - x % 8)) & 1;
                to[x] = white ? 0xFFFFFFu : 0u;
            } else {
                const unsigned char* p = from + 4 * x;
                to[x] = uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
            }
        }
    }
}

// A blank bitmap is described without making its pixels.
int32_t describeBitmap(const BitmapObject& bitmap, int32_t size, void* buffer) {
    constexpr auto kSize = static_cast<int32_t>(sizeof(BITMAP));
    if (!buffer) return kSize;
    if (size < kSize) return 0;
    const gdi::Bitmap* pixels = bitmap.pixels.get();
    const int32_t width = pixels ? pixels->width() : bitmap.blank.width;
    const int32_t height = pixels ? pixels->height() : bitmap.blank.height;
    const uint16_t bits = pixels ? pixels->bitsPerPixel() : 32;
    const BITMAP info{0, width, height, rowBytes(width, bits), 1, bits, nullptr};
    std::memcpy(buffer, &info, sizeof info);
    return kSize;
}

int32_t describeBrush(const BrushObject& brush, int32_t size, void* buffer) {
    constexpr auto kSize = static_cast<int32_t>(sizeof(LOGBRUSH));
    if (!buffer) return kSize;
    const int32_t written = std::clamp(size, 0, kSize);
    const LOGBRUSH info{BS_SOLID, brush.colour, 0};
    std::memcpy(buffer, &info, static_cast<size_t>(written));
    return written;
}

}  // namespace

HBITMAP CreateCompatibleBitmap(HDC hdc, int32_t width, int32_t height) {
    auto format = gdi::Bitmap::Format::Rgb32;
    if (hdc != 0) {
        const DeviceContext* dc = FindDC(hdc);
        if (!dc) return 0;
        format = PixelsOf(*dc).format();
    }
    if (!sizeAllowed(width, height)) return 0;
    if (width == 0 || height == 0) return StockBitmap();
    return addBitmap(gdi::Bitmap(width, height, format));
}

HBITMAP CreateBitmap(int32_t width, int32_t height, uint32_t planes, uint32_t bitsPerPixel,
                     const void* bits) {
    if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32)) return 0;
    if (!sizeAllowed(width, height)) return 0;
    if (width == 0 || height == 0) return StockBitmap();
    gdi::Bitmap bitmap(width, height,
                       bitsPerPixel == 1 ? gdi::Bitmap::Format::Mono : gdi::Bitmap::Format::Rgb32);
    if (bits) readBits(bitmap, static_cast<const unsigned char*>(bits));
    return addBitmap(std::move(bitmap));
}

HBRUSH CreateSolidBrush(COLORREF colour) { return AddObject({BrushObject{colour, nullptr}}); }

HGDIOBJ GetStockObject(int32_t index) { return StockObject(index); }

BOOL DeleteObject(HGDIOBJ object) {
    GdiObject* found = FindObject(object);
    if (!found) return 0;
    if (found->stock) return 1;
    // An icon goes through DestroyIcon. A selected brush, pen or font may go: its DC keeps
    // a copy of what it draws with.
    if (std::holds_alternative<IconObject>(found->kind)) return 0;
    const auto* bitmap = std::get_if<BitmapObject>(&found->kind);
    if (bitmap && bitmap->selectedInto != 0) return 0;
    EraseObject(object);
    return 1;
}

int32_t GetObjectA(HGDIOBJ object, int32_t size, void* buffer) {
    const GdiObject* found = FindObject(object);
    if (!found) return 0;
    if (const auto* bitmap = std::get_if<BitmapObject>(&found->kind))
        return describeBitmap(*bitmap, size, buffer);
    if (const auto* brush = std::get_if<BrushObject>(&found->kind))
        return describeBrush(*brush, size, buffer);
    return 0;
}

}  // namespace win

namespace gdi {

win::HBITMAP CreateBitmapFromPixels(Bitmap pixels) {
    if (pixels.monochrome() || !win::sizeAllowed(pixels.width(), pixels.height())) return 0;
    if (pixels.width() == 0 || pixels.height() == 0) return detail::StockBitmap();
    return win::addBitmap(std::move(pixels));
}

win::HBITMAP CreateBlankBitmap(int32_t width, int32_t height, uint32_t colour, bool twin) {
    if (!win::sizeAllowed(width, height)) return 0;
    if (width == 0 || height == 0) return detail::StockBitmap();
    return detail::AddObject({detail::BitmapObject{nullptr, 0, {width, height, colour, twin}}});
}

}  // namespace gdi
