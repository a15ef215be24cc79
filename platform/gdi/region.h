#pragma once
/// @file
/// The shape behind a region handle: a rectangle, optionally with rounded corners. Hosts
/// ask a window's region (see platform/user32/window_region.h) which pixels it keeps.

#include <cstdint>

namespace gdi {

class Region {
public:
    Region() = default;
    /// [left, right) x [top, bottom) with corners rounded by ellipses of the given size
    /// (0 for square corners); corners may come in any order; sizes are limited to the
    /// rectangle's.
    Region(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth = 0,
           int32_t ellipseHeight = 0);

    int32_t left() const { return left_; }
    int32_t top() const { return top_; }
    int32_t right() const { return right_; }
    int32_t bottom() const { return bottom_; }
    bool empty() const { return left_ >= right_ || top_ >= bottom_; }

    /// Whether the pixel at (@p x, @p y) belongs to the region: its centre lies inside the
    /// rectangle and, in a corner, inside the corner's ellipse.
    bool contains(int32_t x, int32_t y) const;

    friend bool operator==(const Region&, const Region&) = default;

private:
    int32_t left_ = 0;
    int32_t top_ = 0;
    int32_t right_ = 0;
    int32_t bottom_ = 0;
    int32_t ellipseWidth_ = 0;
    int32_t ellipseHeight_ = 0;
};

}  // namespace gdi
