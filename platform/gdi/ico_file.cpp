// An icon file is a directory of images, each a device-independent bitmap whose height
// counts the colour picture and the one-bit mask below it, both stored bottom-up.

#include "platform/gdi/ico_file.h"

#include <memory>

#include "platform/gdi/bitmap.h"

namespace gdi {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

uint32_t U16(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at] | (b[at + 1] << 8));
}
uint32_t U32(std::span<const uint8_t> b, size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

struct Image {
    int32_t width, height;
    uint32_t bits;
    size_t palette, colours, mask, colourStride, maskStride;
};

bool Locate(std::span<const uint8_t> b, size_t at, size_t size, Image& d) {
    if (size < 40 || at + size > b.size() || U32(b, at) < 40) return false;
    d.width = static_cast<int32_t>(U32(b, at + 4));
    d.height = static_cast<int32_t>(U32(b, at + 8)) / 2;
    d.bits = U16(b, at + 14);
    if (d.width <= 0 || d.height <= 0 || d.width > 256 || d.height > 256) return false;
    if (d.bits != 1 && d.bits != 4 && d.bits != 8 && d.bits != 24 && d.bits != 32) return false;
    uint32_t used = U32(b, at + 32);
    if (d.bits <= 8 && (used == 0 || used > (1u << d.bits))) used = 1u << d.bits;
    d.palette = at + U32(b, at);
    d.colours = d.palette + (d.bits <= 8 ? used * 4 : 0);
    d.colourStride = ((static_cast<size_t>(d.width) * d.bits + 31) / 32) * 4;
    d.maskStride = ((static_cast<size_t>(d.width) + 31) / 32) * 4;
    d.mask = d.colours + d.colourStride * static_cast<size_t>(d.height);
    return d.mask + d.maskStride * static_cast<size_t>(d.height) <= at + size;
}

// The pixel at (@p x, bottom-up @p row) as 0x00RRGGBB, and whether it is see-through.
uint32_t Colour(std::span<const uint8_t> b, const Image& d, int32_t x, size_t row, bool& clear) {
    const size_t line = d.colours + row * d.colourStride;
    const size_t maskLine = d.mask + row * d.maskStride;
    clear = (b[maskLine + static_cast<size_t>(x) / 8] >> (7 - x % 8)) & 1;
    if (d.bits == 32) {
        const uint32_t argb = U32(b, line + static_cast<size_t>(x) * 4);
        clear = clear || (argb >> 24) == 0;
        return argb & 0xFFFFFFu;
    }
    if (d.bits == 24) {
        const size_t p = line + static_cast<size_t>(x) * 3;
        return (b[p + 2] << 16) | (b[p + 1] << 8) | b[p];
    }
    const size_t bit = static_cast<size_t>(x) * d.bits;
    const uint32_t index = (b[line + bit / 8] >> (8 - d.bits - bit % 8)) & ((1u << d.bits) - 1);
    return U32(b, d.palette + index * 4) & 0xFFFFFFu;
}

}  // namespace

vb::Picture PictureFromIco(std::span<const uint8_t> b, std::string name) {
    constexpr uint32_t kIconType = 1;
    if (b.size() < 22 || U16(b, 0) != 0 || U16(b, 2) != kIconType || U16(b, 4) == 0) return {};
    Image d{};
    if (!Locate(b, U32(b, 18), U32(b, 14), d)) return {};
    auto colour = std::make_shared<Bitmap>(d.width, d.height);
    auto mask = std::make_shared<Bitmap>(d.width, d.height);
    for (int32_t y = 0; y < d.height; ++y) {
        const auto row = static_cast<size_t>(d.height - 1 - y);
        for (int32_t x = 0; x < d.width; ++x) {
            bool clear = false;
            const uint32_t pixel = Colour(b, d, x, row, clear);
            // A see-through pixel leaves what lies under it: AND white, then XOR black.
            colour->row(y)[static_cast<size_t>(x)] = clear ? 0 : pixel;
            mask->row(y)[static_cast<size_t>(x)] = clear ? kWhite : 0;
        }
    }
    return vb::Picture::Icon(std::move(colour), std::move(mask), std::move(name));
}

}  // namespace gdi
