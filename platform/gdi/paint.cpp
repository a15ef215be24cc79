#include "platform/gdi/paint.h"

#include <algorithm>

namespace gdi::detail {

namespace {

// The non-negative remainder, so that tiles repeat to the left of and above the origin.
int64_t wrap(int64_t value, int64_t size) {
    const int64_t r = value % size;
    return r < 0 ? r + size : r;
}

uint32_t blend(uint32_t under, uint32_t over, uint32_t alpha) {
    uint32_t out = 0;
    for (uint32_t shift = 0; shift < 24; shift += 8) {
        const uint32_t a = (under >> shift) & 0xFFu;
        const uint32_t b = (over >> shift) & 0xFFu;
        out |= ((b * alpha + a * (255u - alpha) + 127u) / 255u) << shift;
    }
    return out;
}

void paintMask(Bitmap& target, const Mask& mask, int64_t x, int64_t y, uint32_t pixel) {
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t bottom = std::min<int64_t>(y + mask.height, target.height());
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t right = std::min<int64_t>(x + mask.width, target.width());
    for (int64_t ty = top; ty < bottom; ++ty) {
        auto row = target.row(static_cast<int32_t>(ty));
        for (int64_t tx = left; tx < right; ++tx) {
            const uint32_t alpha =
                mask.at(static_cast<int32_t>(tx - x), static_cast<int32_t>(ty - y));
            if (alpha == 0) continue;
            uint32_t& d = row[static_cast<size_t>(tx)];
            d = blend(d, pixel, alpha);
            if (target.monochrome()) d = NearestMono(d);
        }
    }
}

void fillArea(Bitmap& target, int64_t left, int64_t top, int64_t right, int64_t bottom,
              uint32_t pixel) {
    if (target.monochrome()) pixel = NearestMono(pixel);
    left = std::max<int64_t>(left, 0);
    top = std::max<int64_t>(top, 0);
    right = std::min<int64_t>(right, target.width());
    bottom = std::min<int64_t>(bottom, target.height());
    for (int64_t y = top; y < bottom; ++y) {
        auto row = target.row(static_cast<int32_t>(y));
        std::fill(row.begin() + left, row.begin() + std::max(left, right), pixel & 0xFFFFFFu);
    }
}

}  // namespace

BrushSampler::BrushSampler(const DeviceContext& dc, const Bitmap& target, int32_t scale)
    : solid_(ToPixel(dc.brushColour)),
      originX_(int64_t{dc.brushOrigin.x} * scale),
      originY_(int64_t{dc.brushOrigin.y} * scale),
      zeroBits_(ToPixel(dc.textColour)),
      oneBits_(ToPixel(dc.backColour)),
      mono_(target.monochrome()) {
    if (dc.brushPattern && dc.brushPattern->width() > 0 && dc.brushPattern->height() > 0) {
        const bool useTwin = scale == 2 && dc.brushPattern->twin();
        tile_ = useTwin ? std::shared_ptr<const Bitmap>(dc.brushPattern, dc.brushPattern->twin())
                        : dc.brushPattern;
        tileScale_ = useTwin ? 1 : scale;
    }
    if (mono_) solid_ = NearestMono(solid_);
}

uint32_t BrushSampler::at(int64_t x, int64_t y) const {
    if (!tile_) return solid_;
    const int64_t w = int64_t{tile_->width()} * tileScale_;
    const int64_t h = int64_t{tile_->height()} * tileScale_;
    uint32_t pixel = tile_->pixel(static_cast<int32_t>(wrap(x - originX_, w) / tileScale_),
                                  static_cast<int32_t>(wrap(y - originY_, h) / tileScale_));
    if (tile_->monochrome()) pixel = pixel != 0 ? oneBits_ : zeroBits_;
    return mono_ ? NearestMono(pixel) : pixel;
}

void PaintShape(Bitmap& target, const Shape& shape, int64_t x, int64_t y, uint32_t pixel) {
    paintMask(target, shape.one, x, y, pixel);
    if (Bitmap* twin = target.twin()) paintMask(*twin, shape.two, 2 * x, 2 * y, pixel);
}

void FillSolid(Bitmap& target, int64_t left, int64_t top, int64_t right, int64_t bottom,
               uint32_t pixel) {
    fillArea(target, left, top, right, bottom, pixel);
    if (Bitmap* twin = target.twin())
        fillArea(*twin, 2 * left, 2 * top, 2 * right, 2 * bottom, pixel);
}

}  // namespace gdi::detail
