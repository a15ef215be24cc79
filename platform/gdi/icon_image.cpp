#include "platform/gdi/icon_image.h"

namespace gdi {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;
constexpr int32_t kLargestSide = 256;

struct Layout {
    int32_t width, height;
    uint32_t bits;
    size_t palette, colours, mask, colourStride, maskStride;  // byte offsets and row lengths
};

// Works out where the parts of the image at @p at lie; false when they do not fit.
bool Locate(std::span<const uint8_t> b, size_t at, size_t size, Layout& d) {
    if (size < 40 || at + size > b.size() || U32At(b, at) < 40) return false;
    d.width = static_cast<int32_t>(U32At(b, at + 4));
    d.height = static_cast<int32_t>(U32At(b, at + 8)) / 2;
    d.bits = U16At(b, at + 14);
    if (d.width <= 0 || d.height <= 0 || d.width > kLargestSide || d.height > kLargestSide)
        return false;
    if (d.bits != 1 && d.bits != 4 && d.bits != 8 && d.bits != 24 && d.bits != 32) return false;
    // A palette longer than the bits can index holds nothing more that the image uses.
    uint32_t used = U32At(b, at + 32);
    if (d.bits <= 8 && (used == 0 || used > (1u << d.bits))) used = 1u << d.bits;
    d.palette = at + U32At(b, at);
    d.colours = d.palette + (d.bits <= 8 ? used * 4 : 0);
    d.colourStride = ((static_cast<size_t>(d.width) * d.bits + 31) / 32) * 4;
    d.maskStride = ((static_cast<size_t>(d.width) + 31) / 32) * 4;
    d.mask = d.colours + d.colourStride * static_cast<size_t>(d.height);
    return d.mask + d.maskStride * static_cast<size_t>(d.height) <= at + size;
}

uint32_t Colour(std::span<const uint8_t> b, const Layout& d, int32_t x, size_t row) {
    const size_t line = d.colours + row * d.colourStride;
    if (d.bits == 32) return U32At(b, line + static_cast<size_t>(x) * 4);
    if (d.bits == 24) {
        const size_t p = line + static_cast<size_t>(x) * 3;
        return kOpaque | (b[p + 2] << 16) | (b[p + 1] << 8) | b[p];
    }
    const size_t bit = static_cast<size_t>(x) * d.bits;
    const uint32_t index = (b[line + bit / 8] >> (8 - d.bits - bit % 8)) & ((1u << d.bits) - 1);
    return kOpaque | (U32At(b, d.palette + index * 4) & 0xFFFFFFu);
}

bool Masked(std::span<const uint8_t> b, const Layout& d, int32_t x, size_t row) {
    const size_t line = d.mask + row * d.maskStride;
    return (b[line + static_cast<size_t>(x) / 8] >> (7 - x % 8)) & 1;
}

}  // namespace

uint32_t U16At(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at] | (b[at + 1] << 8));
}

uint32_t U32At(std::span<const uint8_t> b, size_t at) {
    return U16At(b, at) | (U16At(b, at + 2) << 16);
}

std::optional<IconImage> ReadIconImage(std::span<const uint8_t> b, uint32_t type) {
    if (b.size() < 22 || U16At(b, 0) != 0 || U16At(b, 2) != type || U16At(b, 4) == 0)
        return std::nullopt;
    Layout d{};
    if (!Locate(b, U32At(b, 18), U32At(b, 14), d)) return std::nullopt;
    IconImage image{d.width, d.height, d.bits, {}, {}};
    const size_t count = static_cast<size_t>(d.width) * static_cast<size_t>(d.height);
    image.pixels.reserve(count);
    image.masked.reserve(count);
    for (int32_t y = 0; y < d.height; ++y) {
        const auto row = static_cast<size_t>(d.height - 1 - y);  // bottom-up
        for (int32_t x = 0; x < d.width; ++x) {
            image.pixels.push_back(Colour(b, d, x, row));
            image.masked.push_back(Masked(b, d, x, row));
        }
    }
    return image;
}

}  // namespace gdi
