#include "tools/assetgen/canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace assetgen {

namespace {

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

uint32_t Channel(double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 255.0))); }

Box Grow(Box b, double amount) {
    return {b.left - amount, b.top - amount, b.right + amount, b.bottom + amount};
}

double SegmentDistance(double px, double py, double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? Clamp01(((px - x1) * dx + (py - y1) * dy) / length2) : 0;
    return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

}  // namespace

Colour FromPixel(uint32_t pixel) {
    return {static_cast<double>((pixel >> 16) & 0xFF), static_cast<double>((pixel >> 8) & 0xFF),
            static_cast<double>(pixel & 0xFF)};
}

uint32_t ToPixel(Colour c) { return (Channel(c.r) << 16) | (Channel(c.g) << 8) | Channel(c.b); }

Colour Mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, double factor) {
    if (factor <= 1) return {c.r * factor, c.g * factor, c.b * factor};
    return Mix(c, {255, 255, 255}, factor - 1);
}

Shape Circle(double cx, double cy, double radius) {
    return {[=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; },
            {cx - radius, cy - radius, cx + radius, cy + radius}};
}

Shape Ellipse(double cx, double cy, double rx, double ry) {
    // Not an exact distance, but close to one near the outline, which is all the edge needs.
    return {[=](double x, double y) {
                return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1) * std::min(rx, ry);
            },
            {cx - rx, cy - ry, cx + rx, cy + ry}};
}

Shape RoundRect(double left, double top, double width, double height, double radius) {
    const double cx = left + width / 2, cy = top + height / 2;
    const double hx = width / 2 - radius, hy = height / 2 - radius;
    return {[=](double x, double y) {
                const double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
                return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) +
                       std::min(std::max(qx, qy), 0.0) - radius;
            },
            {left, top, left + width, top + height}};
}

Shape Rect(double left, double top, double width, double height) {
    return RoundRect(left, top, width, height, 0);
}

Shape Segment(double x1, double y1, double x2, double y2, double width) {
    const double half = width / 2;
    return {[=](double x, double y) { return SegmentDistance(x, y, x1, y1, x2, y2) - half; },
            {std::min(x1, x2) - half, std::min(y1, y2) - half, std::max(x1, x2) + half,
             std::max(y1, y2) + half}};
}

Shape Polygon(std::vector<std::pair<double, double>> corners) {
    Box bounds{corners[0].first, corners[0].second, corners[0].first, corners[0].second};
    for (const auto& [x, y] : corners)
        bounds = {std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x),
                  std::max(bounds.bottom, y)};
    return {[c = std::move(corners)](double x, double y) {
                double nearest = 1e9;
                bool inside = false;
                for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
                    const auto [xi, yi] = c[i];
                    const auto [xj, yj] = c[j];
                    nearest = std::min(nearest, SegmentDistance(x, y, xi, yi, xj, yj));
                    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                        inside = !inside;
                }
                return inside ? -nearest : nearest;
            },
            bounds};
}

Shape Outline(Shape shape, double width) {
    const Box bounds = Grow(shape.bounds, width / 2);
    return {[s = std::move(shape.distance), half = width / 2](double x, double y) {
                return std::abs(s(x, y)) - half;
            },
            bounds};
}

Shape Grown(Shape shape, double amount) {
    const Box bounds = Grow(shape.bounds, std::max(amount, 0.0));
    return {
        [s = std::move(shape.distance), amount](double x, double y) { return s(x, y) - amount; },
        bounds};
}

Shape Moved(Shape shape, double dx, double dy) {
    const Box b = shape.bounds;
    return {
        [s = std::move(shape.distance), dx, dy](double x, double y) { return s(x - dx, y - dy); },
        {b.left + dx, b.top + dy, b.right + dx, b.bottom + dy}};
}

Shape Minus(Shape a, Shape b) {
    const Box bounds = a.bounds;
    return {[da = std::move(a.distance), db = std::move(b.distance)](double x, double y) {
                return std::max(da(x, y), -db(x, y));
            },
            bounds};
}

