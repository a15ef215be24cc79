// The library's toolbox picture, resource 30000: a raised button with a lit face and the
// pointer over it, 16 x 15 pixels in the 16 standard colours, kept as the bytes of a 4-bit
// BMP file as a resource of the library is.

#include <array>
#include <vector>

#include "hovercommand/hover_library.h"
#include "platform/gdi/bmp_file.h"

namespace kantrel {
namespace {

constexpr int32_t kWidth = 16, kHeight = 15;

// One hex digit a pixel, each an index into kPalette, rows from the top.
constexpr std::array<const char*, kHeight> kArt = {
    "7777777777777777", "7FFFFFFFFFFFF077", "7F77777777778077", "7F7CCCCCCCC78077",
    "7F7CEEEEEEC78077", "7F7CCCCCCCC78077", "7F77777777778077", "7F77777777778077",
    "7F88888888888077", "7000000000000077", "77777777770F7777", "777777777700F777",
    "7777777777000F77", "77777777770000F7", "7777777777777777",
};

// The 16 standard colours as 0x00RRGGBB.
constexpr std::array<uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

uint8_t Index(char digit) {
    return static_cast<uint8_t>(digit <= '9' ? digit - '0' : digit - 'A' + 10);
}

std::vector<uint8_t> MakeBmp() {
    constexpr uint32_t kInfo = 40, kHeaders = 14 + kInfo + 16 * 4;
    constexpr uint32_t kStride = ((kWidth * 4 + 31) / 32) * 4;
    std::vector<uint8_t> b{'B', 'M'};
    gdi::Put32(b, kHeaders + kStride * kHeight);
    gdi::Put32(b, 0);
    gdi::Put32(b, kHeaders);
    for (uint32_t v : {kInfo, uint32_t{kWidth}, uint32_t{kHeight}}) gdi::Put32(b, v);
    gdi::Put16(b, 1);
    gdi::Put16(b, 4);
    for (uint32_t v : {0u, kStride * kHeight, 0u, 0u, 16u, 0u}) gdi::Put32(b, v);
    for (uint32_t c : kPalette) gdi::Put32(b, c);
    for (int32_t y = kHeight - 1; y >= 0; --y) {  // bottom-up
        const char* row = kArt[static_cast<size_t>(y)];
        for (int32_t x = 0; x < kWidth; x += 2)
            b.push_back(static_cast<uint8_t>(Index(row[x]) << 4 | Index(row[x + 1])));
    }
    return b;
}

}  // namespace

std::span<const uint8_t> ToolboxBitmap() {
    static const std::vector<uint8_t> bytes = MakeBmp();
    return bytes;
}

}  // namespace kantrel
