#include "platform/forms/form.h"
#include "platform/forms/form_windows.h"

namespace vb {

namespace {

// Clears a flag when the scope ends, also when a host's modal loop throws.
class ResetOnExit {
public:
    explicit ResetOnExit(bool& flag) : flag_(flag) {}
    ~ResetOnExit() { flag_ = false; }
    ResetOnExit(const ResetOnExit&) = delete;
    ResetOnExit& operator=(const ResetOnExit&) = delete;

private:
    bool& flag_;
};

}  // namespace

void Form::Load() {
    if (loaded_) return;
    InitializeComponent();
    CreateFormWindows(*this);
    loaded_ = true;
    shownSinceLoad_ = false;
    restartTimers();
    Form_Load();
}

void Form::Show(int16_t modal, Form* owner) {
    Load();
    if (!loaded_) return;  // Form_Load unloaded the window again
    owner_ = owner;
    visible_ = true;
    if (!shownSinceLoad_) {
        shownSinceLoad_ = true;
        Form_Resize();
        if (!loaded_ || !visible_) return;
    }
    if (modal != vbModal) {
        CurrentHost().showForm(*this, false);
        return;
    }
    modal_ = true;
    ResetOnExit endModal(modal_);
    CurrentHost().showForm(*this, true);
}

void Form::Hide() {
    if (!loaded_ || !visible_) return;
    visible_ = false;
    if (HasHost()) CurrentHost().hideForm(*this);
}

bool Form::Unload(int16_t mode) {
    if (!loaded_) return true;
    if (unloading_) return false;
    {
        unloading_ = true;
        ResetOnExit done(unloading_);
        int16_t cancel = 0;
        Form_QueryUnload(cancel, mode);
        if (cancel != 0) return false;
        Form_Unload(cancel);
        if (cancel != 0) return false;
    }
    visible_ = false;
    loaded_ = false;
    owner_ = nullptr;
    restartTimers();
    DestroyFormWindows(*this);
    if (HasHost()) CurrentHost().unloadForm(*this);
    return true;
}

void Form::RaiseKeyPress(int16_t keyAscii) {
    if (!loaded_ || !enabled_) return;
    Form_KeyPress(keyAscii);
}

void Form::RaiseResize() {
    if (loaded_) Form_Resize();
}

void Form::RaiseClose() { Unload(vbFormControlMenu); }

}  // namespace vb
