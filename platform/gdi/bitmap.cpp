#include "platform/gdi/bitmap.h"

#include <algorithm>

namespace gdi {

Bitmap::Bitmap(int32_t width, int32_t height, Format format, uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), format_(format) {
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), store(fill));
}

Bitmap::Bitmap(const Bitmap& other)
    : width_(other.width_),
      height_(other.height_),
      format_(other.format_),
      pixels_(other.pixels_),
      twin_(other.twin_ ? std::make_unique<Bitmap>(*other.twin_) : nullptr) {}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) *this = Bitmap(other);
    return *this;
}

bool operator==(const Bitmap& a, const Bitmap& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_ || a.format_ != b.format_ ||
        a.pixels_ != b.pixels_)
        return false;
    return !a.twin_ || !b.twin_ || *a.twin_ == *b.twin_;
}

void Bitmap::setPixel(int32_t x, int32_t y, uint32_t rgb) {
    pixels_[index(x, y)] = store(rgb);
    if (!twin_) return;
    for (int32_t dy = 0; dy < 2; ++dy)
        for (int32_t dx = 0; dx < 2; ++dx) twin_->setPixel(2 * x + dx, 2 * y + dy, rgb);
}

void Bitmap::fill(uint32_t rgb) {
    std::ranges::fill(pixels_, store(rgb));
    if (twin_) twin_->fill(rgb);
}

std::span<uint32_t> Bitmap::row(int32_t y) {
    return std::span<uint32_t>(pixels_).subspan(index(0, y), static_cast<size_t>(width_));
}

std::span<const uint32_t> Bitmap::row(int32_t y) const {
    return std::span<const uint32_t>(pixels_).subspan(index(0, y), static_cast<size_t>(width_));
}

void Bitmap::draw(const Bitmap& source, int32_t x, int32_t y) {
    copyScaled(source, x, y, 1);
    if (!twin_) return;
    if (source.twin_)
        twin_->copyScaled(*source.twin_, int64_t{x} * 2, int64_t{y} * 2, 1);
    else
        twin_->copyScaled(source, int64_t{x} * 2, int64_t{y} * 2, 2);
}

void Bitmap::copyScaled(const Bitmap& source, int64_t x, int64_t y, int32_t scale) {
    // Work in 64 bits so that a far-off position cannot overflow.
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(x + int64_t{source.width()} * scale, width_);
    const int64_t bottom = std::min<int64_t>(y + int64_t{source.height()} * scale, height_);
    for (int64_t ty = top; ty < bottom; ++ty) {
        const auto from = source.row(static_cast<int32_t>((ty - y) / scale));
        auto to = row(static_cast<int32_t>(ty));
        for (int64_t tx = left; tx < right; ++tx)
            to[static_cast<size_t>(tx)] = store(from[static_cast<size_t>((tx - x) / scale)]);
    }
}

namespace {

bool twinsWanted = true;

}  // namespace

void SetTwinsWanted(bool wanted) { twinsWanted = wanted; }

bool TwinsWanted() { return twinsWanted; }

bool Bitmap::setTwin(Bitmap twin) {
    if (!twinsWanted) return false;
    if (twin.width_ != 2 * width_ || twin.height_ != 2 * height_ || twin.format_ != format_)
        return false;
    twin.twin_.reset();
    twin_ = std::make_unique<Bitmap>(std::move(twin));
    return true;
}

void Bitmap::addDoubledTwin() {
    if (twinsWanted) setTwin(Doubled(*this));
}

Bitmap Doubled(const Bitmap& bitmap) {
    Bitmap out(bitmap.width() * 2, bitmap.height() * 2, bitmap.format());
    for (int32_t y = 0; y < out.height(); ++y) {
        const auto from = bitmap.row(y / 2);
        auto to = out.row(y);
        for (size_t x = 0; x < to.size(); ++x) to[x] = from[x / 2];
    }
    return out;
}

}  // namespace gdi
