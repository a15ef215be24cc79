// Pens, pattern brushes, rectangles and regions.

#include <algorithm>
#include <utility>

#include "platform/gdi/handles.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/region.h"

namespace gdi {

Region::Region(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth,
               int32_t ellipseHeight)
    : left_(std::min(left, right)),
      top_(std::min(top, bottom)),
      right_(std::max(left, right)),
      bottom_(std::max(top, bottom)) {
    ellipseWidth_ = std::clamp(ellipseWidth, 0, right_ - left_);
    ellipseHeight_ = std::clamp(ellipseHeight, 0, bottom_ - top_);
}

bool Region::contains(int32_t x, int32_t y) const {
    if (x < left_ || x >= right_ || y < top_ || y >= bottom_) return false;
    if (ellipseWidth_ == 0 || ellipseHeight_ == 0) return true;
    // Work with pixel centres, measured from the centre of the nearest corner's ellipse.
    const double rx = ellipseWidth_ / 2.0;
    const double ry = ellipseHeight_ / 2.0;
    const double px = x + 0.5;
    const double py = y + 0.5;
    const double cx = std::clamp(px, left_ + rx, right_ - rx);
    const double cy = std::clamp(py, top_ + ry, bottom_ - ry);
    const double dx = (px - cx) / rx;
    const double dy = (py - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

}  // namespace gdi

namespace win {

using namespace gdi::detail;

HPEN CreatePen(int32_t style, int32_t /*width*/, COLORREF colour) {
    if (style != PS_SOLID && style != PS_NULL) return 0;
    return AddObject({PenObject{colour, style == PS_SOLID}});
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    const BitmapObject* found = FindBitmap(bitmap);
    if (!found) return 0;
    return AddObject({BrushObject{0, std::make_shared<const gdi::Bitmap>(Pixels(*found))}});
}

BOOL Rectangle(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return 0;
    if (right <= left || bottom <= top) return 1;
    BitBlt(hdc, left, top, right - left, bottom - top, 0, 0, 0, PATCOPY);
    if (!dc->penVisible) return 1;
    gdi::Bitmap& pixels = PixelsOf(*dc);
    const uint32_t pen = gdi::ToPixel(dc->penColour);
    FillSolid(pixels, left, top, right, top + 1, pen);
    FillSolid(pixels, left, bottom - 1, right, bottom, pen);
    FillSolid(pixels, left, top, left + 1, bottom, pen);
    FillSolid(pixels, right - 1, top, right, bottom, pen);
    return 1;
}

HRGN CreateRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return AddObject({RegionObject{gdi::Region(left, top, right, bottom)}});
}

HRGN CreateRoundRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom,
                        int32_t ellipseWidth, int32_t ellipseHeight) {
    return AddObject(
        {RegionObject{gdi::Region(left, top, right, bottom, ellipseWidth, ellipseHeight)}});
}

}  // namespace win
