// Picture boxes and images. A picture box shows the surface the game draws on through its
// device context, or, while it has none, its Picture at the top left on its back colour;
// the controls it contains lie over it. A box that contains no control needs no window of
// its own: its container draws it, over its labels and under its windowed controls. An
// image, which has no window either, shows its picture, stretched to its size when Stretch
// is set. Where the screen has two device pixels to a pixel or more, both show the 2x twins
// of their pictures and surfaces.

#include <qdrawutil.h>

#include <QPainter>
#include <algorithm>

#include "host/qt/units.h"
#include "host/qt/views.h"
#include "host/qt/windowless.h"
#include "platform/forms/form.h"
#include "platform/forms/picturebox_surface.h"
#include "platform/gdi/bitmap.h"

namespace qthost {

namespace {

constexpr int kBorder = 2;

// Draws @p box in @p area, its top left corner at the origin, for a screen of @p ratio.
void PaintBox(QPainter& p, const vb::PictureBox& box, const QRect& area, const QPalette& palette,
              qreal ratio) {
    p.fillRect(area, ToQColor(box.BackColor()));
    const gdi::Bitmap* pixels = gdi::SurfaceOf(box);
    if (!pixels) pixels = box.Picture().bitmap().get();
    if (pixels) p.drawImage(QPoint(0, 0), SharpImage(*pixels, ratio));
    if (box.BorderStyle() == vb::vbFixedSingle) qDrawShadePanel(&p, area, palette, true, kBorder);
}

class PictureBoxView : public View<QWidget> {
public:
    PictureBoxView(vb::PictureBox& box, QWidget* parent) : View(box, parent), box_(box) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintBox(p, box_, rect(), palette(), devicePixelRatioF());
    }

private:
    vb::PictureBox& box_;
};

class WindowlessBoxView : public WindowlessView {
public:
    WindowlessBoxView(vb::PictureBox& box, QWidget& holder)
        : WindowlessView(box, holder), box_(box) {}
    Layer layer() const override { return Layer::Boxes; }

protected:
    void paint(QPainter& p, QSize size) override {
        PaintBox(p, box_, QRect(QPoint(0, 0), size), holderPalette(), holder().devicePixelRatioF());
    }

private:
    vb::PictureBox& box_;
};

bool HoldsControls(const vb::PictureBox& box) {
    const auto& controls = box.Parent().Controls();
    return std::any_of(controls.begin(), controls.end(),
                       [&](const vb::Control* c) { return c->Container() == &box; });
}

class ImageView : public WindowlessView {
public:
    ImageView(vb::Image& image, QWidget& holder) : WindowlessView(image, holder), image_(image) {}
    Layer layer() const override { return Layer::Images; }

protected:
    void paint(QPainter& p, QSize size) override {
        const auto& bitmap = image_.Picture().bitmap();
        if (!bitmap) return;
        const QImage picture = SharpImage(*bitmap, holder().devicePixelRatioF());
        if (image_.Stretch())
            p.drawImage(QRect(QPoint(0, 0), size), picture);
        else
            p.drawImage(QPoint(0, 0), picture);
    }

private:
    vb::Image& image_;
};

}  // namespace

// Decided when the view is made; a control put into a box drawn by its container later has
// the box's view made anew (FormWindow::parentFor).
ControlView* MakePictureBoxView(vb::PictureBox& box, QWidget* parent) {
    if (HoldsControls(box)) return new PictureBoxView(box, parent);
    return new WindowlessBoxView(box, *parent);
}

ControlView* MakeImageView(vb::Image& image, QWidget* parent) {
    return new ImageView(image, *parent);
}

}  // namespace qthost
