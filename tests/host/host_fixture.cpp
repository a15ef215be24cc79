#include "host/host_fixture.h"

#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <stdexcept>
#include <string>

#include "platform/registry/registry_store.h"
#include "shell/Module1.h"

namespace {

constexpr int kLongestWaitMs = 2000;
constexpr int kPollMs = 1;

void SendMouse(QWidget& target, QEvent::Type type, const QPoint& at, Qt::MouseButtons held) {
    const QPointF local = at;
    const QPointF global = target.mapToGlobal(at);
    QMouseEvent e(type, local, local, global, Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &e);
}

}  // namespace

HostTest::HostTest() {
    folder_ = std::filesystem::path(::testing::TempDir()) /
              ("host-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    registry::SetStorePath((folder_ / "registry.txt").string());
    Module1::ResetModule1();
    form.Show();
}

HostTest::~HostTest() {
    Module1::ConfirmExit = false;
    form.Unload();
    Module1::ResetModule1();
    registry::SetStorePath(registry::DefaultStorePath());
    std::filesystem::remove_all(folder_);
}

qthost::FormWindow& HostTest::window() const {
    qthost::FormWindow* w = host.windowOf(form);
    EXPECT_NE(w, nullptr);
    return *w;
}

qthost::ControlView& HostTest::viewOf(const vb::Control& control) const {
    qthost::ControlView* view = window().viewOf(control);
    if (!view) throw std::runtime_error(control.Name() + " has no view");
    return *view;
}

QPoint HostTest::centreOf(const vb::Control& control) const {
    qthost::ControlView& view = viewOf(control);
    return view.holder().mapTo(&window().client(), view.shownAt().center());
}

// The press goes to the widget at the spot; the release to the same one, as Qt's implicit
// grab of the mouse sends it.
void HostTest::clickAt(const QPoint& at) const {
    QWidget* target = window().client().childAt(at);
    if (!target) target = &window().client();
    const QPoint local = target->mapFrom(&window().client(), at);
    SendMouse(*target, QEvent::MouseButtonPress, local, Qt::LeftButton);
    SendMouse(*target, QEvent::MouseButtonRelease, local, Qt::NoButton);
}

bool RunEventsUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    poll.start(kPollMs);
    QTimer::singleShot(kLongestWaitMs, &loop, &QEventLoop::quit);
    if (!done()) loop.exec();
    return done();
}
