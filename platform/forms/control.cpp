#include "platform/forms/control.h"

#include "platform/forms/form.h"
#include "platform/user32/capture.h"

namespace vb {

intptr_t NewWindowHandle() {
    // Handles start well above zero so that 0 always means "no window".
    static intptr_t next = 0x10000;
    next += 4;
    return next;
}

Control::Control(Form& owner, std::string name, int16_t index)
    : owner_(owner), name_(std::move(name)), index_(index), hwnd_(NewWindowHandle()) {
    owner_.registerControl(*this);
    tabIndex_ = static_cast<int16_t>(owner_.Controls().size() - 1);
}

Control::~Control() {
    owner_.unregisterControl(*this);
    if (HasHost()) CurrentHost().controlDestroyed(*this);
}

void Control::changed(Prop what) {
    if (HasHost()) CurrentHost().controlChanged(*this, what);
}

void Control::enabledChanged() { changed(Prop::Enabled); }

void Control::positionChanged() { changed(Prop::Position); }

void Control::setLeft(int32_t v) { Move(v, top_, width_, height_); }
void Control::setTop(int32_t v) { Move(left_, v, width_, height_); }
void Control::setWidth(int32_t v) { Move(left_, top_, v, height_); }
void Control::setHeight(int32_t v) { Move(left_, top_, width_, v); }

void Control::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    positionChanged();
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed(Prop::Visible);
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    enabledChanged();
}

void Control::setTabIndex(int16_t v) { update(tabIndex_, v, Prop::Other); }
void Control::setTabStop(bool v) { update(tabStop_, v, Prop::Other); }

bool Control::ReceivesInput() const {
    for (const Control* c = this; c; c = c->Container())
        if (!c->Visible() || !c->Enabled()) return false;
    return owner_.Loaded() && owner_.Visible() && owner_.Enabled();
}

// Each event checks afresh: a handler of the previous event may have hidden or disabled
// the control (a MouseDown that hides the button gets no Click after it).
// The handler runs from a copy, so that it may rewire the event while it runs.
void Control::RaiseClick() {
    if (!Click || !ReceivesInput()) return;
    auto handler = Click;
    handler();
}

void Control::RaiseDblClick() {
    if (!DblClick || !ReceivesInput()) return;
    auto handler = DblClick;
    handler();
}

void Control::RaiseMouseDown(int16_t button, int16_t shift, float x, float y) {
    if (!MouseDown || !ReceivesInput()) return;
    auto handler = MouseDown;
    handler(button, shift, x, y);
}

// A control that holds the mouse capture is sent every move, even once it has been hidden
// or disabled, so that it can see the pointer leave and let the capture go.
void Control::RaiseMouseMove(int16_t button, int16_t shift, float x, float y) {
    if (!MouseMove || (!ReceivesInput() && win::GetCapture() != hWnd())) return;
    auto handler = MouseMove;
    handler(button, shift, x, y);
}

void Control::RaiseMouseUp(int16_t button, int16_t shift, float x, float y) {
    if (!MouseUp || !ReceivesInput()) return;
    auto handler = MouseUp;
    handler(button, shift, x, y);
}

}  // namespace vb
