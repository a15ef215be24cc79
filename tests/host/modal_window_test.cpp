// A modal window over the main window: its first usable button takes Enter and Space, the
// main window takes no keys meanwhile, and it is active again once the modal window goes.

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "host/host_fixture.h"
#include "platform/forms/controls.h"

namespace {

// Four buttons in design order: a hidden one, a disabled one, then two that count their
// clicks; a click on either closes the window.
class Choice : public vb::Form {
public:
    Choice() : vb::Form("frmChoice") {}
    vb::CommandButton cmdHidden{*this, "cmdHidden"};
    vb::CommandButton cmdDisabled{*this, "cmdDisabled"};
    vb::CommandButton cmdFirst{*this, "cmdFirst"};
    vb::CommandButton cmdSecond{*this, "cmdSecond"};
    int firstClicks = 0;
    int secondClicks = 0;

protected:
    void InitializeComponent() override {
        designGeometry(1500, 1500, 4000, 2000);
        int32_t top = 0;
        for (vb::CommandButton* b : {&cmdHidden, &cmdDisabled, &cmdFirst, &cmdSecond}) {
            b->Move(100, top, 1200, 345);
            b->setCaption(b->Name());
            top += 400;
        }
        cmdHidden.setVisible(false);
        cmdDisabled.setEnabled(false);
        cmdFirst.Click = [this] { ++firstClicks, Hide(); };
        cmdSecond.Click = [this] { ++secondClicks, Hide(); };
    }
};

void SendKey(QWidget& to, QEvent::Type type, Qt::Key key, const QString& text) {
    QKeyEvent e(type, key, Qt::NoModifier, text);
    QApplication::sendEvent(&to, &e);
}

class HostModalWindow : public HostTest {
protected:
    // Shows the choice modally over the main window; @p whileUp runs inside the modal
    // show, on the choice's focused widget. The choice closes should it not have.
    void showChoice(const std::function<void(QWidget&)>& whileUp) {
        QTimer::singleShot(0, [&] {
            qthost::FormWindow* shown = host.windowOf(choice);
            QWidget* focused = shown ? shown->focusWidget() : nullptr;
            EXPECT_EQ(focused, &widgetOfChoice(choice.cmdFirst));
            if (focused) whileUp(*focused);
            if (choice.Visible()) choice.Hide();
        });
        choice.Show(vb::vbModal, &form);
    }
    QWidget& widgetOfChoice(const vb::Control& c) const {
        return host.windowOf(choice)->viewOf(c)->widget();
    }

    Choice choice;
};

TEST_F(HostModalWindow, EnterPressesTheFirstUsableButtonAndNeverReachesTheMainWindow) {
    showChoice([&](QWidget& focused) {
        SendKey(window(), QEvent::KeyPress, Qt::Key_Return, "\r");
        EXPECT_EQ(form.rollNumber, 0) << "the main window rolled under the modal window";
        SendKey(focused, QEvent::KeyPress, Qt::Key_Return, "\r");
    });
    EXPECT_EQ(choice.firstClicks, 1);
    EXPECT_EQ(choice.secondClicks, 0);
    EXPECT_FALSE(choice.Visible());
    // The main window is active again, and its own Enter rolls once more.
    EXPECT_TRUE(RunEventsUntil([&] { return QApplication::activeWindow() == &window(); }));
    SendKey(window(), QEvent::KeyPress, Qt::Key_Return, "\r");
    EXPECT_EQ(form.rollNumber, 1);
    choice.Unload();
}

TEST_F(HostModalWindow, SpacePressesTheFocusedButtonOnItsRelease) {
    showChoice([&](QWidget& focused) {
        SendKey(focused, QEvent::KeyPress, Qt::Key_Space, " ");
        EXPECT_EQ(choice.firstClicks, 0);
        SendKey(focused, QEvent::KeyRelease, Qt::Key_Space, " ");
    });
    EXPECT_EQ(choice.firstClicks, 1);
    EXPECT_FALSE(choice.Visible());
    choice.Unload();
}

// A window shown over another stays above it, modeless or modal: the window manager is
// told whose dialog it is.
TEST_F(HostModalWindow, AWindowShownOverAnotherIsItsDialog) {
    const auto owned = [&](QWidget& shown) {
        return shown.windowHandle()->type() == Qt::Dialog &&
               shown.windowHandle()->transientParent() == window().windowHandle();
    };
    choice.Show(vb::vbModeless, &form);
    EXPECT_TRUE(owned(*host.windowOf(choice)));
    choice.Unload();
    showChoice([&](QWidget& focused) { EXPECT_TRUE(owned(*focused.window())); });
    choice.Unload();
}

}  // namespace
