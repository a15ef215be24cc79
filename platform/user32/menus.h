#pragma once
/// @file
/// Menus as user32 keeps them: a window's menu bar and the drop-down menus under its
/// items, each item with a type (text, separator, owner-drawn, starting a new column), a
/// state (grayed, checked, highlighted), a command identifier, its text, an item value of
/// the owner's and the drop-down it opens. The window layer (platform/forms) builds the
/// menus of its forms from their menu items and rebuilds a drop-down when one of its items
/// is shown or hidden; a host shows them and asks their owner to measure and draw the
/// owner-drawn ones (windows.h).
///
/// An item is named either by its position (from 0) or by its command identifier; a
/// search by command goes through the drop-downs under the menu too.

#include <cstdint>
#include <functional>

#include "platform/user32/windows.h"

namespace win {

using HMENU = intptr_t;

/// Flags of AppendMenuA, ModifyMenuA and GetMenuState.
inline constexpr UINT MF_BYCOMMAND = 0x0;
inline constexpr UINT MF_STRING = 0x0;
inline constexpr UINT MF_GRAYED = 0x1;
inline constexpr UINT MF_DISABLED = 0x2;
inline constexpr UINT MF_CHECKED = 0x8;
inline constexpr UINT MF_POPUP = 0x10;
inline constexpr UINT MF_MENUBARBREAK = 0x20;
inline constexpr UINT MF_MENUBREAK = 0x40;
inline constexpr UINT MF_HILITE = 0x80;
inline constexpr UINT MF_OWNERDRAW = 0x100;
inline constexpr UINT MF_BYPOSITION = 0x400;
inline constexpr UINT MF_SEPARATOR = 0x800;
/// The flags of an item's state, as an item keeps them; the others give its type or say
/// how the call finds it.
inline constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE;

/// Item types (fType) and states (fState) of MENUITEMINFOA.
inline constexpr UINT MFT_STRING = 0x0;
inline constexpr UINT MFT_MENUBREAK = 0x40;
inline constexpr UINT MFT_OWNERDRAW = 0x100;
inline constexpr UINT MFT_SEPARATOR = 0x800;
inline constexpr UINT MFS_ENABLED = 0x0;
inline constexpr UINT MFS_GRAYED = 0x3;
inline constexpr UINT MFS_CHECKED = 0x8;
inline constexpr UINT MFS_HILITE = 0x80;

/// What MENUITEMINFOA's fMask asks for.
inline constexpr UINT MIIM_STATE = 0x1;
inline constexpr UINT MIIM_ID = 0x2;
inline constexpr UINT MIIM_SUBMENU = 0x4;
inline constexpr UINT MIIM_TYPE = 0x10;  ///< the type, and the text of a text item
inline constexpr UINT MIIM_DATA = 0x20;
inline constexpr UINT MIIM_STRING = 0x40;
inline constexpr UINT MIIM_FTYPE = 0x100;

/// An item's description. cbSize must be sizeof(MENUITEMINFOA).
struct MENUITEMINFOA {
    UINT cbSize;
    UINT fMask;
    UINT fType;
    UINT fState;
    UINT wID;
    HMENU hSubMenu;
    HBITMAP hbmpChecked;
    HBITMAP hbmpUnchecked;
    uintptr_t dwItemData;
    char* dwTypeData;  ///< the text's buffer, cch bytes
    UINT cch;
    HBITMAP hbmpItem;
};

/// The answer of GetMenuItemID and GetMenuState for a missing item.
inline constexpr UINT kNoItem = 0xFFFFFFFF;

/// An empty menu bar, or an empty drop-down menu.
HMENU CreateMenu();
HMENU CreatePopupMenu();
/// Destroys a menu and the drop-downs under it. 0 for a bad handle.
BOOL DestroyMenu(HMENU menu);

/// Adds an item at the end: a text, a separator (MF_SEPARATOR) or an owner-drawn item
/// (MF_OWNERDRAW, @p text's pointer value becoming the item value), with the state flags
/// given. With MF_POPUP @p idOrPopup is the drop-down it opens, else its command
/// identifier. 0 for a bad menu.
BOOL AppendMenuA(HMENU menu, UINT flags, uintptr_t idOrPopup, const char* text);
/// Removes the item (@p flags MF_BYPOSITION or MF_BYCOMMAND); its drop-down is kept.
BOOL RemoveMenu(HMENU menu, UINT item, UINT flags);
/// Changes the item as AppendMenuA would make it: type, state, identifier, and text or
/// item value. An item that opens a drop-down keeps it unless MF_POPUP names another, so
/// that its identifier can be changed.
BOOL ModifyMenuA(HMENU menu, UINT item, UINT flags, uintptr_t newId, const char* newItem);
/// Sets MF_GRAYED (or MF_DISABLED) on the item, or clears them with 0; returns the previous
/// state of those flags, or kNoItem for a missing item.
UINT EnableMenuItem(HMENU menu, UINT item, UINT flags);

/// Gives @p hwnd the menu bar @p menu (0 removes it). 0 for a window that does not exist.
BOOL SetMenu(HWND hwnd, HMENU menu);
/// The window's menu bar, or 0.
HMENU GetMenu(HWND hwnd);
/// The window's system menu (Restore, Move, Size, Minimize, Maximize, Close), made on the
/// first call; with @p revert nonzero it is put back to that and 0 is returned. 0 for a
/// window that does not exist.
HMENU GetSystemMenu(HWND hwnd, BOOL revert);

/// The number of items, or -1 for a bad menu.
int32_t GetMenuItemCount(HMENU menu);
/// The command identifier of the item at @p position; kNoItem for one that opens a
/// drop-down or is missing.
UINT GetMenuItemID(HMENU menu, int32_t position);
/// The drop-down the item at @p position opens, or 0.
HMENU GetSubMenu(HMENU menu, int32_t position);
/// Copies the item's text (an owner-drawn item has none), cut to @p maxCount - 1
/// characters and terminated, and returns the characters copied; with a null @p buffer,
/// the text's length. 0 for a missing item.
int32_t GetMenuStringA(HMENU menu, UINT item, char* buffer, int32_t maxCount, UINT flags);
/// The item's type and state flags; for an item that opens a drop-down, the flags in the
/// low byte (MF_POPUP among them) and the drop-down's item count above them. kNoItem for a
/// missing item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
/// Fills what @p info's fMask asks for. The text (MIIM_TYPE of a text item, or
/// MIIM_STRING) is copied into dwTypeData, cut to cch - 1 characters and terminated, and
/// cch becomes the text's length; with a null dwTypeData only cch is set. An owner-drawn
/// item has no text: nothing is copied and cch becomes 0. 0 for a missing item or a wrong
/// cbSize.
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info);
/// Changes what @p info's fMask names: MIIM_FTYPE the type, MIIM_TYPE the type and (for a
/// text item) the text, MIIM_STRING the text, MIIM_STATE, MIIM_ID, MIIM_SUBMENU,
/// MIIM_DATA. 0 for a missing item or a wrong cbSize.
BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info);

/// Asks the host to draw the window's menu bar again. 0 for a window that does not exist.
BOOL DrawMenuBar(HWND hwnd);
/// The host's notice for DrawMenuBar; null removes it.
void SetMenuBarListener(std::function<void(HWND)> listener);

}  // namespace win
