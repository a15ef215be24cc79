#pragma once
// The menu bar of a form, built from its menu items in design order: a top-level item with
// items under it is a drop-down menu, an item with the caption "-" a separator. Choosing an
// item, its shortcut or opening its menu raises the item's Click.

#include <QMenuBar>
#include <QPointer>
#include <functional>
#include <unordered_map>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace qthost {

class MenuBar {
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

private:
    // Qt deletes the items under a menu with it, so the bar holds them loosely.
    struct Item {
        QPointer<QAction> action;
        QPointer<QMenu> menu;  // null for an item with nothing under it
    };
    void add(vb::Menu& menu, bool hasItems);

    QMenuBar* bar_;
    std::function<void()> afterClick_;
    // Keyed as controls: a control being destroyed is no longer a menu item.
    std::unordered_map<const vb::Control*, Item> items_;
};

}  // namespace qthost
