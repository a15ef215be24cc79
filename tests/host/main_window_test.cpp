// The main window on the Qt host: every control's widget where the design puts it, in the
// right stacking, painted, and clicks on it reaching the game.

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <string>

#include "host/host_fixture.h"
#include "platform/forms/bars.h"
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
        // Timers and menu items have no widget: the menu bar shows the items.
        if (dynamic_cast<const vb::Timer*>(c) || dynamic_cast<const vb::Menu*>(c)) continue;
        ++shown;
        SCOPED_TRACE(c->Name() + "(" + std::to_string(c->Index()) + ")");
        QWidget& w = widgetOf(*c);
        const QWidget* container = c->Container() ? &widgetOf(*c->Container()) : &client;
        EXPECT_EQ(w.parentWidget(), container);
        EXPECT_EQ(w.isHidden(), !c->Visible());
        EXPECT_EQ(w.geometry(), Expected(*c, client));
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
            EXPECT_EQ(widgetAt(centreOf(button)), &widgetOf(button));
        }
    }
    form.cmdUp(4).setVisible(false);
    EXPECT_EQ(widgetAt(centreOf(form.cmdUp(4))), &widgetOf(form.lblUp(4)));
    EXPECT_EQ(widgetAt(centreOf(form.lblOption(8))), &widgetOf(form.lblOption(8)));
    EXPECT_EQ(widgetAt(centreOf(form.lblTip(8))), &widgetOf(form.lblTip(8)));
    EXPECT_EQ(widgetAt(centreOf(form.picDice(5))), &widgetOf(form.picDice(5)));
}

TEST_F(HostTest, TheWindowIsPaintedAsDesigned) {
    const QImage shot = window().grab().toImage();
    // Kept for a look at the window; the checks below read the picture itself.
    const std::string png = ::testing::TempDir() + "tolvarin-main-window.png";
    EXPECT_TRUE(shot.save(QString::fromStdString(png)));
    ASSERT_EQ(shot.size(), window().size() * shot.devicePixelRatio());
    const auto colourAt = [&](const QPoint& inClient) {
        const QPoint at = window().client().mapTo(&window(), inClient) * shot.devicePixelRatio();
        return shot.pixelColor(at).rgb() & 0xFFFFFFu;
    };
    // The green cloth between the third die and the roll area, and a cell button's face.
    EXPECT_EQ(colourAt({2950 / 15, 6000 / 15}), 0x006000u) << "see " << png;
    EXPECT_EQ(colourAt(centreOf(form.cmdOblg(6))), 0xF0F0F0u) << "see " << png;
}

TEST_F(HostTest, ClicksReachTheGameAsItsEvents) {
    const QPoint rollArea = centreOf(form.picRollDices);
    ASSERT_EQ(widgetAt(rollArea), &widgetOf(form.picRollDices));
    clickAt(rollArea);
    EXPECT_EQ(form.rollNumber, 1);
    for (int32_t i = 0; i <= Module1::LastDieIndex; ++i) {
        EXPECT_GE(form.diceValues[static_cast<size_t>(i)], 1);
        EXPECT_LE(form.diceValues[static_cast<size_t>(i)], 6);
    }

    clickAt(centreOf(form.picDice(2)));
    EXPECT_FALSE(Module1::DiceToRoll[2]);
    EXPECT_FALSE(form.picDice(2).Visible());
    EXPECT_TRUE(form.PicDiceOff(2).Visible());
    EXPECT_TRUE(widgetOf(form.PicDiceOff(2)).isVisible());

    clickAt(centreOf(form.cmdRand(12)));
    EXPECT_FALSE(form.cmdRand(12).Visible());
    EXPECT_FALSE(widgetOf(form.cmdRand(12)).isVisible());
    EXPECT_NE(form.lblRand(12).Caption(), "");
}

}  // namespace
