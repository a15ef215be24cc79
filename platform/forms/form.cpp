#include "platform/forms/form.h"

#include <algorithm>

#include "platform/forms/controls.h"
#include "platform/forms/form_windows.h"

namespace vb {

namespace {

std::vector<Form*>& registry() {
    static std::vector<Form*> forms;
    return forms;
}

}  // namespace

const std::vector<Form*>& AllForms() { return registry(); }

int32_t ScreenWidth() { return CurrentHost().screenWidth(); }
int32_t ScreenHeight() { return CurrentHost().screenHeight(); }

Form::Form(std::string name) : name_(std::move(name)), hwnd_(NewWindowHandle()) {
    registry().push_back(this);
}

Form::~Form() {
    DestroyFormWindows(*this);
    std::erase(registry(), this);
}

void Form::changed(Prop what) {
    if (HasHost()) CurrentHost().formChanged(*this, what);
}

void Form::setCaption(const std::string& v) {
    if (v == caption_) return;
    caption_ = v;
    changed(Prop::Caption);
}

void Form::setLeft(int32_t v) { setGeometry(v, top_, width_, height_); }
void Form::setTop(int32_t v) { setGeometry(left_, v, width_, height_); }
void Form::setWidth(int32_t v) { setGeometry(left_, top_, v, height_); }
void Form::setHeight(int32_t v) { setGeometry(left_, top_, width_, v); }

void Form::setGeometry(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    const bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed(Prop::Position);
    if (resized && loaded_) Form_Resize();
}

void Form::designGeometry(int32_t left, int32_t top, int32_t width, int32_t height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void Form::setWindowState(int16_t v) {
    if (v == windowState_) return;
    windowState_ = v;
    changed(Prop::Other);
    if (loaded_) Form_Resize();
}

void Form::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    changed(Prop::Enabled);
}

void Form::setBackColor(OleColor v) {
    if (v == backColor_) return;
    backColor_ = v;
    changed(Prop::Colour);
}

void Form::setKeyPreview(bool v) {
    if (v == keyPreview_) return;
    keyPreview_ = v;
    changed(Prop::Other);
}

void Form::registerControl(Control& c) { controls_.push_back(&c); }

void Form::unregisterControl(Control& c) { std::erase(controls_, &c); }

Control* Form::FindControl(const std::string& name, int16_t index) const {
    for (Control* c : controls_)
        if (c->Name() == name && c->Index() == index) return c;
    return nullptr;
}

void Form::restartTimers() {
    if (!HasHost()) return;
    for (Control* c : std::vector<Control*>(controls_))
        if (auto* t = dynamic_cast<Timer*>(c)) CurrentHost().timerChanged(*t);
}

}  // namespace vb
