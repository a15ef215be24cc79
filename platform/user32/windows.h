#pragma once
/// @file
/// Windows as user32 knows them: a handle with a class name, a parent, a rectangle, a
/// window procedure that may be replaced (subclassing), named properties, and device
/// contexts that draw on it. The window layer (platform/forms) makes and destroys the
/// windows of its forms and toolbars; the hosts send them messages through SendMessageA.
/// Every call belongs to the one user-interface thread.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi32.h"

namespace gdi {
class Bitmap;
}

namespace win {

using HWND = intptr_t;
using UINT = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

/// A window procedure.
using WNDPROC = LRESULT (*)(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

/// The index of the window procedure for SetWindowLongA and GetWindowLongA.
inline constexpr int32_t GWL_WNDPROC = -4;

/// Messages of the owner-drawn menus and of painting.
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_DRAWITEM = 0x002B;
inline constexpr UINT WM_MEASUREITEM = 0x002C;
inline constexpr UINT WM_INITMENUPOPUP = 0x0117;

/// Owner-drawn control types, drawing actions and item states of the records below.
inline constexpr UINT ODT_MENU = 1;
inline constexpr UINT ODT_BUTTON = 4;
inline constexpr UINT ODA_DRAWENTIRE = 1;
inline constexpr UINT ODS_SELECTED = 0x1;
inline constexpr UINT ODS_GRAYED = 0x2;
inline constexpr UINT ODS_DISABLED = 0x4;
inline constexpr UINT ODS_CHECKED = 0x8;
inline constexpr UINT ODS_HOTLIGHT = 0x40;

/// WM_MEASUREITEM's record (lParam): the owner writes itemWidth and itemHeight, in pixels.
struct MEASUREITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemWidth;
    UINT itemHeight;
    uintptr_t itemData;
};

/// WM_DRAWITEM's record (lParam): draw item itemID on hDC within rcItem. For a menu,
/// hwndItem is the menu's handle.
struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    intptr_t hwndItem;
    HDC hDC;
    RECT rcItem;
    uintptr_t itemData;
};

/// The procedure every window starts with. WM_ERASEBKGND fills the window's rectangle on
/// the DC in wParam with the button face and answers 1; every other message answers 0.
LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

/// Replaces the window procedure (@p index GWL_WNDPROC, @p value a WNDPROC) and returns
/// the previous one. 0 for another index, a null procedure or a window that does not exist.
intptr_t SetWindowLongA(HWND hwnd, int32_t index, intptr_t value);
/// The window procedure in force (@p index GWL_WNDPROC); 0 otherwise.
intptr_t GetWindowLongA(HWND hwnd, int32_t index);
/// Calls @p proc with the message and returns its answer. 0, and nothing called, for a
/// null procedure or a window that does not exist (any more).
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
/// Calls the window's procedure in force with the message; 0 for a window that does not
/// exist.
LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

/// Stores @p data under the property @p name (matched without regard to case); nonzero on
/// success, 0 for a window that does not exist or a null or empty name.
BOOL SetPropA(HWND hwnd, const char* name, intptr_t data);
/// The property's data, or 0 when it is not set.
intptr_t GetPropA(HWND hwnd, const char* name);
/// Removes the property and returns its data, or 0 when it was not set.
intptr_t RemovePropA(HWND hwnd, const char* name);

/// Copies the window's class name, cut to @p maxCount - 1 characters and terminated, into
/// @p buffer; returns the characters copied. 0 (buffer untouched) for a window that does
/// not exist, a null buffer or a @p maxCount below 1.
int32_t GetClassNameA(HWND hwnd, char* buffer, int32_t maxCount);
/// The window's rectangle on the screen, in pixels. 0 for a window that does not exist or
/// a null @p rect.
BOOL GetWindowRect(HWND hwnd, RECT* rect);
/// The first child of @p parent after @p childAfter (0: from the first) whose class name
/// equals @p className and whose title equals @p title (each compared without regard to
/// case; null matches any); 0 when there is none or @p parent does not exist.
HWND FindWindowExA(HWND parent, HWND childAfter, const char* className, const char* title);
/// Whether the window exists.
BOOL IsWindow(HWND hwnd);

/// What a window shows now, as the window layer composes it (its client area and the
/// controls on it), or null when the window layer cannot say for @p hwnd.
using WindowPixelsSource = std::function<std::shared_ptr<gdi::Bitmap>(HWND hwnd)>;
/// Installs the window layer's source of window pixels; an empty one removes it.
void SetWindowPixelsSource(WindowPixelsSource source);

/// A device context over the window. Where the window pixels source shows the window, the
/// DC holds a copy of what it shows now (so that a control can copy what lies behind it).
/// Otherwise it draws on the window's surface: a 32-bit bitmap the size of the window with
/// a 2x twin (where twins are wanted), made on first use (cleared to the button face) and kept from
/// one GetDC to the next while the window keeps its size, so that what was drawn on it stays. While
/// another DC of the window is out, the new one gets a fresh surface of its own. 0 for a window
/// that neither shows nor exists.
HDC GetDC(HWND hwnd);
/// Frees a DC from GetDC (with its bitmap); 1 on success, 0 when @p hdc is not one of
/// @p hwnd's.
int32_t ReleaseDC(HWND hwnd, HDC hdc);
/// The window a DC from GetDC draws on, or 0 for any other DC.
HWND WindowFromDC(HDC hdc);

/// Makes the window @p hwnd (a handle the window layer chose) of class @p className under
/// @p parent (0 for a top-level window). @p rect gives its rectangle on the screen when
/// asked. False when @p hwnd is 0 or exists already.
bool CreateWindowHandle(HWND hwnd, HWND parent, std::string className, std::function<RECT()> rect);
/// Destroys the window and its children: their procedures, properties and menus go, and
/// no message reaches them any more. False when it did not exist.
bool DestroyWindowHandle(HWND hwnd);

}  // namespace win
