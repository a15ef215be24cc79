// The tab control: a tab widget whose tabs follow the model's captions (an "&" marks the
// letter Alt selects the tab by), and whose body holds the controls inside the tab control
// at their twips from its corner. A press on a tab reaches the model as MouseDown before
// the tab changes; every change of tab, by mouse or keys, becomes the model's tab and its
// TabClick, and a tab set by the program comes back without raising it again.

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

#include "host/qt/form_window.h"
#include "host/qt/units.h"
#include "host/qt/views.h"
#include "platform/forms/tabs.h"

namespace qthost {

namespace {

class TabView : public View<QTabWidget> {
public:
    TabView(vb::TabControl& tabs, QWidget* parent) : View(tabs, parent), tabs_(tabs) {
        tabBar()->installEventFilter(this);
        QObject::connect(this, &QTabWidget::currentChanged, this, [this](int index) {
            if (index >= 0 && index < tabs_.Tabs()) tabs_.setTab(static_cast<int16_t>(index));
            EventDelivered(*this);
            refresh();  // the model may have kept another tab
        });
    }
    bool takesFocus() const override { return true; }

protected:
    void refresh() override {
        const QSignalBlocker quiet(this);
        while (count() > tabs_.Tabs()) removeTab(count() - 1);
        while (count() < tabs_.Tabs()) addTab(new QWidget, QString());
        for (int16_t i = 0; i < tabs_.Tabs(); ++i) setTabText(i, ToQString(tabs_.TabCaption(i)));
        setCurrentIndex(tabs_.Tab());
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == tabBar() && e->type() == QEvent::MouseButtonPress) {
            auto& press = static_cast<QMouseEvent&>(*e);
            const QPointF at = tabBar()->mapTo(this, press.position());
            QMouseEvent here(QEvent::MouseButtonPress, at, press.globalPosition(), press.button(),
                             press.buttons(), press.modifiers());
            MousePressed(*this, here);
        }
        return QTabWidget::eventFilter(watched, e);
    }

private:
    vb::TabControl& tabs_;
};

}  // namespace

ControlView* MakeTabView(vb::TabControl& tabs, QWidget* parent) {
    return new TabView(tabs, parent);
}

}  // namespace qthost
