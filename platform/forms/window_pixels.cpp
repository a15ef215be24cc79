#include "platform/forms/window_pixels.h"

#include <algorithm>

#include "platform/forms/form.h"
#include "platform/forms/host.h"
#include "platform/forms/user_control_host.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/ole_colour.h"
#include "platform/types/twips.h"
#include "platform/user32/windows.h"

namespace vb {

namespace {

// The window of handle @p hwnd: a form, or a control of one that holds others.
struct FoundWindow {
    const Form* form = nullptr;
    const Control* control = nullptr;  // null for the form itself
};

FoundWindow Find(intptr_t hwnd) {
    for (const Form* form : AllForms()) {
        if (form->hWnd() == hwnd) return {form, nullptr};
        for (const Control* c : form->Controls())
            if (c->hWnd() == hwnd) return {form, c};
    }
    return {};
}

bool HoldsHostedControls(const FoundWindow& w) {
    for (const Control* c : w.form->Controls())
        if (dynamic_cast<const UserControlHost*>(c) && c->Container() == w.control) return true;
    return false;
}

// Where no host composes the window, it shows its form's back colour.
std::shared_ptr<gdi::Bitmap> Plain(const FoundWindow& w) {
    const int32_t width = (w.control ? w.control->Width() : w.form->Width()) / kTwipsPerPixel;
    const int32_t height = (w.control ? w.control->Height() : w.form->Height()) / kTwipsPerPixel;
    win::COLORREF rgb = 0;
    win::OleTranslateColor(w.form->BackColor(), 0, &rgb);
    return std::make_shared<gdi::Bitmap>(std::max(width, 1), std::max(height, 1),
                                         gdi::Bitmap::Format::Rgb32, gdi::ToPixel(rgb));
}

}  // namespace

// Only a window that holds controls hosted from libraries is composed: they copy what lies
// behind them from it, while a DC over any other window (a menu measuring its text) needs
// no picture and draws on the window's own surface.
void ShowWindowsThrough(Host* host) {
    if (!host) {
        win::SetWindowPixelsSource(nullptr);
        return;
    }
    win::SetWindowPixelsSource([host](win::HWND hwnd) -> std::shared_ptr<gdi::Bitmap> {
        const FoundWindow w = Find(hwnd);
        if (!w.form || !HoldsHostedControls(w)) return nullptr;
        std::shared_ptr<gdi::Bitmap> shown = host->windowPixels(hwnd);
        return shown ? shown : Plain(w);
    });
}

}  // namespace vb
