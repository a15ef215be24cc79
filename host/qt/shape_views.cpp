// Shapes and lines: drawn graphics without a window, that take no mouse input (a click
// goes to what lies under them). A shape is a rectangle, square, oval, circle or rounded one of
// them, filled with its back colour when opaque and edged with its border; a line runs from (X1,
// Y1) to (X2, Y2) of its container.

#include <QPainter>
#include <algorithm>

#include "host/qt/units.h"
#include "host/qt/views.h"
#include "host/qt/windowless.h"

namespace qthost {

namespace {

constexpr int16_t kTransparentBorder = 0;

// The rounded kinds' corners, as a share of the shorter side.
constexpr double kCornerShare = 1.0 / 6;

QPen BorderPen(vb::OleColor colour, int16_t width) {
    QPen pen(ToQColor(colour));
    pen.setWidth(std::max<int>(width, 1));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

class ShapeView : public WindowlessView {
public:
    ShapeView(vb::Shape& shape, QWidget& holder) : WindowlessView(shape, holder), shape_(shape) {}
    Layer layer() const override { return Layer::Shapes; }

protected:
    bool takesMouse() const override { return false; }
    void paint(QPainter& p, QSize size) override {
        p.setRenderHint(QPainter::Antialiasing, isRound());
        const QRectF area = outline(size);
        p.setBrush(shape_.BackStyle() != 0 ? QBrush(ToQColor(shape_.BackColor())) : Qt::NoBrush);
        if (shape_.BorderStyle() == kTransparentBorder)
            p.setPen(Qt::NoPen);
        else
            p.setPen(BorderPen(shape_.BorderColor(), shape_.BorderWidth()));
        const double corner = std::min(area.width(), area.height()) * kCornerShare;
        switch (shape_.Kind()) {
            case vb::vbShapeOval:
            case vb::vbShapeCircle:
                p.drawEllipse(area);
                break;
            case vb::vbShapeRoundedRectangle:
            case vb::vbShapeRoundedSquare:
                p.drawRoundedRect(area, corner, corner);
                break;
            default:
                p.drawRect(area);
        }
    }

private:
    bool isRound() const { return shape_.Kind() >= vb::vbShapeOval; }
    bool isSquare() const {
        const int16_t k = shape_.Kind();
        return k == vb::vbShapeSquare || k == vb::vbShapeCircle || k == vb::vbShapeRoundedSquare;
    }
    // The border lies inside the control's rectangle; square kinds are centred in it.
    QRectF outline(QSize size) const {
        const double inset =
            shape_.BorderStyle() == kTransparentBorder ? 0 : std::max<int>(shape_.BorderWidth(), 1);
        QRectF area = QRectF(QRect(QPoint(0, 0), size))
                          .adjusted(inset / 2, inset / 2, -inset / 2, -inset / 2);
        if (!isSquare()) return area;
        const double side = std::min(area.width(), area.height());
        return QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    }

    vb::Shape& shape_;
};

class LineView : public WindowlessView {
public:
    LineView(vb::Line& line, QWidget& holder) : WindowlessView(line, holder), line_(line) {}
    Layer layer() const override { return Layer::Lines; }

    // The box around both ends, as wide as the pen.
    QRect placement() const override {
        const QPoint a(Px(line_.X1()), Px(line_.Y1()));
        const QPoint b(Px(line_.X2()), Px(line_.Y2()));
        const int pen = penWidth();
        return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                     QPoint(std::max(a.x(), b.x()) + pen - 1, std::max(a.y(), b.y()) + pen - 1));
    }

protected:
    bool takesMouse() const override { return false; }
    void paint(QPainter& p, QSize) override {
        const QPoint origin = placement().topLeft();
        const QPoint a = QPoint(Px(line_.X1()), Px(line_.Y1())) - origin;
        const QPoint b = QPoint(Px(line_.X2()), Px(line_.Y2())) - origin;
        if (penWidth() == 1) {
            p.setPen(ToQColor(line_.BorderColor()));
            p.drawLine(a, b);
            return;
        }
        const QPointF half(penWidth() / 2.0, penWidth() / 2.0);
        p.setPen(BorderPen(line_.BorderColor(), line_.BorderWidth()));
        p.drawLine(QPointF(a) + half, QPointF(b) + half);
    }

private:
    int penWidth() const { return std::max<int>(line_.BorderWidth(), 1); }

    vb::Line& line_;
};

}  // namespace

ControlView* MakeShapeView(vb::Shape& shape, QWidget* parent) {
    return new ShapeView(shape, *parent);
}

ControlView* MakeLineView(vb::Line& line, QWidget* parent) { return new LineView(line, *parent); }

}  // namespace qthost
