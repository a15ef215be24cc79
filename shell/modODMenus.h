#pragma once
// The game's own menus: the main window's menu bar and drop-downs drawn by the game over a
// tiled background picture, each drop-down item with its picture left of the caption, the
// selected item highlighted and the shortcut at the right; the toolbar's background tiled
// with the same picture. It works by replacing the window procedure of the window and of
// the toolbar's inner window, turning the menu items into owner-drawn ones (keeping their
// captions here, since an owner-drawn item has none) and answering the measure and draw
// requests. Sizes are in pixels.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "platform/forms/bars.h"
#include "platform/forms/form.h"
#include "platform/gdi/text.h"
#include "platform/types/picture.h"
#include "platform/user32/menus.h"

namespace modODMenus {

// Menu pictures are looked up by caption without regard to case.
struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const;
};
// A caption's bitmap resource and its mask.
using MenuImage = std::array<std::string, 2>;

// True: backgrounds are tiled with MenuPicture; false: the solid "menubg" colour.
extern bool UsePictureScheme;
extern vb::Picture MenuPicture;
// Menu caption ("&" included, shortcut left out) to its picture and mask.
extern std::map<std::string, MenuImage, NoCase> MenuImages;
// The caption of each owner-drawn item, under "M" & command identifier & "-" & window.
extern std::map<std::string, std::string> MenuCaptions;
// The command identifier of the last menu-bar item.
extern int32_t LastTopMenuID;
// The menu-bar item drawn last, so that a bar wrapped onto more rows is filled row by row.
struct BarItem {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0, ItemID = 0;
};
extern BarItem PrevBarItem;

// The item data that marks a menu-bar item, and the first bar item's command identifier.
inline constexpr uintptr_t kBarItemData = 2;
inline constexpr int32_t kFirstBarItemID = 666;
// The width of the column left of a drop-down item's caption that holds its picture.
inline constexpr int32_t kPictureColumn = 30;

// Installs the module on the form's window (turning its menu bar into owner-drawn items
// when @p convertTop) or on the toolbar's inner window. The window procedure is replaced
// first, and once only; the bar is converted only when that succeeded. Raises run-time
// error 5 when the window does not exist.
void AttachODMenu(vb::Form& target, bool convertTop);
void AttachODMenu(vb::Toolbar& target, bool convertTop);
void ConvertTopMenuItems(vb::Form& form);
win::LRESULT ODMenuWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
// Turns the drop-down's items into owner-drawn ones (@p index 0: all of them).
void ConvertPopupItems(win::HMENU hMenu, win::HWND hwnd, int32_t index);
win::SIZE MeasureMenuItem(win::HWND hwnd, win::UINT itemID, uintptr_t itemData);
// A new font for menu text; the caller deletes it.
win::HFONT CreateMenuFont(win::HDC hdc);
void DrawMenuItem(win::HWND hwnd, const win::DRAWITEMSTRUCT* drawItem);
win::COLORREF GetMenuColor(std::string_view key);

// The key of an item's caption in MenuCaptions.
std::string CaptionKey(uint32_t itemID, win::HWND hwnd);
// The stored caption of an item, "" when there is none.
std::string StoredCaption(uint32_t itemID, win::HWND hwnd);
// The background brush of the menus: the tiled picture, or the solid "menubg" colour when
// the scheme is off or there is no picture. The caller deletes it.
win::HBRUSH BackgroundBrush();

}  // namespace modODMenus
