#include "tools/assetgen/cursor.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/bmp_file.h"
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/palette.h"

namespace assetgen {

namespace {

constexpr int32_t kSide = 32;
constexpr uint16_t kHotX = 1, kHotY = 1;

void DrawPointer(Canvas& c) {
    const Shape pointer = Polygon({{1.5, 1.5},
                                   {1.5, 22.5},
                                   {6.4, 17.6},
                                   {10.0, 25.6},
                                   {13.4, 24.1},
                                   {9.9, 16.3},
                                   {16.8, 16.3}});
    c.fill(Moved(pointer, 1.2, 1.8), Solid(kShadow), 0.4, 2.2);
    c.fill(pointer, Linear(2, 2, {255, 246, 214}, 12, 24, kGold));
    c.fill(Outline(pointer, 1.2), Solid({34, 26, 12}));
}

using gdi::Put16;
using gdi::Put32;

// The pointer as 0xAARRGGBB pixels, top row first: drawn once on black and once on white,
// the difference tells how much of the background shows through each pixel.
std::vector<uint32_t> PointerPixels() {
    Canvas onBlack(kSide, kSide, 1, {0, 0, 0});
    Canvas onWhite(kSide, kSide, 1, {255, 255, 255});
    DrawPointer(onBlack);
    DrawPointer(onWhite);
    std::vector<uint32_t> out;
    for (int32_t y = 0; y < kSide; ++y)
        for (int32_t x = 0; x < kSide; ++x) {
            const Colour b = FromPixel(onBlack.bitmap().pixel(x, y));
            const Colour w = FromPixel(onWhite.bitmap().pixel(x, y));
            const double alpha = std::clamp(1 - (w.g - b.g) / 255, 0.0, 1.0);
            const auto a = static_cast<uint32_t>(std::lround(alpha * 255));
            // On black the colour is weakened by its own alpha; dividing gives it back.
            out.push_back(a == 0 ? 0
                                 : (a << 24) | ToPixel({b.r / alpha, b.g / alpha, b.b / alpha}));
        }
    return out;
}

}  // namespace

std::vector<uint8_t> CursorFile() {
    const std::vector<uint32_t> pixels = PointerPixels();
    constexpr uint32_t kMaskStride = kSide / 8;
    constexpr uint32_t kImageSize = 40 + kSide * kSide * 4 + kMaskStride * kSide;
    std::vector<uint8_t> out;
    // The directory: reserved, type 2 (cursor), one image.
    Put16(out, 0);
    Put16(out, 2);
    Put16(out, 1);
    // Its entry: size, no palette, the hot spot, the image's length and where it starts.
    out.push_back(kSide);
    out.push_back(kSide);
    out.push_back(0);
    out.push_back(0);
    Put16(out, kHotX);
    Put16(out, kHotY);
    Put32(out, kImageSize);
    Put32(out, 22);
    // The image: an info header whose height counts the colour rows and the mask below them.
    Put32(out, 40);
    Put32(out, kSide);
    Put32(out, 2 * kSide);
    Put16(out, 1);
    Put16(out, 32);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int32_t y = kSide - 1; y >= 0; --y)
        for (int32_t x = 0; x < kSide; ++x) Put32(out, pixels[static_cast<size_t>(y * kSide + x)]);
    // The mask: a set bit where the pointer is fully see-through.
    for (int32_t y = kSide - 1; y >= 0; --y)
        for (uint32_t byte = 0; byte < kMaskStride; ++byte) {
            uint8_t bits = 0;
            for (uint32_t bit = 0; bit < 8; ++bit) {
                const uint32_t p = pixels[static_cast<size_t>(y * kSide) + byte * 8 + bit];
                if ((p >> 24) == 0) bits = static_cast<uint8_t>(bits | (0x80u >> bit));
            }
            out.push_back(bits);
        }
    return out;
}

}  // namespace assetgen
