#include "host/qt/qt_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <chrono>
#include <thread>

#include "host/qt/class_cursor.h"
#include "host/qt/form_window.h"
#include "host/qt/units.h"
#include "platform/user32/cursors.h"

namespace qthost {

namespace {

// The screen a headless run of Qt without a screen would have.
constexpr int kFallbackWidthPx = 1024;
constexpr int kFallbackHeightPx = 768;

constexpr double kMsPerSecond = 1000;

}  // namespace

QtHost::QtHost() : timers_([this] { eventDelivered(); }) {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutes();
    vb::SetHost(this);
}

QtHost::~QtHost() {
    if (vb::HasHost() && &vb::CurrentHost() == this) vb::SetHost(nullptr);
}

int QtHost::exec() {
    if (!anyWindowShown()) return 0;
    running_ = true;
    const int code = QApplication::exec();
    running_ = false;
    return code;
}

FormWindow* QtHost::windowOf(const vb::Form& form) const {
    const auto found = windows_.find(&form);
    if (found == windows_.end() || found->second->formHandle() != form.hWnd()) return nullptr;
    return found->second.get();
}

// A form made where a destroyed one stood gets a window of its own.
FormWindow& QtHost::window(vb::Form& form) {
    auto& slot = windows_[&form];
    if (slot && slot->formHandle() != form.hWnd()) {
        slot->hide();
        slot.release()->deleteLater();
    }
    if (!slot) slot = std::make_unique<FormWindow>(*this, form);
    return *slot;
}

void QtHost::eventDelivered() {
    for (const auto& [form, window] : windows_)
        if (window->isVisible()) window->refreshSurfaces();
    showClassCursor();
}

void QtHost::showClassCursor() {
    const intptr_t cursor = win::ClassCursor();
    if (cursor == cursorShown_) return;
    cursorShown_ = cursor;
    const std::optional<QCursor> shape = CursorFor(cursor);
    for (const auto& [form, window] : windows_) {
        if (shape)
            window->setCursor(*shape);
        else
            window->unsetCursor();
    }
}

void QtHost::formChanged(vb::Form& form, vb::Prop what) { window(form).formChanged(what); }

void QtHost::controlChanged(vb::Control& control, vb::Prop what) {
    window(control.Parent()).controlChanged(control, what);
}

void QtHost::controlDestroyed(vb::Control& control) {
    timers_.forget(control);
    if (FormWindow* w = windowOf(control.Parent())) w->controlDestroyed(control);
}

void QtHost::timerChanged(vb::Timer& timer) { timers_.restart(timer); }

bool QtHost::anyWindowShown() const {
    for (const auto& [form, window] : windows_)
        if (window->isVisible()) return true;
    return false;
}

// Checked once the handler that closed a window has returned: it may show the next one.
void QtHost::quitWhenNoWindowShows() {
    QTimer::singleShot(0, &checks_, [this] {
        if (running_ && !anyWindowShown()) QCoreApplication::quit();
    });
}

// What the game changed is painted before the thread stops: no timer tick, no input.
void QtHost::sleep(uint32_t ms) {
    eventDelivered();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void QtHost::doEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    eventDelivered();
}

void QtHost::runLater(uint32_t ms, std::function<void()> task) {
    QTimer::singleShot(static_cast<int>(ms), &checks_, std::move(task));
}

int64_t QtHost::nowMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

double QtHost::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / kMsPerSecond;
}

int32_t QtHost::screenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return (screen ? screen->geometry().width() : kFallbackWidthPx) * kTwipsPerPixel;
}

int32_t QtHost::screenHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return (screen ? screen->geometry().height() : kFallbackHeightPx) * kTwipsPerPixel;
}

}  // namespace qthost
