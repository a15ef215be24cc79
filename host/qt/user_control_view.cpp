// Controls made by ProgID (HoverCommand faces). The instance draws on its host's surface;
// the view shows that surface (its 2x twin where the screen has two device pixels to a
// pixel or more) and repaints whenever the instance says its surface changed. Presses,
// moves, releases and clicks reach the instance through the control as for any view; the
// keys, the focus, Alt and the caption's marked letter, and the pointer leaving the widget
// while the instance holds the capture reach it here. A control whose library could not be
// loaded is shown as a standard push button with its caption.

#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include "host/qt/failure.h"
#include "host/qt/form_window.h"
#include "host/qt/keyboard.h"
#include "host/qt/units.h"
#include "host/qt/views.h"
#include "platform/gdi/bitmap.h"
#include "platform/user32/capture.h"

namespace qthost {

namespace {

using vb::vbKeyReturn;
using vb::vbKeySpace;

// Set while a container's pixels are composed for what lies behind a hosted control: the
// hosted controls themselves are left out.
bool composing = false;

class UserControlView : public View<QPushButton> {
public:
    UserControlView(vb::UserControlHost& host, QWidget* parent) : View(host, parent), host_(host) {
        setAutoDefault(false);
    }
    bool takesFocus() const override { return true; }

protected:
    // The caption gives the button its Alt shortcut, whoever draws the face.
    void refresh() override {
        setText(ToQString(host_.Caption()));
        setFont(ToQFont(host_.Font()));
    }

    void paintEvent(QPaintEvent* e) override {
        if (composing) return;
        if (host_.Fallback()) {
            QPushButton::paintEvent(e);
            return;
        }
        host_.hDC();  // the instance has a surface to draw on from its first showing
        const gdi::Bitmap* pixels = host_.Surface();
        if (!pixels) return;
        QPainter p(this);
        p.drawImage(QPoint(0, 0), SharpImage(*pixels, devicePixelRatioF()));
    }

    bool event(QEvent* e) override {
        if (e->type() != QEvent::Shortcut) return QPushButton::event(e);
        Guarded([&] { host_.RaiseClick(); });
        EventDelivered(*this);
        return true;
    }

    // Space and Enter are the button's own; other keys go on to the window (Escape, Tab).
    void keyPressEvent(QKeyEvent* e) override {
        const int16_t key = KeyCodeOf(*e);
        if (host_.Fallback()) {
            if (key == vbKeyReturn || key == vbKeySpace) pressOnRelease_ = true;
            if (key == vbKeyReturn && !e->isAutoRepeat()) releaseStandIn();
            if (key != vbKeyReturn && key != vbKeySpace) e->ignore();
            return;
        }
        Guarded([&] { host_.RaiseKeyDown(key, ShiftOf(e->modifiers())); });
        EventDelivered(*this);
        if (key != vbKeyReturn && key != vbKeySpace) e->ignore();
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        if (e->isAutoRepeat()) return;
        const int16_t key = KeyCodeOf(*e);
        if (host_.Fallback()) {
            if (key == vbKeySpace && pressOnRelease_) releaseStandIn();
            return;
        }
        Guarded([&] { host_.RaiseKeyUp(key, ShiftOf(e->modifiers())); });
        EventDelivered(*this);
    }

    void focusInEvent(QFocusEvent* e) override {
        QPushButton::focusInEvent(e);
        Guarded([&] { host_.RaiseGotFocus(); });
        EventDelivered(*this);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QPushButton::focusOutEvent(e);
        Guarded([&] { host_.RaiseLostFocus(); });
        EventDelivered(*this);
    }

    void enterEvent(QEnterEvent* e) override {
        QPushButton::enterEvent(e);
        Guarded([&] { host_.RaiseMouseEnter(); });
        EventDelivered(*this);
    }
    // A pointer that leaves the window altogether sends no more moves: the instance holding
    // the capture is sent the move outside that it waits for.
    void leaveEvent(QEvent* e) override {
        QPushButton::leaveEvent(e);
        const QPointF at = mapFromGlobal(QCursor::pos());
        if (win::GetCapture() == host_.hWnd() && !rect().contains(at.toPoint()))
            Guarded([&] { host_.RaiseMouseMove(0, 0, TwipsX(at), TwipsY(at)); });
        Guarded([&] { host_.RaiseMouseLeave(); });
        EventDelivered(*this);
    }

private:
    void releaseStandIn() {
        pressOnRelease_ = false;
        Guarded([&] { host_.RaiseClick(); });
        EventDelivered(*this);
    }

    vb::UserControlHost& host_;
    bool pressOnRelease_ = false;
};

}  // namespace

ControlView* MakeUserControlView(vb::UserControlHost& host, QWidget* parent) {
    return new UserControlView(host, parent);
}

QImage ComposeBehindHostedControls(QWidget& container, qreal ratio) {
    QImage image(container.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(container.palette().color(QPalette::Window));
    composing = true;
    container.render(&image, QPoint(), QRegion(),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);
    composing = false;
    return image;
}

}  // namespace qthost
