#include "platform/user32/windows.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <utility>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/colours.h"
#include "platform/gdi/dc.h"
#include "platform/user32/draw.h"
#include "platform/user32/menu_detail.h"

namespace win {

namespace {

struct Window {
    HWND parent = 0;
    std::string className;
    std::function<RECT()> rect;
    WNDPROC proc = DefWindowProcA;
    std::map<std::string, intptr_t> props;  // keyed in lower case
    HBITMAP surface = 0;                    // made by the first GetDC
};

// A DC from GetDC, with the bitmap it draws on; a bitmap made for it alone goes with it.
struct WindowDC {
    HWND hwnd;
    HBITMAP bitmap;
    HGDIOBJ stock;
    bool own;
};

struct Windows {
    std::map<HWND, Window> all;
    std::map<HDC, WindowDC> dcs;
    WindowPixelsSource pixelsSource;
};

Windows& State() {
    static Windows state;
    return state;
}

Window* Find(HWND hwnd) {
    auto& all = State().all;
    const auto found = all.find(hwnd);
    return found == all.end() ? nullptr : &found->second;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    std::ranges::transform(out, out.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool SameText(const char* want, const std::string& have) {
    return !want || Lower(want) == Lower(have);
}

RECT RectOf(const Window& w) { return w.rect ? w.rect() : RECT{0, 0, 0, 0}; }

HBITMAP NewSurface(int32_t width, int32_t height) {
    const uint32_t face = gdi::ToPixel(gdi::SysColour(COLOR_BTNFACE));
    return gdi::CreateBlankBitmap(width, height, face, gdi::TwinsWanted());
}

bool InUse(HWND hwnd) {
    for (const auto& [dc, wdc] : State().dcs)
        if (wdc.hwnd == hwnd && !wdc.own) return true;
    return false;
}

// The window's kept surface, made anew when the window's size changed.
HBITMAP SurfaceOf(Window& w, int32_t width, int32_t height) {
    BITMAP kept{};
    if (w.surface && GetObjectA(w.surface, sizeof kept, &kept) && kept.bmWidth == width &&
        kept.bmHeight == height)
        return w.surface;
    DeleteObject(w.surface);
    w.surface = NewSurface(width, height);
    return w.surface;
}

}  // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    if (msg != WM_ERASEBKGND) return 0;
    const Window* w = Find(hwnd);
    if (!w) return 0;
    const RECT r = RectOf(*w);
    const RECT area{0, 0, r.right - r.left, r.bottom - r.top};
    return FillRect(static_cast<HDC>(wParam), &area, COLOR_BTNFACE + 1) ? 1 : 0;
}

intptr_t SetWindowLongA(HWND hwnd, int32_t index, intptr_t value) {
    Window* w = Find(hwnd);
    if (!w || index != GWL_WNDPROC || value == 0) return 0;
    const WNDPROC before = w->proc;
    w->proc = reinterpret_cast<WNDPROC>(value);
    return reinterpret_cast<intptr_t>(before);
}

intptr_t GetWindowLongA(HWND hwnd, int32_t index) {
    const Window* w = Find(hwnd);
    if (!w || index != GWL_WNDPROC) return 0;
    return reinterpret_cast<intptr_t>(w->proc);
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc || !Find(hwnd)) return 0;
    return proc(hwnd, msg, wParam, lParam);
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const Window* w = Find(hwnd);
    return w ? w->proc(hwnd, msg, wParam, lParam) : 0;
}

BOOL SetPropA(HWND hwnd, const char* name, intptr_t data) {
    Window* w = Find(hwnd);
    if (!w || !name || !*name) return 0;
    w->props[Lower(name)] = data;
    return 1;
}

intptr_t GetPropA(HWND hwnd, const char* name) {
    const Window* w = Find(hwnd);
    if (!w || !name) return 0;
    const auto found = w->props.find(Lower(name));
    return found == w->props.end() ? 0 : found->second;
}

intptr_t RemovePropA(HWND hwnd, const char* name) {
    Window* w = Find(hwnd);
    if (!w || !name) return 0;
    const auto found = w->props.find(Lower(name));
    if (found == w->props.end()) return 0;
    const intptr_t data = found->second;
    w->props.erase(found);
    return data;
}

int32_t GetClassNameA(HWND hwnd, char* buffer, int32_t maxCount) {
    const Window* w = Find(hwnd);
    if (!w || !buffer || maxCount < 1) return 0;
    const auto n =
        static_cast<int32_t>(std::min(w->className.size(), static_cast<size_t>(maxCount - 1)));
    std::memcpy(buffer, w->className.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    const Window* w = Find(hwnd);
    if (!w || !rect) return 0;
    *rect = RectOf(*w);
    return 1;
}

HWND FindWindowExA(HWND parent, HWND childAfter, const char* className, const char* title) {
    if (!Find(parent)) return 0;
    const auto& all = State().all;
    for (auto it = all.upper_bound(childAfter); it != all.end(); ++it)
        if (it->second.parent == parent && SameText(className, it->second.className) &&
            SameText(title, ""))
            return it->first;
    return 0;
}

BOOL IsWindow(HWND hwnd) { return Find(hwnd) ? 1 : 0; }

void SetWindowPixelsSource(WindowPixelsSource source) { State().pixelsSource = std::move(source); }

HDC GetDC(HWND hwnd) {
    if (const auto& source = State().pixelsSource) {
        if (const std::shared_ptr<gdi::Bitmap> shown = source(hwnd)) {
            const HDC dc = CreateCompatibleDC(0);
            const HBITMAP copy = gdi::CreateBitmapFromPixels(*shown);
            State().dcs[dc] = {hwnd, copy, SelectObject(dc, copy), true};
            return dc;
        }
    }
    Window* w = Find(hwnd);
    if (!w) return 0;
    const RECT r = RectOf(*w);
    const int32_t width = std::max(1, r.right - r.left);
    const int32_t height = std::max(1, r.bottom - r.top);
    const bool own = InUse(hwnd);
    const HBITMAP bitmap = own ? NewSurface(width, height) : SurfaceOf(*w, width, height);
    const HDC dc = CreateCompatibleDC(0);
    State().dcs[dc] = {hwnd, bitmap, SelectObject(dc, bitmap), own};
    return dc;
}

int32_t ReleaseDC(HWND hwnd, HDC hdc) {
    auto& dcs = State().dcs;
    const auto found = dcs.find(hdc);
    if (found == dcs.end() || found->second.hwnd != hwnd) return 0;
    SelectObject(hdc, found->second.stock);
    if (found->second.own) DeleteObject(found->second.bitmap);
    DeleteDC(hdc);
    dcs.erase(found);
    return 1;
}

HWND WindowFromDC(HDC hdc) {
    const auto& dcs = State().dcs;
    const auto found = dcs.find(hdc);
    return found == dcs.end() ? 0 : found->second.hwnd;
}

bool CreateWindowHandle(HWND hwnd, HWND parent, std::string className, std::function<RECT()> rect) {
    if (hwnd == 0 || Find(hwnd)) return false;
    State().all[hwnd] = Window{parent, std::move(className), std::move(rect), DefWindowProcA, {}};
    return true;
}

// Children go first, as the system destroys them before their parent.
bool DestroyWindowHandle(HWND hwnd) {
    if (!Find(hwnd)) return false;
    std::vector<HWND> children;
    for (const auto& [handle, w] : State().all)
        if (w.parent == hwnd) children.push_back(handle);
    for (const HWND child : children) DestroyWindowHandle(child);
    detail::ForgetMenusOf(hwnd);
    DeleteObject(Find(hwnd)->surface);
    State().all.erase(hwnd);
    return true;
}

}  // namespace win
