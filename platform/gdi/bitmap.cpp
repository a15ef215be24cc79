#include "platform/gdi/bitmap.h"

#include <algorithm>

namespace gdi {

Bitmap::Bitmap(int32_t width, int32_t height, Format format, uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), format_(format) {
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), store(fill));
}

void Bitmap::fill(uint32_t rgb) { std::ranges::fill(pixels_, store(rgb)); }

std::span<uint32_t> Bitmap::row(int32_t y) {
    return std::span<uint32_t>(pixels_).subspan(index(0, y), static_cast<size_t>(width_));
}

std::span<const uint32_t> Bitmap::row(int32_t y) const {
    return std::span<const uint32_t>(pixels_).subspan(index(0, y), static_cast<size_t>(width_));
}

void Bitmap::draw(const Bitmap& source, int32_t x, int32_t y) {
    // Work in 64 bits so that a far-off position cannot overflow.
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + source.width(), width_);
    const int64_t bottom = std::min<int64_t>(int64_t{y} + source.height(), height_);
    for (int64_t ty = top; ty < bottom; ++ty) {
        const auto from = source.row(static_cast<int32_t>(ty - y));
        auto to = row(static_cast<int32_t>(ty));
        for (int64_t tx = left; tx < right; ++tx)
            to[static_cast<size_t>(tx)] = store(from[static_cast<size_t>(tx - x)]);
    }
}

}  // namespace gdi
