// Labels, images, shapes, lines and picture boxes holding no control have no window: their
// container draws them and hands them the mouse. A click reaches the topmost one that takes
// the mouse, with positions in its own twips; a hidden one, a shape under it, or a disabled
// one on top leaves the click to the container.

#include <QApplication>
#include <QMouseEvent>
#include <initializer_list>
#include <string>
#include <utility>

#include "host/host_fixture.h"
#include "platform/gdi/gdi32.h"

namespace {

// Which control got which mouse event, with the position in twips, in order.
struct Log {
    std::string events;
    void watch(vb::Control& c) {
        const std::string name = c.Name() + "(" + std::to_string(c.Index()) + ")";
        c.MouseDown = [this, name](int16_t, int16_t, float x, float y) {
            events +=
                name + " down " + std::to_string(int(x)) + "," + std::to_string(int(y)) + "; ";
        };
        c.MouseUp = [this, name](int16_t, int16_t, float, float) { events += name + " up; "; };
        c.Click = [this, name] { events += name + " click; "; };
    }
};

TEST_F(HostTest, AClickReachesTheTopmostControlWithoutAWindowThatTakesIt) {
    Log log;
    for (vb::Control* c : std::initializer_list<vb::Control*>{&form.Picture2, &form.lblOption(8),
                                                              &form.lblTip(8), &form.lblOption(9)})
        log.watch(*c);
    const QPoint option = centreOf(form.lblOption(8));
    clickAt(option);
    const QSize size = viewOf(form.lblOption(8)).shownAt().size();
    const std::string centre = std::to_string((size.width() - 1) / 2 * 15) + "," +
                               std::to_string((size.height() - 1) / 2 * 15);
    EXPECT_EQ(log.events,
              "lblOption(8) down " + centre + "; lblOption(8) up; lblOption(8) click; ");

    // A press let go over another label raises no click anywhere.
    log.events.clear();
    const QPoint next = centreOf(form.lblOption(9));
    QWidget& box = widgetOf(form.Picture2);
    for (auto [type, at] : {std::pair{QEvent::MouseButtonPress, option},
                            std::pair{QEvent::MouseButtonRelease, next}}) {
        const QPointF local = box.mapFrom(&window().client(), at);
        QMouseEvent e(type, local, local, box.mapToGlobal(local), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&box, &e);
    }
    EXPECT_EQ(log.events.substr(log.events.find(';') + 2), "lblOption(8) up; ");

    // Hidden, the hint leaves its shape under the spot, which takes no mouse: the sheet's
    // box gets the click. So does a disabled row name.
    form.lblTip(8).setVisible(false);
    form.lblOption(8).setEnabled(false);
    for (const QPoint& at : {centreOf(form.lblTip(8)), option}) {
        log.events.clear();
        clickAt(at);
        EXPECT_EQ(log.events.substr(0, 14), "Picture2(-1) d") << log.events;
    }
}

// A die moved over cells of the sheet lies over their labels, with what the game drew on it,
// and under their buttons.
TEST_F(HostTest, APictureBoxHoldingNoControlLiesOverTheLabelsAndUnderTheButtons) {
    vb::PictureBox& box = form.picDice(1);
    ASSERT_TRUE(viewOf(box).windowless());
    box.setEnabled(true);
    box.Move(form.lblUp(3).Left(), form.lblUp(3).Top(), 500, 500);
    form.cmdUp(3).setVisible(false);
    win::BitBlt(box.hDC(), 0, 0, 40, 40, 0, 0, 0, win::BLACKNESS);
    const QImage shot = window().client().grab().toImage();
    const QPoint cell = viewOf(form.lblUp(3)).shownAt().topLeft() * shot.devicePixelRatio();
    EXPECT_EQ(shot.pixel(cell) & 0xFFFFFFu, 0u);
    EXPECT_EQ(viewAt(centreOf(form.lblUp(3))), &viewOf(box));
    EXPECT_EQ(viewAt(centreOf(form.cmdUp(4))), &viewOf(form.cmdUp(4)));
}

// A control put into such a box has the box made anew with a widget to hold it.
TEST_F(HostTest, APictureBoxThatGetsAControlGetsAWidgetOfItsOwn) {
    form.lblTip(3).setContainer(&form.picDice(1));
    form.lblTip(3).Move(0, 0, 300, 220);
    ASSERT_FALSE(viewOf(form.picDice(1)).windowless());
    EXPECT_EQ(&viewOf(form.lblTip(3)).holder(), &widgetOf(form.picDice(1)));
}

}  // namespace
