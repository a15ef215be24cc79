// The main window on the Qt host: every control's view where the design puts it, in the
// right stacking, painted, and clicks on it reaching the game.

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <algorithm>
#include <string>

#include "host/host_fixture.h"
#include "platform/forms/bars.h"
#include "platform/forms/picturebox_surface.h"
#include "platform/gdi/bitmap.h"
#include "shell/Module1.h"

namespace {

// 15 twips a pixel; the bars keep to the client area's top and bottom edges.
QRect Expected(const vb::Control& c, const QWidget& client) {
    if (auto* line = dynamic_cast<const vb::Line*>(&c)) {
        const int x1 = line->X1() / 15, x2 = line->X2() / 15;
        const int y1 = line->Y1() / 15, y2 = line->Y2() / 15;
        return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                     QPoint(std::max(x1, x2), std::max(y1, y2)));
    }
    const int height = c.Height() / 15;
    if (dynamic_cast<const vb::StatusBar*>(&c))
        return {0, client.height() - height, client.width(), height};
    if (dynamic_cast<const vb::Toolbar*>(&c)) return {0, 0, client.width(), height};
    return {c.Left() / 15, c.Top() / 15, c.Width() / 15, height};
}

TEST_F(HostTest, EveryControlSitsWhereTheModelPutsIt) {
    const QWidget& client = window().client();
    size_t placed = 0, shown = 0;
    for (const vb::Control* c : form.Controls()) {
        // Timers, image lists and menu items have no widget: the menu bar shows the items.
        if (dynamic_cast<const vb::Timer*>(c) || dynamic_cast<const vb::Menu*>(c) ||
            dynamic_cast<const vb::ImageList*>(c))
            continue;
        ++shown;
        SCOPED_TRACE(c->Name() + "(" + std::to_string(c->Index()) + ")");
        qthost::ControlView& v = viewOf(*c);
        const QWidget* container = c->Container() ? &widgetOf(*c->Container()) : &client;
        EXPECT_EQ(&v.holder(), container);
        EXPECT_EQ(v.hidden(), !c->Visible());
        EXPECT_EQ(v.shownAt(), Expected(*c, client));
        ++placed;
    }
    EXPECT_EQ(placed, shown);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowTitle(), "Tolvarin 2.3");
    // The window leaves the status bar room under the frame of the dice area.
    EXPECT_GE(widgetOf(form.StatusBar1).y(), form.Line8.Y1() / 15);
}

TEST_F(HostTest, CellButtonsLieOverTheCellsAndTheCellsOverTheSheet) {
    for (int32_t code = colDown; code <= colOblg; ++code) {
        for (int16_t row = 0; row < kSheetRows; ++row) {
            SCOPED_TRACE("column " + std::to_string(code) + " row " + std::to_string(row));
            vb::CommandButton& button = form.Column(code).buttons(row);
            EXPECT_EQ(viewAt(centreOf(button)), &viewOf(button));
        }
    }
    form.cmdUp(4).setVisible(false);
    EXPECT_EQ(viewAt(centreOf(form.cmdUp(4))), &viewOf(form.lblUp(4)));
    EXPECT_EQ(viewAt(centreOf(form.lblOption(8))), &viewOf(form.lblOption(8)));
    EXPECT_EQ(viewAt(centreOf(form.lblTip(8))), &viewOf(form.lblTip(8)));
    form.picDice(5).setEnabled(true);  // a disabled die leaves the click to the window
    EXPECT_EQ(viewAt(centreOf(form.picDice(5))), &viewOf(form.picDice(5)));
}

// What a screen of device pixel ratio @p ratio shows of @p bitmap: its twin at 2 or more.
const gdi::Bitmap& Shown(const gdi::Bitmap& bitmap, qreal ratio) {
    return ratio >= 2 && bitmap.twin() ? *bitmap.twin() : bitmap;
}

// The colour shown at logical pixel @p at of @p bitmap: the top left device pixel of it.
uint32_t PixelShown(const gdi::Bitmap& bitmap, const QPoint& at, qreal ratio) {
    const gdi::Bitmap& shown = Shown(bitmap, ratio);
    const int scale = &shown == &bitmap ? 1 : 2;
    return shown.pixel(at.x() * scale, at.y() * scale);
}

// @p view, grabbed where it shows, shows @p bitmap at its top left, pixel for pixel (the
// twin at 2x); on a mismatch the grab is written as a PNG named after @p name.
void ExpectShows(qthost::ControlView& view, const gdi::Bitmap& bitmap, qreal ratio,
                 const std::string& name) {
    ASSERT_TRUE(ratio < 2 || bitmap.twin()) << "no twin to show";
    const gdi::Bitmap& shown = Shown(bitmap, ratio);
    const QImage grab = view.holder().grab(view.shownAt()).toImage();
    ASSERT_EQ(grab.size(), view.shownAt().size() * ratio);
    int wrong = 0;
    for (int y = 0; y < std::min(grab.height(), shown.height()); ++y)
        for (int x = 0; x < std::min(grab.width(), shown.width()); ++x)
            if ((grab.pixel(x, y) & 0xFFFFFFu) != shown.pixel(x, y)) ++wrong;
    if (wrong == 0) return;
    const std::string png = ::testing::TempDir() + "tolvarin-" + name + "-grab.png";
    grab.save(QString::fromStdString(png));
    ADD_FAILURE() << wrong << " pixels differ; see " << png;
}

