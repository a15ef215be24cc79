// The keyboard of a form's window: the tab order the model gives (TabIndex, then design
// order; TabStop decides whether the Tab key stops), the first control to take the focus,
// the default and cancel buttons that Enter and Escape press, and the key codes.

#include "host/qt/keyboard.h"

#include <QTimer>
#include <algorithm>
#include <vector>

#include "host/qt/control_view.h"
#include "host/qt/failure.h"
#include "host/qt/form_window.h"
#include "platform/forms/controls.h"
#include "platform/forms/user_control_host.h"

namespace qthost {

namespace {

constexpr int16_t kEnter = vb::vbKeyReturn, kEscape = vb::vbKeyEscape, kSpace = vb::vbKeySpace;

// Controls in the order the Tab key walks them; equal indexes keep their design order.
std::vector<vb::Control*> TabOrder(const vb::Form& form) {
    std::vector<vb::Control*> order = form.Controls();
    std::stable_sort(order.begin(), order.end(), [](const vb::Control* a, const vb::Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    return order;
}

bool IsDefault(const vb::Control& c) {
    if (const auto* b = dynamic_cast<const vb::CommandButton*>(&c)) return b->Default();
    if (const auto* h = dynamic_cast<const vb::UserControlHost*>(&c)) return h->Default();
    return false;
}

bool IsCancel(const vb::Control& c) {
    if (const auto* b = dynamic_cast<const vb::CommandButton*>(&c)) return b->Cancel();
    if (const auto* h = dynamic_cast<const vb::UserControlHost*>(&c)) return h->Cancel();
    return false;
}

}  // namespace

int16_t KeyCodeOf(const QKeyEvent& e) {
    const int key = e.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<int16_t>(key);  // Qt's codes are the capitals' and digits' own
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnter;
        case Qt::Key_Escape:
            return kEscape;
        case Qt::Key_Space:
            return kSpace;
        default:
            return 0;
    }
}

int16_t ShiftOf(Qt::KeyboardModifiers modifiers) {
    int16_t shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= vb::vbShiftMask;
    if (modifiers & Qt::ControlModifier) shift |= vb::vbCtrlMask;
    if (modifiers & Qt::AltModifier) shift |= vb::vbAltMask;
    return shift;
}

void FormWindow::orderTabs() {
    vb::Form* f = form();
    if (!f || f->KeyPreview()) return;
    QWidget* previous = nullptr;
    for (vb::Control* c : TabOrder(*f)) {
        ControlView* view = viewOf(*c);
        if (!view || !view->takesFocus()) continue;
        if (previous) QWidget::setTabOrder(previous, &view->widget());
        previous = &view->widget();
    }
}

// The first control in tab order that can take the keys has them, so that Enter and
// Space work at once; a window that keeps the keys for itself takes them.
void FormWindow::focusFirst() {
    vb::Form* f = form();
    if (!f) return;
    if (!f->KeyPreview()) {
        for (vb::Control* c : TabOrder(*f)) {
            ControlView* view = viewOf(*c);
            if (!view || !view->takesFocus() || !c->TabStop() || !c->ReceivesInput()) continue;
            view->widget().setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    }
    setFocus(Qt::ActiveWindowFocusReason);
}

bool FormWindow::pressDefaultOrCancel(const QKeyEvent& e) {
    const int16_t key = KeyCodeOf(e);
    if ((key != kEnter && key != kEscape) || e.isAutoRepeat()) return false;
    vb::Form* f = form();
    for (vb::Control* c : f ? f->Controls() : std::vector<vb::Control*>{}) {
        if (!(key == kEnter ? IsDefault(*c) : IsCancel(*c)) || !c->ReceivesInput()) continue;
        Guarded([&] { c->RaiseClick(); });
        return true;
    }
    return false;
}

// Told after the window shows, so that the message stands over it.
void FormWindow::reportMissingLibraries() {
    vb::Form* f = form();
    if (!f) return;
    for (vb::Control* c : f->Controls()) {
        const auto* hosted = dynamic_cast<const vb::UserControlHost*>(c);
        if (!hosted || !hosted->Fallback()) continue;
        const vb::Control* missing = c;
        QTimer::singleShot(0, this, [this, missing] {
            vb::Form* shown = form();
            if (!shown) return;
            for (vb::Control* still : shown->Controls())
                if (still == missing)
                    static_cast<const vb::UserControlHost*>(missing)->ReportLoadError();
        });
        return;
    }
}

}  // namespace qthost
