#pragma once
// Drawing in logical pixels onto a bitmap at scale 1 or 2. A picture is described once, as
// shapes filled with paints, and drawn at both scales: the 2x drawing is the picture's sharp
// twin, not its pixels scaled. Edges are anti-aliased from each shape's signed distance.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/gdi/bitmap.h"

namespace assetgen {

// A colour with channels 0 to 255, kept fractional until a pixel is written.
struct Colour {
    double r = 0, g = 0, b = 0;
};

Colour FromPixel(uint32_t pixel);  // 0x00RRGGBB
uint32_t ToPixel(Colour c);
Colour Mix(Colour a, Colour b, double t);  // t 0 gives a, 1 gives b
Colour Scale(Colour c, double factor);     // darker below 1, lighter above

// An axis-aligned box in logical pixels.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// A shape: the signed distance from a point to its outline (negative inside), in logical
// pixels, and a box it lies within.
struct Shape {
    std::function<double(double x, double y)> distance;
    Box bounds;
};

Shape Circle(double cx, double cy, double radius);
Shape Ellipse(double cx, double cy, double rx, double ry);
Shape RoundRect(double left, double top, double width, double height, double radius);
Shape Rect(double left, double top, double width, double height);
// A stroke of @p width from (x1, y1) to (x2, y2) with round ends.
Shape Segment(double x1, double y1, double x2, double y2, double width);
// A closed polygon, corners in order.
Shape Polygon(std::vector<std::pair<double, double>> corners);
// The band of @p width centred on the outline of @p shape.
Shape Outline(Shape shape, double width);
// @p shape grown outwards by @p amount (inwards when negative).
Shape Grown(Shape shape, double amount);
Shape Moved(Shape shape, double dx, double dy);
// What lies in @p a and not in @p b.
Shape Minus(Shape a, Shape b);
// What lies in any of @p parts.
Shape Union(std::vector<Shape> parts);
// A stroke of @p width along the ellipse around (cx, cy) with radii @p rx and @p ry, from
// @p fromDegrees to @p toDegrees (0 at the right, counting clockwise on screen), round ends.
Shape Arc(double cx, double cy, double rx, double ry, double fromDegrees, double toDegrees,
          double width);
// Strokes of @p width through @p points in order, round joins and ends.
Shape Polyline(const std::vector<std::pair<double, double>>& points, double width);

// A paint: the colour at a point, in logical pixels.
using Paint = std::function<Colour(double x, double y)>;

Paint Solid(Colour c);
// From @p from at (x1, y1) to @p to at (x2, y2), flat beyond both ends.
Paint Linear(double x1, double y1, Colour from, double x2, double y2, Colour to);
// @p centre at (cx, cy), @p edge at @p radius and beyond.
Paint Radial(double cx, double cy, double radius, Colour centre, Colour edge);

class Canvas {
public:
    // A @p width x @p height logical picture drawn at @p scale device pixels per logical
    // pixel, every pixel @p background.
    Canvas(int32_t width, int32_t height, int32_t scale, Colour background);

    int32_t scale() const { return scale_; }
    const gdi::Bitmap& bitmap() const { return bitmap_; }

    // Covers @p shape with @p paint at @p opacity. @p feather, in logical pixels, softens
    // the edge over that width (a shadow or a glow); 0 gives a crisp anti-aliased edge.
    void fill(const Shape& shape, const Paint& paint, double opacity = 1, double feather = 0);
    // Mixes @p paint into device pixel (@p px, @p py) by @p cover (0 to 1).
    void blend(int32_t px, int32_t py, const Paint& paint, double cover);

    // Drawing only the shape of a picture: every fill of half opacity or more in black,
    // fainter ones (shadows, glints) not at all. A mask is made from it.
    bool silhouette = false;

private:
    int32_t scale_;
    gdi::Bitmap bitmap_;
};

// A picture drawn by @p draw at 1x, with the same drawing at 2x as its twin.
gdi::Bitmap DrawTwins(int32_t width, int32_t height, Colour background,
                      const std::function<void(Canvas&)>& draw);

}  // namespace assetgen