Shape Union(std::vector<Shape> parts) {
    Box bounds = parts[0].bounds;
    for (const Shape& s : parts)
        bounds = {std::min(bounds.left, s.bounds.left), std::min(bounds.top, s.bounds.top),
                  std::max(bounds.right, s.bounds.right), std::max(bounds.bottom, s.bounds.bottom)};
    return {[p = std::move(parts)](double x, double y) {
                double d = 1e9;
                for (const Shape& s : p) d = std::min(d, s.distance(x, y));
                return d;
            },
            bounds};
}

Shape Arc(double cx, double cy, double rx, double ry, double fromDegrees, double toDegrees,
          double width) {
    constexpr int kSteps = 32;
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i <= kSteps; ++i) {
        const double a =
            (fromDegrees + (toDegrees - fromDegrees) * i / kSteps) * std::numbers::pi / 180;
        points.emplace_back(cx + rx * std::cos(a), cy + ry * std::sin(a));
    }
    return Polyline(points, width);
}

Shape Polyline(const std::vector<std::pair<double, double>>& points, double width) {
    std::vector<Shape> strokes;
    for (size_t i = 1; i < points.size(); ++i)
        strokes.push_back(Segment(points[i - 1].first, points[i - 1].second, points[i].first,
                                  points[i].second, width));
    return Union(std::move(strokes));
}

Paint Solid(Colour c) {
    return [c](double, double) { return c; };
}

Paint Linear(double x1, double y1, Colour from, double x2, double y2, Colour to) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double length2 = dx * dx + dy * dy;
    return [=](double x, double y) {
        return Mix(from, to, Clamp01(((x - x1) * dx + (y - y1) * dy) / length2));
    };
}

Paint Radial(double cx, double cy, double radius, Colour centre, Colour edge) {
    return [=](double x, double y) {
        return Mix(centre, edge, Clamp01(std::hypot(x - cx, y - cy) / radius));
    };
}

Canvas::Canvas(int32_t width, int32_t height, int32_t scale, Colour background)
    : scale_(scale),
      bitmap_(width * scale, height * scale, gdi::Bitmap::Format::Rgb32, ToPixel(background)) {}

void Canvas::blend(int32_t px, int32_t py, const Paint& paint, double cover) {
    if (!bitmap_.contains(px, py) || cover <= 0) return;
    const double s = scale_;
    const Colour under = FromPixel(bitmap_.pixel(px, py));
    const Colour over = paint((px + 0.5) / s, (py + 0.5) / s);
    bitmap_.setPixel(px, py, ToPixel(Mix(under, over, std::min(cover, 1.0))));
}

void Canvas::fill(const Shape& shape, const Paint& givenPaint, double givenOpacity,
                  double feather) {
    if (silhouette && givenOpacity < 0.5) return;
    const Paint paint = silhouette ? Solid({0, 0, 0}) : givenPaint;
    const double opacity = silhouette ? 1 : givenOpacity;
    const double s = scale_;
    // The softened edge is never narrower than one device pixel: the anti-aliasing.
    const double edge = std::max(feather, 1.0 / s);
    const Box area = Grow(shape.bounds, edge + 1);
    const auto x0 = std::max(0, static_cast<int32_t>(std::floor(area.left * s)));
    const auto y0 = std::max(0, static_cast<int32_t>(std::floor(area.top * s)));
    const auto x1 = std::min(bitmap_.width(), static_cast<int32_t>(std::ceil(area.right * s)));
    const auto y1 = std::min(bitmap_.height(), static_cast<int32_t>(std::ceil(area.bottom * s)));
    for (int32_t py = y0; py < y1; ++py) {
        const double y = (py + 0.5) / s;
        for (int32_t px = x0; px < x1; ++px) {
            const double x = (px + 0.5) / s;
            double cover = Clamp01(0.5 - shape.distance(x, y) / edge);
            if (cover <= 0) continue;
            if (feather > 0) cover = cover * cover * (3 - 2 * cover);
            const Colour under = FromPixel(bitmap_.pixel(px, py));
            bitmap_.setPixel(px, py, ToPixel(Mix(under, paint(x, y), cover * opacity)));
        }
    }
}

gdi::Bitmap DrawTwins(int32_t width, int32_t height, Colour background,
                      const std::function<void(Canvas&)>& draw) {
    Canvas one(width, height, 1, background);
    Canvas two(width, height, 2, background);
    draw(one);
    draw(two);
    gdi::Bitmap picture = one.bitmap();
    picture.setTwin(two.bitmap());
    return picture;
}

}  // namespace assetgen
