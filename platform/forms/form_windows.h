#pragma once
/// @file
/// The system windows behind a loaded form, as the forms runtime makes them: the form's
/// own window with its menu bar and drop-down menus built from the form's menu items, and
/// for each toolbar its window with an inner window of class "msvb_lib_toolbar". They are
/// made when the form loads and destroyed when it unloads, so that whatever was attached to
/// them (a replaced window procedure, properties) goes with them.
///
/// A drop-down menu is built anew, as plain text items, whenever one of its items is shown,
/// hidden or given another caption or shortcut; a change of Enabled or Checked changes only
/// that item's state.

#include <cstdint>

#include "platform/forms/bars.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/user32/menus.h"

namespace vb {

/// Makes the windows and menus of @p form (Form::Load calls it before Form_Load).
void CreateFormWindows(Form& form);
/// Destroys them (Form::Unload and the form's destruction call it).
void DestroyFormWindows(Form& form);
/// A menu item changed (Menu calls it).
void MenuItemChanged(Menu& item, Prop what);

/// Where a menu item stands in the system menus: the menu holding it (the bar for a
/// top-level item), its position there, and the drop-down it opens. position is -1 while
/// the item is hidden or its form is not loaded.
struct MenuPlace {
    win::HMENU menu = 0;
    int32_t position = -1;
    win::HMENU popup = 0;
};
MenuPlace PlaceOf(const Menu& item);

/// The toolbar's inner window (class "msvb_lib_toolbar"), which paints its background;
/// 0 while its form is not loaded.
win::HWND InnerWindowOf(const Toolbar& bar);

/// The class name of a form's window and of a toolbar's.
inline constexpr const char* kFormClass = "TolvarinFormWindow";
inline constexpr const char* kToolbarClass = "TolvarinToolbar";
inline constexpr const char* kToolbarInnerClass = "msvb_lib_toolbar";

}  // namespace vb
