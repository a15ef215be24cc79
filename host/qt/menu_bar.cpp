#include "host/qt/menu_bar.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>
#include <unordered_set>
#include <vector>

#include "host/qt/failure.h"
#include "host/qt/units.h"
#include "platform/forms/form_windows.h"

namespace qthost {

namespace {

// The form's menu items in design order, and those that have items under them.
struct Menus {
    std::vector<vb::Menu*> items;
    std::unordered_set<const vb::Menu*> parents;
};

Menus MenusOf(const vb::Form& form) {
    Menus menus;
    for (vb::Control* c : form.Controls()) {
        if (auto* menu = dynamic_cast<vb::Menu*>(c)) {
            menus.items.push_back(menu);
            menus.parents.insert(menu->ParentMenu());
        }
    }
    return menus;
}

// Qt keeps the sizes of a menu's items until its style changes.
void Remeasure(QWidget& widget) {
    QEvent change(QEvent::StyleChange);
    QCoreApplication::sendEvent(&widget, &change);
    widget.update();
}

}  // namespace

MenuBar::MenuBar(QWidget& window, vb::Form& form, std::function<void()> afterClick)
    : owner_(form.hWnd()),
      bar_(MakeOwnerMenuBar(window, *this)),
      style_(MakeMenuStyle(&window, *this)),
      afterClick_(std::move(afterClick)) {
    bar_->setNativeMenuBar(false);
    bar_->setStyle(style_);
    const Menus menus = MenusOf(form);
    for (vb::Menu* menu : menus.items) add(*menu, menus.parents.count(menu) != 0);
    for (vb::Menu* menu : menus.items) changed(*menu);
}

// Items come in design order, so a menu is made before the items under it.
void MenuBar::add(vb::Menu& menu, bool hasItems) {
    const auto parent = items_.find(menu.ParentMenu());
    QMenu* under = parent != items_.end() ? parent->second.menu.data() : nullptr;
    const QString caption = ToQString(menu.Caption());
    Item item{nullptr, nullptr};
    if (hasItems) {
        QMenu* shown = MakeOwnerMenu(under ? static_cast<QWidget*>(under) : bar_, *this);
        shown->setTitle(caption);
        shown->setStyle(style_);
        item.menu = shown;
        item.action = under ? under->addMenu(shown) : bar_->addMenu(shown);
        QObject::connect(shown, &QMenu::aboutToShow, shown,
                         [this, &menu, shown] { opening(menu, *shown); });
    } else {
        item.action = under ? under->addAction(caption) : bar_->addAction(caption);
        QObject::connect(item.action, &QAction::triggered, item.action, [this, &menu] {
            Guarded([&] { menu.RaiseClick(); });
            afterClick_();
        });
    }
    items_[&menu] = item;
    menuOf_[item.action.data()] = &menu;
}

void MenuBar::opening(vb::Menu& menu, QMenu& shown) {
    Guarded([&] { menu.RaiseClick(); });
    const vb::MenuPlace place = vb::PlaceOf(menu);
    if (place.popup)
        win::SendMessageA(owner_, win::WM_INITMENUPOPUP, static_cast<win::WPARAM>(place.popup),
                          std::max(place.position, 0));
    Remeasure(shown);
    afterClick_();
}

void MenuBar::redraw() { Remeasure(*bar_); }

std::optional<ItemPlace> MenuBar::placeOf(const QAction& action) const {
    const auto found = menuOf_.find(&action);
    if (found == menuOf_.end()) return std::nullopt;
    const vb::MenuPlace place = vb::PlaceOf(*found->second);
    if (place.position < 0 || place.menu == 0) return std::nullopt;
    return ItemPlace{place.menu, place.position};
}

void MenuBar::changed(const vb::Menu& menu) {
    const auto found = items_.find(&menu);
    if (found == items_.end() || !found->second.action) return;
    QAction* action = found->second.action;
    // A separator's "-" is no text to show: the style would draw it beside the rule.
    const bool separator = menu.Caption() == "-";
    action->setSeparator(separator);
    action->setText(separator ? QString() : ToQString(menu.Caption()));
    action->setVisible(menu.Visible());
    action->setEnabled(menu.Enabled());
    action->setCheckable(menu.Checked());
    action->setChecked(menu.Checked());
    if (!found->second.menu)
        action->setShortcut(QKeySequence(ToQString(menu.Shortcut()), QKeySequence::PortableText));
}

void MenuBar::forget(const vb::Control& control) {
    const auto found = items_.find(&control);
    if (found == items_.end()) return;
    menuOf_.erase(found->second.action.data());
    if (found->second.menu)
        found->second.menu->deleteLater();
    else if (found->second.action)
        found->second.action->deleteLater();
    items_.erase(found);
}

}  // namespace qthost
