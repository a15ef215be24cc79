#include "host/qt/input.h"

#include <QPushButton>

#include "host/qt/control_view.h"
#include "host/qt/failure.h"
#include "host/qt/form_window.h"
#include "host/qt/keyboard.h"
#include "host/qt/units.h"
#include "platform/user32/capture.h"

namespace qthost {

namespace {

// One mouse and one thread: the control the last press went to, whether the button is
// still down, and whether that press was the second of a double click.
struct PressState {
    intptr_t control = 0;
    bool down = false;
    bool doubleClick = false;
};
PressState press;

int16_t ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return vb::vbLeftButton;
        case Qt::RightButton:
            return vb::vbRightButton;
        case Qt::MiddleButton:
            return vb::vbMiddleButton;
        default:
            return 0;
    }
}

int16_t ButtonsOf(Qt::MouseButtons buttons) {
    int16_t held = 0;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & b) held = static_cast<int16_t>(held | ButtonOf(b));
    return held;
}

// The control holding the mouse capture, when it is one of @p window's.
ControlView* CaptureIn(FormWindow& window) {
    const intptr_t holder = win::GetCapture();
    return holder ? window.viewByHandle(holder) : nullptr;
}

void RaiseMove(ControlView& view, const QPointF& global, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers) {
    const QPointF at = view.fromGlobal(global);
    Guarded([&] {
        view.control().RaiseMouseMove(ButtonsOf(buttons), ShiftOf(modifiers), TwipsX(at),
                                      TwipsY(at));
    });
    EventDelivered(view.widget());
}

void Press(ControlView& view, QMouseEvent& e) {
    press = {view.control().hWnd(), true, false};
    const QPointF at = view.local(e);
    Guarded([&] {
        view.control().RaiseMouseDown(ButtonOf(e.button()), ShiftOf(e.modifiers()), TwipsX(at),
                                      TwipsY(at));
    });
    EventDelivered(view.widget());
}

}  // namespace

void MousePressed(ControlView& view, QMouseEvent& e) {
    e.accept();
    Press(view, e);
}

void MouseReleased(ControlView& view, QMouseEvent& e, bool click) {
    e.accept();
    vb::Control& control = view.control();
    const QPointF at = view.local(e);
    const bool clicked = click && e.button() == Qt::LeftButton && press.down &&
                         !press.doubleClick && press.control == control.hWnd() &&
                         QRect(QPoint(0, 0), view.shownAt().size()).contains(at.toPoint());
    press.down = false;
    Guarded([&] {
        control.RaiseMouseUp(ButtonOf(e.button()), ShiftOf(e.modifiers()), TwipsX(at), TwipsY(at));
    });
    if (clicked) Guarded([&] { control.RaiseClick(); });
    EventDelivered(view.widget());
}

// With the capture, a move over any control goes to the control holding it.
void MouseMoved(ControlView& view, QMouseEvent& e) {
    e.accept();
    FormWindow* window = WindowOf(view.widget());
    ControlView* holder = window ? CaptureIn(*window) : nullptr;
    RaiseMove(holder ? *holder : view, e.globalPosition(), e.buttons(), e.modifiers());
}

void MouseDoubleClicked(ControlView& view, QMouseEvent& e) {
    e.accept();
    const bool sameControl = press.control == view.control().hWnd();
    if (!sameControl || (!view.windowless() && dynamic_cast<QPushButton*>(&view.widget()))) {
        Press(view, e);
        return;
    }
    press = {view.control().hWnd(), true, true};
    if (e.button() == Qt::LeftButton) Guarded([&] { view.control().RaiseDblClick(); });
    EventDelivered(view.widget());
}

void MovedOverWindow(FormWindow& window, const QPointF& global, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers modifiers) {
    if (ControlView* holder = CaptureIn(window)) RaiseMove(*holder, global, buttons, modifiers);
}

}  // namespace qthost
