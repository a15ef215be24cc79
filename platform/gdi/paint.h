#pragma once
/// @file
/// Painting helpers shared by gdi32 and user32 calls: the DC's brush read pixel by pixel,
/// coverage masks blended onto bitmaps, and solid fills, each on a bitmap and its twin.
/// Internal to the platform library.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/handles.h"

namespace gdi::detail {

/// The colour a DC's brush gives each pixel of a bitmap drawn at @p scale (1 for the
/// bitmap, 2 for its twin): one colour for a solid brush, the tile repeated from the
/// brush origin for a pattern brush. On a monochrome bitmap, the nearer of black and white.
class BrushSampler {
public:
    BrushSampler(const DeviceContext& dc, const Bitmap& target, int32_t scale);
    uint32_t at(int64_t x, int64_t y) const;

private:
    uint32_t solid_ = 0;
    std::shared_ptr<const Bitmap> tile_;
    // Tile pixels cover tileScale_ x tileScale_ pixels: 2 when a twin has to double a tile
    // that has no twin of its own.
    int32_t tileScale_ = 1;
    int64_t originX_ = 0;
    int64_t originY_ = 0;
    uint32_t zeroBits_ = 0;
    uint32_t oneBits_ = 0;
    bool mono_ = false;
};

/// How much of each pixel a drawing covers, 0 (none) to 255 (all), row after row.
struct Mask {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> alpha;

    Mask() = default;
    Mask(int32_t w, int32_t h)
        : width(w), height(h), alpha(static_cast<size_t>(w) * static_cast<size_t>(h), 0) {}
    uint8_t& at(int32_t x, int32_t y) {
        return alpha[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
    uint8_t at(int32_t x, int32_t y) const {
        return alpha[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

/// A drawing's masks for a bitmap (one) and for its twin (two, at twice the size).
struct Shape {
    Mask one;
    Mask two;
};

/// Blends @p pixel into @p target through @p shape with its top left at (@p x, @p y), and
/// into the twin at (2x, 2y) through the twin's mask. What falls outside is cut off.
void PaintShape(Bitmap& target, const Shape& shape, int64_t x, int64_t y, uint32_t pixel);

/// Fills [left, right) x [top, bottom), cut to the bitmap, with @p pixel, and the doubled
/// area of the twin.
void FillSolid(Bitmap& target, int64_t left, int64_t top, int64_t right, int64_t bottom,
               uint32_t pixel);

}  // namespace gdi::detail
