// Picture boxes and images. A picture box shows the surface the game draws on through its
// device context, or, while it has none, its Picture at the top left on its back colour;
// the controls it contains lie over it. An image, which has no window (its container draws
// it), shows its picture, stretched to its size when Stretch is set. Where the screen has
// two device pixels to a pixel or more, both show the 2x twins of their pictures and
// surfaces.

#include <qdrawutil.h>

#include <QPainter>

#include "host/qt/units.h"
#include "host/qt/views.h"
#include "host/qt/windowless.h"
#include "platform/forms/picturebox_surface.h"
#include "platform/gdi/bitmap.h"

namespace qthost {

namespace {

constexpr int kBorder = 2;

class PictureBoxView : public View<QWidget> {
public:
    PictureBoxView(vb::PictureBox& box, QWidget* parent) : View(box, parent), box_(box) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), ToQColor(box_.BackColor()));
        const gdi::Bitmap* pixels = gdi::SurfaceOf(box_);
        if (!pixels) pixels = box_.Picture().bitmap().get();
        if (pixels) p.drawImage(QPoint(0, 0), SharpImage(*pixels, devicePixelRatioF()));
        if (box_.BorderStyle() == vb::vbFixedSingle)
            qDrawShadePanel(&p, rect(), palette(), true, kBorder);
    }

private:
    vb::PictureBox& box_;
};

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

ControlView* MakePictureBoxView(vb::PictureBox& box, QWidget* parent) {
    return new PictureBoxView(box, parent);
}

ControlView* MakeImageView(vb::Image& image, QWidget* parent) {
    return new ImageView(image, *parent);
}

}  // namespace qthost
