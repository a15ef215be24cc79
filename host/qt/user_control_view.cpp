// Controls made by ProgID (HoverCommand faces). The instance draws on its host's surface;
// the view shows that surface (its 2x twin where the screen has two device pixels to a
// pixel or more) and repaints whenever the instance says its surface changed. Presses,
// moves, releases and clicks reach the instance through the control as for any view; the
// pointer entering and leaving the widget reaches it here.

#include <QEnterEvent>
#include <QPainter>

#include "host/qt/form_window.h"
#include "host/qt/units.h"
#include "host/qt/views.h"
#include "platform/gdi/bitmap.h"

namespace qthost {

namespace {

class UserControlView : public View<QWidget> {
public:
    UserControlView(vb::UserControlHost& host, QWidget* parent) : View(host, parent), host_(host) {}

protected:
    void paintEvent(QPaintEvent*) override {
        host_.hDC();  // the instance has a surface to draw on from its first showing
        const gdi::Bitmap* pixels = host_.Surface();
        if (!pixels) return;
        QPainter p(this);
        p.drawImage(QPoint(0, 0), SharpImage(*pixels, devicePixelRatioF()));
    }
    void enterEvent(QEnterEvent* e) override {
        QWidget::enterEvent(e);
        host_.RaiseMouseEnter();
        EventDelivered(*this);
    }
    void leaveEvent(QEvent* e) override {
        QWidget::leaveEvent(e);
        host_.RaiseMouseLeave();
        EventDelivered(*this);
    }

private:
    vb::UserControlHost& host_;
};

}  // namespace

ControlView* MakeUserControlView(vb::UserControlHost& host, QWidget* parent) {
    return new UserControlView(host, parent);
}

}  // namespace qthost
