// What the Qt host does beside showing controls: timers, modal windows, message boxes, the
// close box and typed characters.

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "host/host_fixture.h"
#include "platform/forms/msgbox.h"
#include "shell/Module1.h"

namespace {

// A window with a timer that counts its ticks and, when told to, hides the window at a
// given tick.
class Stopwatch : public vb::Form {
public:
    Stopwatch() : vb::Form("frmStopwatch") {}
    vb::Timer tmrTick{*this, "tmrTick"};
    int ticks = 0;
    int hideAtTick = 0;

protected:
    void InitializeComponent() override {
        designGeometry(1500, 1500, 3000, 2000);
        tmrTick.setInterval(5);
        tmrTick.Tick = [this] {
            if (++ticks == hideAtTick) Hide();
        };
    }
};

class HostServices : public ::testing::Test {
protected:
    qthost::QtHost host;
};

// A loaded form has no window until it first shows; its timers tick all the same.
TEST_F(HostServices, ATimerTicksWhileItsWindowIsLoaded) {
    Stopwatch watch;
    watch.Load();
    watch.setCaption("Stopwatch");
    EXPECT_TRUE(RunEventsUntil([&] { return watch.ticks >= 3; }));
    EXPECT_EQ(host.windowOf(watch), nullptr);
    watch.Show();
    ASSERT_NE(host.windowOf(watch), nullptr);
    EXPECT_EQ(host.windowOf(watch)->windowTitle(), "Stopwatch");
    watch.Unload();
}

TEST_F(HostServices, AModalShowReturnsWhenTheWindowHidesAndTimersTickMeanwhile) {
    Stopwatch watch;
    watch.hideAtTick = 3;
    watch.Show(vb::vbModal);
    EXPECT_EQ(watch.ticks, 3);
    EXPECT_FALSE(watch.Visible());
    EXPECT_TRUE(watch.Loaded());
    qthost::FormWindow* shown = host.windowOf(watch);
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(shown->windowModality(), Qt::NonModal);
    watch.Unload();
}

// Clicks @p button of the message box as soon as the event loop runs, noting what it showed.
struct Answering {
    explicit Answering(QMessageBox::StandardButton b) : button(b) {}
    QMessageBox::StandardButton button;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    void arm() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            box->button(button)->click();
        });
    }
};

TEST_F(HostServices, AMessageBoxAnswersWithTheButtonClicked) {
    struct Case {
        int16_t style;
        QMessageBox::StandardButton click;
        int16_t answer;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {vb::vbOKOnly + vb::vbCritical, QMessageBox::Ok, vb::vbOK, QMessageBox::Critical},
        {vb::vbOKCancel + vb::vbQuestion, QMessageBox::Cancel, vb::vbCancel, QMessageBox::Question},
        {vb::vbYesNoCancel + vb::vbInformation, QMessageBox::Yes, vb::vbYes,
         QMessageBox::Information},
        {vb::vbYesNo + vb::vbExclamation, QMessageBox::No, vb::vbNo, QMessageBox::Warning},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Answering answering{c.click};
        answering.arm();
        EXPECT_EQ(vb::MsgBox("Exit Tolvarin?", c.style, "Confirm"), c.answer);
        EXPECT_EQ(answering.text, "Exit Tolvarin?");
        EXPECT_EQ(answering.title, "Confirm");
        EXPECT_EQ(answering.icon, c.icon);
    }
}

TEST_F(HostTest, TheCloseBoxAsksAndCancelKeepsTheWindowOpen) {
    Module1::ConfirmExit = true;
    Answering cancel{QMessageBox::Cancel};
    cancel.arm();
    window().close();
    EXPECT_EQ(cancel.text, "Exit Tolvarin?");
    EXPECT_TRUE(form.Loaded());
    EXPECT_TRUE(window().isVisible());

    Module1::ConfirmExit = false;
    window().close();
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(window().isVisible());
}

// Space minimises the main window; the user restoring it is the model's change too.
TEST_F(HostTest, TypedCharactersReachTheFormAndTheUsersStateChangesTheModel) {
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(&window(), &space);
    EXPECT_EQ(form.WindowState(), vb::vbMinimized);
    EXPECT_TRUE(window().isMinimized());
    window().setWindowState(Qt::WindowNoState);
    EXPECT_EQ(form.WindowState(), vb::vbNormal);
}

}  // namespace
