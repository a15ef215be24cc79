#include "host/qt/menu_bar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>

#include "host/qt/units.h"

namespace qthost {

namespace {

bool HasItems(const vb::Form& form, const vb::Menu& menu) {
    return std::any_of(form.Controls().begin(), form.Controls().end(), [&](vb::Control* c) {
        auto* item = dynamic_cast<vb::Menu*>(c);
        return item && item->ParentMenu() == &menu;
    });
}

}  // namespace

MenuBar::MenuBar(QWidget& window, vb::Form& form, std::function<void()> afterClick)
    : bar_(new QMenuBar(&window)), afterClick_(std::move(afterClick)) {
    bar_->setNativeMenuBar(false);
    for (vb::Control* c : form.Controls())
        if (auto* menu = dynamic_cast<vb::Menu*>(c)) add(*menu, HasItems(form, *menu));
    for (vb::Control* c : form.Controls())
        if (auto* menu = dynamic_cast<vb::Menu*>(c)) changed(*menu);
}

// Items come in design order, so a menu is made before the items under it.
void MenuBar::add(vb::Menu& menu, bool hasItems) {
    const auto parent = items_.find(menu.ParentMenu());
    QMenu* under = parent != items_.end() ? parent->second.menu.data() : nullptr;
    const QString caption = ToQString(menu.Caption());
    Item item{nullptr, nullptr};
    if (hasItems) {
        item.menu = under ? under->addMenu(caption) : bar_->addMenu(caption);
        item.action = item.menu->menuAction();
        QObject::connect(item.menu, &QMenu::aboutToShow, item.menu, [this, &menu] {
            menu.RaiseClick();
            afterClick_();
        });
    } else {
        item.action = under ? under->addAction(caption) : bar_->addAction(caption);
        QObject::connect(item.action, &QAction::triggered, item.action, [this, &menu] {
            menu.RaiseClick();
            afterClick_();
        });
    }
    items_[&menu] = item;
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
    if (found->second.menu)
        found->second.menu->deleteLater();
    else if (found->second.action)
        found->second.action->deleteLater();
    items_.erase(found);
}

}  // namespace qthost
