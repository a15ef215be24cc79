// The cursor file format: a directory of images, each a device-independent bitmap whose
// height counts the colour picture and the one-bit mask below it, stored bottom-up.

#include <cstring>

#include "platform/user32/cursors.h"

namespace win {
namespace {

uint32_t U16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint32_t>(b[at] | (b[at + 1] << 8));
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}

struct Dib {
    int32_t width, height;  // height of the colour picture alone
    uint32_t bits;
    size_t palette, colours, mask;  // byte offsets
    size_t colourStride, maskStride;
};

// Works out where the parts of the image at @p at lie; false when they do not fit.
bool ReadDib(const std::vector<uint8_t>& b, size_t at, size_t size, Dib& d) {
    if (size < 40 || at + size > b.size() || U32(b, at) < 40) return false;
    const auto header = U32(b, at);
    d.width = static_cast<int32_t>(U32(b, at + 4));
    d.height = static_cast<int32_t>(U32(b, at + 8)) / 2;
    d.bits = U16(b, at + 14);
    if (d.width <= 0 || d.height <= 0 || d.width > 256 || d.height > 256) return false;
    if (d.bits != 1 && d.bits != 4 && d.bits != 8 && d.bits != 24 && d.bits != 32) return false;
    uint32_t used = U32(b, at + 32);
    if (d.bits <= 8 && used == 0) used = 1u << d.bits;
    d.palette = at + header;
    d.colours = d.palette + (d.bits <= 8 ? used * 4 : 0);
    d.colourStride = ((static_cast<size_t>(d.width) * d.bits + 31) / 32) * 4;
    d.maskStride = ((static_cast<size_t>(d.width) + 31) / 32) * 4;
    d.mask = d.colours + d.colourStride * static_cast<size_t>(d.height);
    return d.mask + d.maskStride * static_cast<size_t>(d.height) <= at + size;
}

uint32_t Colour(const std::vector<uint8_t>& b, const Dib& d, int32_t x, size_t row) {
    const size_t line = d.colours + row * d.colourStride;
    if (d.bits == 32) return U32(b, line + static_cast<size_t>(x) * 4);
    if (d.bits == 24) {
        const size_t p = line + static_cast<size_t>(x) * 3;
        return 0xFF000000u | (b[p + 2] << 16) | (b[p + 1] << 8) | b[p];
    }
    const size_t bit = static_cast<size_t>(x) * d.bits;
    const uint32_t index = (b[line + bit / 8] >> (8 - d.bits - bit % 8)) & ((1u << d.bits) - 1);
    return 0xFF000000u | (U32(b, d.palette + index * 4) & 0xFFFFFF);
}

bool Masked(const std::vector<uint8_t>& b, const Dib& d, int32_t x, size_t row) {
    const size_t line = d.mask + row * d.maskStride;
    return (b[line + static_cast<size_t>(x) / 8] >> (7 - x % 8)) & 1;
}

}  // namespace

std::shared_ptr<const CursorImage> ParseCursorFile(const std::vector<uint8_t>& b) {
    if (b.size() < 22 || U16(b, 0) != 0 || U16(b, 2) != 2 || U16(b, 4) == 0) return nullptr;
    Dib d{};
    if (!ReadDib(b, U32(b, 18), U32(b, 14), d)) return nullptr;
    auto image = std::make_shared<CursorImage>();
    image->width = d.width;
    image->height = d.height;
    image->hotX = static_cast<int32_t>(U16(b, 10));
    image->hotY = static_cast<int32_t>(U16(b, 12));
    image->pixels.resize(static_cast<size_t>(d.width) * static_cast<size_t>(d.height));
    for (int32_t y = 0; y < d.height; ++y) {
        const auto row = static_cast<size_t>(d.height - 1 - y);  // bottom-up
        for (int32_t x = 0; x < d.width; ++x) {
            uint32_t c = Colour(b, d, x, row);
            if (d.bits != 32 && Masked(b, d, x, row)) c = 0;  // a set mask bit is see-through
            image->pixels[static_cast<size_t>(y * d.width + x)] = c;
        }
    }
    return image;
}

}  // namespace win