TEST_F(HostTest, TheWindowIsPaintedAsDesigned) {
    form.cmdUp(4).setVisible(false);
    const QImage shot = window().grab().toImage();
    // Kept for a look at the window; the checks below read the picture itself.
    const std::string png = ::testing::TempDir() + "tolvarin-main-window.png";
    EXPECT_TRUE(shot.save(QString::fromStdString(png)));
    ASSERT_EQ(shot.size(), window().size() * shot.devicePixelRatio());
    const auto colourAt = [&](const QPoint& inClient) {
        const QPoint at = window().client().mapTo(&window(), inClient) * shot.devicePixelRatio();
        return shot.pixel(at) & 0xFFFFFFu;
    };
    // The green cloth between the third die and the roll area.
    EXPECT_EQ(colourAt({2950 / 15, 6000 / 15}), 0x006000u) << "see " << png;
    // A cell button's face is its picture, centred on it.
    const vb::CommandButton& button = form.cmdOblg(6);
    const vb::Picture& face = button.Enabled() ? button.Picture() : button.DisabledPicture();
    ASSERT_EQ(face.name(), "cellbutton");
    const QWidget& buttonWidget = widgetOf(button);
    const QSize margin =
        buttonWidget.size() - QSize(face.bitmap()->width(), face.bitmap()->height());
    const QPoint inPicture =
        buttonWidget.rect().center() - QPoint(margin.width() / 2, margin.height() / 2);
    EXPECT_EQ(colourAt(centreOf(button)),
              PixelShown(*face.bitmap(), inPicture, shot.devicePixelRatio()))
        << "see " << png;
    // A cell whose button has gone has a dark edge round its white.
    const QRect cell = viewOf(form.lblUp(4)).shownAt();
    EXPECT_EQ(colourAt(cell.topLeft()), 0x646464u) << "see " << png;
    EXPECT_EQ(colourAt(cell.bottomRight()), 0x646464u) << "see " << png;
    EXPECT_EQ(colourAt(cell.topLeft() + QPoint(1, 1)), 0xFFFFFFu) << "see " << png;
    // The row names lie on plain black: nothing shows between them.
    for (int16_t row = 0; row < kSheetRows; ++row) {
        SCOPED_TRACE(row);
        qthost::ControlView& name = viewOf(form.lblOption(row));
        const QRect at = name.shownAt();
        const QPoint below = name.holder().mapTo(
            &window().client(), at.topLeft() + QPoint(at.width() / 2, at.height()));
        EXPECT_EQ(colourAt(below), 0u) << "see " << png;
    }
}

// Pictures and drawn surfaces show their own pixels at a device pixel ratio of 1, and their
// 2x twins at 2: sharp, not blown up. CTest runs the host tests at both ratios.
TEST_F(HostTest, PicturesAndSurfacesShowTheirPixelsAtTheScreensRatio) {
    const qreal ratio = qEnvironmentVariableIntValue("QT_SCALE_FACTOR") >= 2 ? 2 : 1;
    const QImage shot = window().grab().toImage();
    ASSERT_EQ(shot.devicePixelRatio(), ratio);
    EXPECT_EQ(shot.size(), window().size() * ratio);

    // A twin is kept only where a screen shows it.
    const gdi::Bitmap& die = *form.picDice(2).Picture().bitmap();
    ASSERT_EQ(die.twin() != nullptr, ratio >= 2);
    if (ratio >= 2) {
        EXPECT_FALSE(*die.twin() == gdi::Doubled(die)) << "the die's twin is only a blow-up";
    }
    ExpectShows(viewOf(form.picDice(2)), die, ratio, "die");

    form.picScore.hDC();  // the counter is drawn on from now
    host.eventDelivered();
    const gdi::Bitmap* counter = gdi::SurfaceOf(form.picScore);
    ASSERT_NE(counter, nullptr);
    ExpectShows(viewOf(form.picScore), *counter, ratio, "counter");
}

// The design's separators ("-") are bare rules in the menus, with no text beside them.
TEST_F(HostTest, MenuSeparatorsShowNoText) {
    int separators = 0;
    for (const QMenu* menu : window().findChildren<QMenu*>()) {
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) continue;
            ++separators;
            EXPECT_EQ(action->text(), "");
        }
    }
    EXPECT_EQ(separators, 6);
}

TEST_F(HostTest, ClicksReachTheGameAsItsEvents) {
    const QPoint rollArea = centreOf(form.picRollDices);
    ASSERT_EQ(viewAt(rollArea), &viewOf(form.picRollDices));
    clickAt(rollArea);
    EXPECT_EQ(form.rollNumber, 1);
    for (int32_t i = 0; i <= Module1::LastDieIndex; ++i) {
        EXPECT_GE(form.diceValues[static_cast<size_t>(i)], 1);
        EXPECT_LE(form.diceValues[static_cast<size_t>(i)], 6);
    }

    ASSERT_TRUE(viewOf(form.picDice(2)).windowless());  // its container hands it the click
    clickAt(centreOf(form.picDice(2)));
    EXPECT_FALSE(Module1::DiceToRoll[2]);
    EXPECT_FALSE(form.picDice(2).Visible());
    EXPECT_TRUE(form.PicDiceOff(2).Visible());
    EXPECT_FALSE(viewOf(form.PicDiceOff(2)).hidden());

    clickAt(centreOf(form.cmdRand(12)));
    EXPECT_FALSE(form.cmdRand(12).Visible());
    EXPECT_FALSE(widgetOf(form.cmdRand(12)).isVisible());
    EXPECT_NE(form.lblRand(12).Caption(), "");
}

}  // namespace
