// BMP files: a 14-byte file header ("BM", size, offset of the pixels), an info header
// (size, width, height, planes, bits per pixel, compression, ..., colours used), a palette
// for up to 8 bits per pixel, then the rows, each padded to a multiple of 4 bytes.

#include "platform/gdi/bmp_file.h"

#include <bit>
#include <memory>

namespace gdi {

namespace {

constexpr size_t kFileHeader = 14;
constexpr size_t kInfoHeader = 40;
constexpr uint32_t kRgb = 0;                // uncompressed
constexpr uint32_t kBitFields = 3;          // uncompressed, with channel masks
constexpr uint32_t kPixelsPerMetre = 3780;  // 96 dots an inch

uint32_t U16(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at] | (b[at + 1] << 8));
}
uint32_t U32(std::span<const uint8_t> b, size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

// One colour channel of a 32-bit pixel under its bit-field mask, as 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int width = 0;

    Channel() = default;
    explicit Channel(uint32_t m) : mask(m) {
        if (m == 0) return;
        shift = std::countr_zero(m);
        width = std::popcount(m);
    }
    uint32_t value(uint32_t pixel) const {
        if (width == 0) return 0;
        const uint32_t v = (pixel & mask) >> shift;
        return width >= 8 ? v >> (width - 8) : v * 255u / ((1u << width) - 1u);
    }
};

struct Layout {
    int32_t width = 0, height = 0;
    bool topDown = false;
    uint32_t bits = 0;
    size_t palette = 0, paletteSize = 0, pixels = 0, stride = 0;
    Channel red{0xFF0000}, green{0x00FF00}, blue{0x0000FF};
};

// Where the parts of the file lie; nothing when they do not fit in @p b.
std::optional<Layout> ReadLayout(std::span<const uint8_t> b) {
    if (b.size() < kFileHeader + kInfoHeader || b[0] != 'B' || b[1] != 'M') return {};
    const size_t info = U32(b, kFileHeader);
    if (info < kInfoHeader || kFileHeader + info > b.size()) return {};
    Layout l;
    l.width = static_cast<int32_t>(U32(b, 18));
    // Negated in 64 bits: the most negative height has no 32-bit opposite.
    const auto height = int64_t{static_cast<int32_t>(U32(b, 22))};
    l.topDown = height < 0;
    if (height == 0 || height < -kMaxBitmapSide || height > kMaxBitmapSide) return {};
    l.height = static_cast<int32_t>(l.topDown ? -height : height);
    l.bits = U16(b, 28);
    const uint32_t compression = U32(b, 30);
    if (l.width <= 0 || l.height <= 0 || l.width > kMaxBitmapSide || l.height > kMaxBitmapSide)
        return {};
    const bool bitFields = compression == kBitFields && l.bits == 32;
    if (compression != kRgb && !bitFields) return {};
    if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 24 && l.bits != 32) return {};
    size_t after = kFileHeader + info;
    if (bitFields) {
        // The masks follow a 40-byte header; longer headers hold them in the same place.
        if (info == kInfoHeader) after += 12;
        if (kFileHeader + kInfoHeader + 12 > b.size()) return {};
        const size_t masks = kFileHeader + kInfoHeader;
        l.red = Channel(U32(b, masks));
        l.green = Channel(U32(b, masks + 4));
        l.blue = Channel(U32(b, masks + 8));
    }
    if (l.bits <= 8) {
        const uint32_t used = U32(b, 46);
        l.paletteSize = used == 0 || used > (1u << l.bits) ? size_t{1} << l.bits : used;
        l.palette = after;
        if (l.palette + 4 * l.paletteSize > b.size()) return {};
    }
    l.pixels = U32(b, 10);
    l.stride = (static_cast<size_t>(l.width) * l.bits + 31) / 32 * 4;
    if (l.pixels > b.size() || (b.size() - l.pixels) / l.stride < static_cast<size_t>(l.height))
        return {};
    return l;
}

uint32_t PixelAt(std::span<const uint8_t> b, const Layout& l, size_t line, int32_t x) {
    const size_t at = line + static_cast<size_t>(x) * l.bits / 8;
    if (l.bits == 24) return U16(b, at) | (uint32_t{b[at + 2]} << 16);
    if (l.bits == 32) {
        const uint32_t p = U32(b, at);
        return (l.red.value(p) << 16) | (l.green.value(p) << 8) | l.blue.value(p);
    }
    const size_t bit = static_cast<size_t>(x) * l.bits % 8;
    size_t index = (b[at] >> (8 - l.bits - bit)) & ((1u << l.bits) - 1u);
    if (index >= l.paletteSize) index = 0;  // a stray index takes the first colour
    return U32(b, l.palette + 4 * index) & 0xFFFFFFu;
}

}  // namespace

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFFu);
    Put16(out, v >> 16);
}

std::optional<Bitmap> ReadBmp(std::span<const uint8_t> bytes) {
    const std::optional<Layout> l = ReadLayout(bytes);
    if (!l) return {};
    Bitmap bitmap(l->width, l->height);
    for (int32_t y = 0; y < l->height; ++y) {
        const auto stored = static_cast<size_t>(l->topDown ? y : l->height - 1 - y);
        const size_t line = l->pixels + stored * l->stride;
        auto row = bitmap.row(y);
        for (int32_t x = 0; x < l->width; ++x)
            row[static_cast<size_t>(x)] = PixelAt(bytes, *l, line, x);
    }
    return bitmap;
}

std::vector<uint8_t> WriteBmp(const Bitmap& bitmap) {
    const auto stride = (static_cast<uint32_t>(bitmap.width()) * 3 + 3) / 4 * 4;
    const uint32_t imageSize = stride * static_cast<uint32_t>(bitmap.height());
    const auto offset = static_cast<uint32_t>(kFileHeader + kInfoHeader);
    std::vector<uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);  // two reserved words
    Put32(out, offset);
    Put32(out, static_cast<uint32_t>(kInfoHeader));
    Put32(out, static_cast<uint32_t>(bitmap.width()));
    Put32(out, static_cast<uint32_t>(bitmap.height()));
    Put16(out, 1);   // planes
    Put16(out, 24);  // bits per pixel
    Put32(out, kRgb);
    Put32(out, imageSize);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);  // colours used
    Put32(out, 0);  // colours important
    for (int32_t y = bitmap.height() - 1; y >= 0; --y) {
        for (const uint32_t p : bitmap.row(y)) {
            out.push_back(static_cast<uint8_t>(p));
            out.push_back(static_cast<uint8_t>(p >> 8));
            out.push_back(static_cast<uint8_t>(p >> 16));
        }
        for (uint32_t pad = static_cast<uint32_t>(bitmap.width()) * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

vb::Picture PictureFromBmp(std::span<const uint8_t> bytes, std::span<const uint8_t> twinBytes,
                           std::string name) {
    std::optional<Bitmap> bitmap = ReadBmp(bytes);
    if (!bitmap) return {};
    if (!twinBytes.empty() && TwinsWanted())
        if (std::optional<Bitmap> twin = ReadBmp(twinBytes)) bitmap->setTwin(std::move(*twin));
    return vb::Picture(std::make_shared<const Bitmap>(std::move(*bitmap)), std::move(name));
}

}  // namespace gdi
