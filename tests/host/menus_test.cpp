// The game's own menus and toolbar in the real window: each drop-down, opened, shows
// exactly what the game's drawing of its items makes (its 2x twin at a ratio of 2), and the
// toolbar shows its pictures over the tiled background, swapping the sound picture at once.

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <string>

#include "host/host_fixture.h"
#include "host/qt/owner_draw.h"
#include "platform/forms/form_windows.h"
#include "platform/gdi/bitmap.h"
#include "platform/user32/metrics.h"
#include "shell/resources.h"

namespace {

constexpr int kFrame = 2;

QMenu* MenuOf(const qthost::FormWindow& window, const vb::Menu& item) {
    for (QMenu* menu : window.findChildren<QMenu*>())
        if (menu->title() == QString::fromStdString(item.Caption())) return menu;
    return nullptr;
}

// Counts the device pixels of @p grab inside the frame that differ from @p expected.
int Differences(const QImage& grab, const QImage& expected, qreal ratio) {
    int wrong = 0;
    const int inset = static_cast<int>(kFrame * ratio);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if ((grab.pixel(x + inset, y + inset) ^ expected.pixel(x, y)) & 0xFFFFFFu) ++wrong;
    return wrong;
}

TEST_F(HostTest, EachMenuShowsWhatTheGameDrawsOfIt) {
    const qreal ratio = qEnvironmentVariableIntValue("QT_SCALE_FACTOR") >= 2 ? 2 : 1;
    for (const vb::Menu* item : {&form.mnuGame, &form.mnuTools, &form.mnuHelp}) {
        SCOPED_TRACE(item->Name());
        QMenu* menu = MenuOf(window(), *item);
        ASSERT_NE(menu, nullptr);
        menu->popup(window().mapToGlobal(QPoint(0, 0)));
        ASSERT_TRUE(RunEventsUntil([menu] { return menu->isVisible(); }));
        const QImage grab = menu->grab().toImage();
        // The opening made every item owner-drawn; each is as high as the game measured it.
        qthost::GdiCanvas canvas(menu->size() - QSize(2 * kFrame, 2 * kFrame), ratio);
        const vb::MenuPlace place = vb::PlaceOf(*item);
        int shown = 0;
        for (QAction* action : menu->actions()) {
            if (!action->isVisible()) continue;
            ASSERT_TRUE(qthost::OwnerDrawn(place.popup, shown));
            const auto size = qthost::MeasureItem(form.hWnd(), place.popup, shown);
            const QRect r = menu->actionGeometry(action).translated(-kFrame, -kFrame);
            EXPECT_EQ(r.height(), size->height());
            const win::UINT state = action->isEnabled() ? 0 : win::ODS_GRAYED | win::ODS_DISABLED;
            qthost::DrawItem(form.hWnd(), place.popup, shown, state, r, canvas.dc());
            ++shown;
        }
        const QImage expected = canvas.image().convertToFormat(QImage::Format_RGB32);
        const int wrong = Differences(grab, expected, ratio);
        if (wrong) grab.save(QString::fromStdString(::testing::TempDir() + item->Name() + ".png"));
        EXPECT_EQ(wrong, 0) << "see " << ::testing::TempDir() + item->Name() + ".png";
        menu->hide();
    }
}

TEST_F(HostTest, TheToolbarShowsItsPicturesAndSwapsTheSoundPictureAtOnce) {
    auto* bar = dynamic_cast<QToolBar*>(&widgetOf(form.Toolbar2));
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> actions = bar->actions();
    ASSERT_EQ(actions.size(), 12);
    const auto centreOfIcon = [&](int button) {
        return actions[button - 1]->icon().pixmap(QSize(22, 22), 1).toImage().pixel(11, 11) &
               0xFFFFFFu;
    };
    const auto centreOfPicture = [](const char* name) {
        return vb::LoadResPicture(name).bitmap()->pixel(11, 11);
    };
    EXPECT_EQ(centreOfIcon(1), centreOfPicture("tool1"));
    EXPECT_EQ(centreOfIcon(8), centreOfPicture("tool5"));
    form.mnuSoundsOff2_Click();
    EXPECT_EQ(centreOfIcon(8), centreOfPicture("tool8"));
    // A corner of a picture is the grey that stands for transparent.
    EXPECT_EQ(actions[0]->icon().pixmap(QSize(22, 22), 1).toImage().pixelColor(0, 0).alpha(), 0);

    // Right of the last button the tiled background shows, tiles counted from the bar's
    // top left.
    const QImage grab = bar->grab().toImage();
    const qreal ratio = grab.devicePixelRatio();
    const gdi::Bitmap& tile = *vb::LoadResPicture("menuback").bitmap();
    const gdi::Bitmap& shown = ratio >= 2 ? *tile.twin() : tile;
    const QPoint at(bar->width() - 3, 2);
    const int s = static_cast<int>(ratio);
    EXPECT_EQ(grab.pixel(at * s) & 0xFFFFFFu,
              shown.pixel((at.x() * s) % shown.width(), at.y() * s));
}

// A window shown again shows its bar again, measured, over the client area's full room.
TEST_F(HostTest, AWindowShownAgainKeepsItsMenuBarAboveTheClientArea) {
    const QWidget& client = window().client();
    const QRect before = client.geometry();
    const int windowHeight = window().height();
    form.Hide();
    form.Show();
    const QMenuBar* bar = window().findChild<QMenuBar*>();
    ASSERT_TRUE(bar && bar->isVisible());
    EXPECT_EQ(bar->geometry(), QRect(0, 0, client.width(), win::kMenuBarPx));
    EXPECT_EQ(client.geometry(), before);
    EXPECT_EQ(window().height(), windowHeight);
}

}  // namespace
