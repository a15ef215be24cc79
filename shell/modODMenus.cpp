// Installing the owner-drawn menus, converting items, the window procedure and measuring.
// Drawing an item is in odmenu_draw.cpp.

#include "shell/modODMenus.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "platform/forms/form_windows.h"
#include "platform/gdi/bitmap.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/errors.h"
#include "platform/user32/draw.h"
#include "platform/user32/metrics.h"
#include "shell/resources.h"

namespace modODMenus {

bool UsePictureScheme = false;
vb::Picture MenuPicture;
std::map<std::string, MenuImage, NoCase> MenuImages;
std::map<std::string, std::string> MenuCaptions;
int32_t LastTopMenuID = 0;
BarItem PrevBarItem;

namespace {

constexpr const char* kOrigProc = "ODMenuOrigProc";
constexpr int32_t kTextBuffer = 128;
constexpr int32_t kItemPadding = 6;
constexpr int errInvalidCall = 5;

// Only the state flags of a bar item are kept: a drop-down's item count above them would
// read as more flags.
using win::kStateFlags;

win::WNDPROC PreviousProc(win::HWND hwnd) {
    return reinterpret_cast<win::WNDPROC>(win::GetPropA(hwnd, kOrigProc));
}

// Replaces the window's procedure once; false when the window does not exist.
bool Subclass(win::HWND hwnd) {
    const auto ours = reinterpret_cast<intptr_t>(&ODMenuWndProc);
    if (win::GetWindowLongA(hwnd, win::GWL_WNDPROC) == ours) return true;
    const intptr_t previous = win::SetWindowLongA(hwnd, win::GWL_WNDPROC, ours);
    if (previous == 0) return false;
    win::SetPropA(hwnd, kOrigProc, previous);
    return true;
}

// Paints the background of a toolbar's window with the menu background.
bool EraseToolbar(win::HDC hdc) {
    const win::HWND owner = win::WindowFromDC(hdc);
    char name[kTextBuffer] = {};
    win::GetClassNameA(owner, name, kTextBuffer);
    const char* found = std::strstr(name, "toolbar");
    if (!found || found == name) return false;
    win::RECT r{};
    win::GetWindowRect(owner, &r);
    const win::RECT area{0, 0, r.right - r.left, r.bottom - r.top};
    const win::HBRUSH brush = BackgroundBrush();
    win::FillRect(hdc, &area, brush);
    win::DeleteObject(brush);
    return true;
}

bool IsSystemMenu(win::HMENU menu) {
    for (vb::Form* f : vb::AllForms())
        if (f->Loaded() && win::GetSystemMenu(f->hWnd(), 0) == menu) return true;
    return false;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    std::ranges::transform(out, out.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

}  // namespace

// Compared letter by letter, without a lowered copy: menus look pictures up as they are
// measured and drawn.
bool NoCase::operator()(const std::string& a, const std::string& b) const {
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    return std::ranges::lexicographical_compare(a, b, {}, lower, lower);
}

std::string CaptionKey(uint32_t itemID, win::HWND hwnd) {
    return "M" + std::to_string(itemID) + "-" + std::to_string(hwnd);
}

std::string StoredCaption(uint32_t itemID, win::HWND hwnd) {
    const auto found = MenuCaptions.find(CaptionKey(itemID, hwnd));
    return found == MenuCaptions.end() ? std::string() : found->second;
}

void AttachODMenu(vb::Form& target, bool convertTop) {
    if (!Subclass(target.hWnd()))
        throw vb::RuntimeError(errInvalidCall, "Invalid procedure call or argument");
    if (convertTop) ConvertTopMenuItems(target);
}

void AttachODMenu(vb::Toolbar& target, bool) {
    const win::HWND inner = win::FindWindowExA(target.hWnd(), 0, vb::kToolbarInnerClass, nullptr);
    if (!Subclass(inner))
        throw vb::RuntimeError(errInvalidCall, "Invalid procedure call or argument");
}

void ConvertTopMenuItems(vb::Form& form) {
    const win::HMENU menu = win::GetMenu(form.hWnd());
    const int32_t count = win::GetMenuItemCount(menu);
    LastTopMenuID = count + kFirstBarItemID - 1;
    const int32_t first = form.WindowState() == vb::vbMaximized ? 1 : 0;
    for (int32_t i = first; i < count; ++i) {
        const auto position = static_cast<win::UINT>(i);
        const auto id = static_cast<uint32_t>(i + kFirstBarItemID);
        char text[kTextBuffer] = {};
        if (win::GetMenuStringA(menu, position, text, kTextBuffer - 1, win::MF_BYPOSITION) > 0)
            MenuCaptions[CaptionKey(id, form.hWnd())] = text;
        const win::UINT state = win::GetMenuState(menu, position, win::MF_BYPOSITION);
        win::ModifyMenuA(menu, position,
                         (state & kStateFlags) | win::MF_BYPOSITION | win::MF_OWNERDRAW, id,
                         reinterpret_cast<const char*>(kBarItemData));
    }
}

win::LRESULT ODMenuWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    const win::WNDPROC previous = PreviousProc(hwnd);
    switch (msg) {
        case win::WM_DRAWITEM: {
            const auto* record = reinterpret_cast<const win::DRAWITEMSTRUCT*>(lParam);
            if (!record || record->CtlType != win::ODT_MENU) break;
            DrawMenuItem(hwnd, record);
            return 0;
        }
        case win::WM_ERASEBKGND:
            if (EraseToolbar(static_cast<win::HDC>(wParam))) return -1;
            break;
        case win::WM_MEASUREITEM: {
            // Only menu items are ours to measure; other owner-drawn controls are their
            // owners'.
            auto* record = reinterpret_cast<win::MEASUREITEMSTRUCT*>(lParam);
            if (!record || record->CtlType != win::ODT_MENU) break;
            const win::SIZE size = MeasureMenuItem(hwnd, record->itemID, record->itemData);
            record->itemWidth = static_cast<win::UINT>(size.cx);
            record->itemHeight = static_cast<win::UINT>(size.cy);
            return 0;
        }
        case win::WM_INITMENUPOPUP: {
            const auto menu = static_cast<win::HMENU>(wParam);
            const bool system = IsSystemMenu(menu);
            const win::LRESULT result = win::CallWindowProcA(previous, hwnd, msg, wParam, lParam);
            if (!system) ConvertPopupItems(menu, hwnd, 0);
            return result;
        }
        default:
            break;
    }
    return win::CallWindowProcA(previous, hwnd, msg, wParam, lParam);
}

// The form engine builds a drop-down anew whenever one of its items is shown or hidden,
// so its items may be plain again at any opening. An item that is owner-drawn already has
// no text to read and keeps its stored caption.
void ConvertPopupItems(win::HMENU hMenu, win::HWND hwnd, int32_t index) {
    const int32_t first = index > 0 ? index : 0;
    const int32_t last = index > 0 ? index : win::GetMenuItemCount(hMenu) - 1;
    for (int32_t i = first; i <= last; ++i) {
        const auto position = static_cast<win::UINT>(i);
        char text[kTextBuffer] = {};
        win::MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = win::MIIM_TYPE | win::MIIM_ID;
        info.dwTypeData = text;
        info.cch = kTextBuffer - 1;
        if (!win::GetMenuItemInfoA(hMenu, position, 1, &info)) continue;
        info.fType |= win::MFT_OWNERDRAW;
        std::string caption = text;
        if (!caption.empty() && caption.front() == '|') {
            caption.erase(0, 1);
            info.fType |= win::MFT_MENUBREAK;
        }
        info.fMask = win::MIIM_FTYPE;
        win::SetMenuItemInfoA(hMenu, position, 1, &info);
        const win::UINT id = win::GetMenuItemID(hMenu, i);
        if (!caption.empty()) MenuCaptions[CaptionKey(id, hwnd)] = caption;
    }
}

win::SIZE MeasureMenuItem(win::HWND hwnd, win::UINT itemID, uintptr_t itemData) {
    const std::string caption = StoredCaption(itemID, hwnd);
    std::string text = caption;
    std::replace(text.begin(), text.end(), '\t', ' ');
    win::SIZE extent{0, 0};
    const win::HDC hdc = win::GetDC(hwnd);
    const win::HFONT font = CreateMenuFont(hdc);
    const win::HGDIOBJ old = win::SelectObject(hdc, font);
    win::GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int32_t>(text.size()), &extent);
    win::SelectObject(hdc, old);
    win::DeleteObject(font);
    win::ReleaseDC(hwnd, hdc);

