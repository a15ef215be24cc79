#include "host/qt/owner_menus.h"

#include <qdrawutil.h>

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <vector>

#include "host/qt/application_style.h"
#include "host/qt/owner_draw.h"

namespace qthost {

namespace {

// Classic menus: a drop-down's raised frame two pixels wide, no margins, items touching.
constexpr int kPopupFrame = 2;

struct ShownItem {
    QAction* action;
    ItemPlace place;
};

// The shown items of @p widget when every one of them is owner-drawn; empty otherwise.
std::vector<ShownItem> OwnerDrawnItems(const QWidget& widget, const MenuPlaces& places) {
    std::vector<ShownItem> items;
    for (QAction* a : widget.actions()) {
        if (!a->isVisible()) continue;
        const auto place = places.placeOf(*a);
        if (!place || !OwnerDrawn(place->menu, place->position)) return {};
        items.push_back({a, *place});
    }
    return items;
}

// The item's state; @p activeState is what being the active item adds.
win::UINT StateOf(const QAction& action, bool active, win::UINT activeState) {
    const win::UINT state = action.isEnabled() ? 0 : win::ODS_GRAYED | win::ODS_DISABLED;
    return active ? state | activeState : state;
}

class OwnerMenuBar : public QMenuBar {
public:
    OwnerMenuBar(QWidget& window, const MenuPlaces& places) : QMenuBar(&window), places_(places) {}

protected:
    void paintEvent(QPaintEvent* e) override {
        const std::vector<ShownItem> items = OwnerDrawnItems(*this, places_);
        if (items.empty()) {
            QMenuBar::paintEvent(e);
            return;
        }
        GdiCanvas canvas(size(), devicePixelRatioF());
        for (const ShownItem& item : items) {
            const QRect r = actionGeometry(item.action);
            if (r.isEmpty()) continue;
            const bool active = item.action == activeAction();
            const bool open = active && item.action->menu() && item.action->menu()->isVisible();
            // The item under the mouse is raised; the one whose drop-down is open, selected.
            DrawItem(places_.owner(), item.place.menu, item.place.position,
                     StateOf(*item.action, active, open ? win::ODS_SELECTED : win::ODS_HOTLIGHT), r,
                     canvas.dc());
        }
        QPainter(this).drawImage(0, 0, canvas.image());
    }

private:
    const MenuPlaces& places_;
};

class OwnerMenu : public QMenu {
public:
    OwnerMenu(QWidget* parent, const MenuPlaces& places) : QMenu(parent), places_(places) {}

protected:
    void paintEvent(QPaintEvent* e) override {
        const std::vector<ShownItem> items = OwnerDrawnItems(*this, places_);
        if (items.empty()) {
            QMenu::paintEvent(e);
            return;
        }
        const QRect inside = rect().adjusted(kPopupFrame, kPopupFrame, -kPopupFrame, -kPopupFrame);
        GdiCanvas canvas(inside.size(), devicePixelRatioF());
        for (const ShownItem& item : items) {
            const QRect r = actionGeometry(item.action).translated(-inside.topLeft());
            if (r.isEmpty()) continue;
            DrawItem(places_.owner(), item.place.menu, item.place.position,
                     StateOf(*item.action, item.action == activeAction(), win::ODS_SELECTED), r,
                     canvas.dc());
        }
        QPainter p(this);
        p.drawImage(inside.topLeft(), canvas.image());
        qDrawWinPanel(&p, rect(), palette(), false);
    }

private:
    const MenuPlaces& places_;
};

// The action an item's style option stands for: a drop-down's text carries its shortcut
// after a Tab.
QAction* ActionOf(const QWidget& widget, const QStyleOptionMenuItem& item) {
    const bool separator = item.menuItemType == QStyleOptionMenuItem::Separator;
    const QString text = item.text.left(item.text.indexOf(u'\t'));
    for (QAction* a : widget.actions())
        if (a->isVisible() && a->isSeparator() == separator && (separator || a->text() == text))
            return a;
    return nullptr;
}

class MenuStyle : public QProxyStyle {
public:
    // Over the program's own style, whose pictures are read when first used; a proxy
    // without a base would make a plain style of its own.
    MenuStyle(QStyle* base, const MenuPlaces& places) : QProxyStyle(base), places_(places) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if ((type == CT_MenuItem || type == CT_MenuBarItem) && item && widget)
            if (const QAction* action = ActionOf(*widget, *item))
                if (const auto place = places_.placeOf(*action))
                    if (const auto measured =
                            MeasureItem(places_.owner(), place->menu, place->position))
                        return *measured;
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
            case PM_MenuBarPanelWidth:
            case PM_MenuBarVMargin:
            case PM_MenuBarHMargin:
            case PM_MenuBarItemSpacing:
            case PM_MenuHMargin:
            case PM_MenuVMargin:
            case PM_MenuDesktopFrameWidth:
                return 0;
            case PM_MenuPanelWidth:
                return kPopupFrame;
            default:
                return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

private:
    const MenuPlaces& places_;
};

}  // namespace

QMenuBar* MakeOwnerMenuBar(QWidget& window, const MenuPlaces& places) {
    return new OwnerMenuBar(window, places);
}

QMenu* MakeOwnerMenu(QWidget* parent, const MenuPlaces& places) {
    return new OwnerMenu(parent, places);
}

QStyle* MakeMenuStyle(QObject* parent, const MenuPlaces& places) {
    auto* style = new MenuStyle(MakeApplicationStyle(), places);
    style->setParent(parent);
    return style;
}

}  // namespace qthost
