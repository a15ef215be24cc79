// Top-level windows stay on the screen's free area whatever place the form works out.

#include <QScreen>
#include <algorithm>

#include "host/host_fixture.h"

namespace {

// Where the form puts the window, in pixels from the free area's corners, and where it
// must show: a window larger than the area keeps its top left corner in it.
TEST_F(HostTest, TheWindowComesInsideTheScreensFreeArea) {
    const QRect free = window().screen()->availableGeometry();
    const int w = window().width(), h = window().height();
    const int right = std::max(free.left(), free.right() + 1 - w);
    const int bottom = std::max(free.top(), free.bottom() + 1 - h);
    struct Case {
        QPoint asked, shown;
    };
    const Case cases[] = {
        {{free.left() - 40, free.top() - 14}, {free.left(), free.top()}},
        {{free.right() + 60, free.bottom() + 60}, {right, bottom}},
        {{free.left() + 5, free.bottom()}, {std::min(free.left() + 5, right), bottom}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked.x());
        form.setLeft(c.asked.x() * 15);
        form.setTop(c.asked.y() * 15);
        EXPECT_EQ(window().pos(), c.shown);
        EXPECT_EQ(QPoint(form.Left() / 15, form.Top() / 15), c.shown) << "the form follows";
    }
}

}  // namespace
