#pragma once
// The menu bar and drop-down menus of a form window, drawn by the form's window procedure
// once their items are owner-drawn: a style measures each item through WM_MEASUREITEM, and
// the bar and each drop-down compose their items through WM_DRAWITEM on one GDI canvas
// (a drop-down in a classic raised frame). While any shown item is still a plain one, the
// widget is drawn as Qt draws menus. Keys, mnemonics and shortcuts are Qt's, as ever.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <optional>

#include "platform/user32/menus.h"

namespace qthost {

// Where the system menus hold the item an action shows.
struct ItemPlace {
    win::HMENU menu;
    int32_t position;
};

// What the owner-drawn widgets ask of their menu bar.
class MenuPlaces {
public:
    virtual ~MenuPlaces() = default;
    // The window whose procedure measures and draws the items.
    virtual win::HWND owner() const = 0;
    // The place of the item @p action shows, or nothing while it has none.
    virtual std::optional<ItemPlace> placeOf(const QAction& action) const = 0;
};

QMenuBar* MakeOwnerMenuBar(QWidget& window, const MenuPlaces& places);
QMenu* MakeOwnerMenu(QWidget* parent, const MenuPlaces& places);
// The style the bar and its drop-downs are given; @p parent owns it.
QStyle* MakeMenuStyle(QObject* parent, const MenuPlaces& places);

}  // namespace qthost