    int32_t pictureHeight = 0;
    const auto image = MenuImages.find(caption.substr(0, caption.find('\t')));
    if (image != MenuImages.end()) {
        const vb::Picture picture = vb::LoadResPicture(image->second[0]);
        if (picture.bitmap()) pictureHeight = picture.bitmap()->height();
    }
    const int32_t column = itemData == kBarItemData ? 0 : kPictureColumn;
    return {column + extent.cx + kItemPadding, std::max(extent.cy, pictureHeight) + kItemPadding};
}

win::HFONT CreateMenuFont(win::HDC hdc) {
    const double scale = win::GetDeviceCaps(hdc, win::LOGPIXELSY) / 72.0;
    win::NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    win::SystemParametersInfoA(win::SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const win::LOGFONTA& f = metrics.lfMenuFont;
    const std::string face(f.lfFaceName, strnlen(f.lfFaceName, win::LF_FACESIZE));
    return win::CreateFontA(vb::CLng(std::abs(f.lfHeight) * scale), f.lfWidth, f.lfEscapement,
                            f.lfOrientation, f.lfWeight, f.lfItalic, f.lfUnderline, f.lfStrikeOut,
                            f.lfCharSet, f.lfOutPrecision, f.lfClipPrecision, f.lfQuality,
                            f.lfPitchAndFamily, face.c_str());
}

win::COLORREF GetMenuColor(std::string_view key) {
    struct Row {
        const char* key;
        win::COLORREF plain;
        win::COLORREF pictured;
    };
    // The colours with the solid scheme and with the picture scheme.
    static constexpr Row kColours[] = {
        {"body", win::RGB(58, 110, 165), win::RGB(58, 110, 165)},
        {"menubg", win::RGB(58, 110, 165), win::RGB(58, 110, 165)},
        {"selected", win::RGB(186, 186, 204), win::RGB(50, 50, 50)},
        {"selectedtext", win::RGB(255, 255, 255), win::RGB(255, 255, 255)},
        {"generaltext", win::RGB(0, 0, 0), win::RGB(0, 0, 0)},
        {"bordercolor", win::RGB(85, 85, 118), win::RGB(255, 255, 255)},
        {"table1bg", win::RGB(223, 223, 223), win::RGB(223, 223, 223)},
        {"table2bg", win::RGB(241, 241, 241), win::RGB(241, 241, 241)},
        {"headingbg", win::RGB(128, 128, 166), win::RGB(128, 128, 166)},
        {"headingtext", win::RGB(231, 231, 255), win::RGB(231, 231, 255)},
    };
    const std::string lower = Lower(key);
    for (const Row& row : kColours)
        if (lower == row.key) return UsePictureScheme ? row.pictured : row.plain;
    return win::RGB(0, 0, 0);
}

}  // namespace modODMenus
