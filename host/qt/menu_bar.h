#pragma once
// The menu bar of a form, built from its menu items in design order: a top-level item with
// items under it is a drop-down menu, an item with the caption "-" a separator. Choosing an
// item, its shortcut or opening its menu raises the item's Click. Opening a drop-down first
// tells the form's window (WM_INITMENUPOPUP), which may turn its items into owner-drawn
// ones; owner-drawn items are measured and drawn by the window (owner_menus.h).

#include <QMenuBar>
#include <QPointer>
#include <functional>
#include <unordered_map>

#include "host/qt/owner_menus.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace qthost {

class MenuBar : public MenuPlaces {
public:
    // Builds the bar of @p form in @p window; @p afterClick runs after every Click.
    MenuBar(QWidget& window, vb::Form& form, std::function<void()> afterClick);
    // Whether the form has menus at all.
    bool empty() const { return items_.empty(); }
    QMenuBar& bar() const { return *bar_; }
    // Shows the item as the model has it now.
    void changed(const vb::Menu& menu);
    // The item is going away.
    void forget(const vb::Control& control);
    // The window asked for its bar to be drawn again: its items are measured anew.
    void redraw();

    win::HWND owner() const override { return owner_; }
    std::optional<ItemPlace> placeOf(const QAction& action) const override;

private:
    // Qt deletes the items under a menu with it, so the bar holds them loosely.
    struct Item {
        QPointer<QAction> action;
        QPointer<QMenu> menu;  // null for an item with nothing under it
    };
    void add(vb::Menu& menu, bool hasItems);
    void opening(vb::Menu& menu, QMenu& shown);

    win::HWND owner_;
    QMenuBar* bar_;
    QStyle* style_;
    std::function<void()> afterClick_;
    // Keyed as controls: a control being destroyed is no longer a menu item.
    std::unordered_map<const vb::Control*, Item> items_;
    std::unordered_map<const QAction*, const vb::Menu*> menuOf_;
};

}  // namespace qthost
