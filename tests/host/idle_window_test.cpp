// A window as the game changes it: hidden, it catches up with the model when it shows; shown,
// a new text in a status panel paints that panel again and not the whole bar, and the focus
// coming and going paints nothing.

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QPaintEvent>
#include <vector>

#include "host/host_fixture.h"
#include "platform/forms/bars.h"

namespace {

TEST_F(HostTest, AHiddenWindowShowsTheModelAsItStandsWhenShownAgain) {
    form.Hide();
    form.lblTip(3).setCaption("17");
    form.cmdUp(4).setVisible(false);
    form.picDice(2).setLeft(form.picDice(2).Left() + 150);
    form.Show();
    EXPECT_EQ(viewOf(form.lblTip(3)).shownText(), "17");
    EXPECT_TRUE(widgetOf(form.cmdUp(4)).isHidden());
    EXPECT_EQ(viewOf(form.picDice(2)).shownAt().x(), form.picDice(2).Left() / 15);
}

// Keeps the rectangle of every paint event a widget gets.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget& widget) { widget.installEventFilter(this); }
    std::vector<QRect> painted;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted.push_back(static_cast<QPaintEvent*>(e)->rect());
        return false;
    }
};

TEST_F(HostTest, ANewStatusTextRepaintsItsPanelOnly) {
    QWidget& bar = widgetOf(form.StatusBar1);
    QCoreApplication::processEvents();  // the paints the window's showing asked for
    PaintSpy spy(bar);
    form.StatusBar1.Panels(5).setText("00:00:07");
    ASSERT_TRUE(RunEventsUntil([&] { return !spy.painted.empty(); }));
    for (const QRect& r : spy.painted) {
        EXPECT_GT(r.left(), bar.width() / 2) << "the clock is right";
        EXPECT_LT(r.width(), bar.width() / 2);
    }
}

// The window shows no focus: taking or losing it after the first paint paints nothing.
TEST_F(HostTest, TheWindowTakingOrLosingTheFocusPaintsNothingAgain) {
    QCoreApplication::processEvents();
    PaintSpy spy(window());
    for (const QEvent::Type change : {QEvent::FocusOut, QEvent::FocusIn}) {
        QFocusEvent e(change, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(&window(), &e);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(spy.painted.empty());
}

}  // namespace
