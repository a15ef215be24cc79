#include "platform/forms/window_dc.h"

#include <algorithm>
#include <map>

#include "platform/forms/form.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi32.h"
#include "platform/gdi/ole_colour.h"

namespace win {
namespace {

constexpr int32_t kTwipsPerPixel = 15;

struct WindowDC {
    HWND window;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

std::map<HDC, WindowDC>& Given() {
    static std::map<HDC, WindowDC> given;
    return given;
}

// The window's size in pixels and its form's back colour; false for an unknown handle.
bool Describe(HWND hwnd, int32_t& width, int32_t& height, vb::OleColor& back) {
    for (vb::Form* form : vb::AllForms()) {
        back = form->BackColor();
        if (form->hWnd() == hwnd) {
            width = form->Width() / kTwipsPerPixel;
            height = form->Height() / kTwipsPerPixel;
            return true;
        }
        for (vb::Control* c : form->Controls()) {
            if (c->hWnd() != hwnd) continue;
            width = c->Width() / kTwipsPerPixel;
            height = c->Height() / kTwipsPerPixel;
            return true;
        }
    }
    return false;
}

std::shared_ptr<gdi::Bitmap> Plain(HWND hwnd) {
    int32_t width = 0, height = 0;
    vb::OleColor back = 0;
    if (!Describe(hwnd, width, height, back)) return nullptr;
    COLORREF rgb = 0;
    OleTranslateColor(back, 0, &rgb);
    auto pixels = std::make_shared<gdi::Bitmap>(std::max(width, 1), std::max(height, 1),
                                                gdi::Bitmap::Format::Rgb32, gdi::ToPixel(rgb));
    return pixels;
}

}  // namespace

HDC GetDC(HWND hwnd) {
    std::shared_ptr<gdi::Bitmap> pixels =
        vb::HasHost() ? vb::CurrentHost().windowPixels(hwnd) : nullptr;
    if (!pixels) pixels = Plain(hwnd);
    if (!pixels) return 0;
    const HDC dc = CreateCompatibleDC(0);
    const HBITMAP bitmap = gdi::CreateBitmapFromPixels(*pixels);
    Given()[dc] = {hwnd, bitmap, SelectObject(dc, bitmap)};
    return dc;
}

int32_t ReleaseDC(HWND hwnd, HDC hdc) {
    const auto found = Given().find(hdc);
    if (found == Given().end() || found->second.window != hwnd) return 0;
    SelectObject(hdc, found->second.previous);
    DeleteObject(found->second.bitmap);
    DeleteDC(hdc);
    Given().erase(found);
    return 1;
}

}  // namespace win
