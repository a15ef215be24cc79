#include "host/qt/qt_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <thread>

#include "host/qt/application_style.h"
#include "host/qt/class_cursor.h"
#include "host/qt/control_view.h"
#include "host/qt/form_window.h"
#include "host/qt/help_window.h"
#include "host/qt/units.h"
#include "host/qt/views.h"
#include "platform/gdi/bitmap.h"
#include "platform/user32/cursors.h"
#include "platform/user32/menus.h"

namespace qthost {

namespace {

// The screen a headless run of Qt without a screen would have.
constexpr int kFallbackWidthPx = 1024;
constexpr int kFallbackHeightPx = 768;

constexpr double kMsPerSecond = 1000;

QtHost* running = nullptr;

// The sharp 2x twins of pictures and surfaces are for screens of two device pixels to a
// pixel or more; where none is, the pictures and the drawing keep only their own pixels.
bool AnyScreenAtTwoOrMore() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [](const QScreen* s) { return s->devicePixelRatio() >= 2; });
}

}  // namespace

QtHost::QtHost() : timers_([this] { eventDelivered(); }) {
    InstallFontSubstitutes();
    // Controls that keep no font of their own (tabs, check boxes, frames, lists, text
    // boxes) show the forms' default font, the one their design was sized for.
    const QFont formsFont = ToQFont(vb::Font{});
    // Qt reads fontconfig's configuration, the system's font list and the fallbacks of the
    // forms' font when it first needs a font, on this thread while the first window waits;
    // read here they are ready once the first form is made. Qt keeps them for all its threads.
    fontsRead_ = std::jthread([formsFont] {
        QFontDatabase::families();
        QFontMetrics(formsFont).height();
    });
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // The bars are drawn in the windows: no global menu bar of the desktop is asked for.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(MakeApplicationStyle());
    gdi::SetTwinsWanted(AnyScreenAtTwoOrMore());
    QApplication::setFont(formsFont);
    vb::SetHost(this);
    running = this;
    // The game's DrawMenuBar: the window of that handle measures and draws its bar again.
    win::SetMenuBarListener([this](win::HWND hwnd) {
        for (const auto& [form, window] : windows_)
            if (window && window->formHandle() == hwnd) window->menuBarDrawn();
    });
}

QtHost::~QtHost() {
    gdi::SetTwinsWanted(true);
    win::SetMenuBarListener(nullptr);
    if (vb::HasHost() && &vb::CurrentHost() == this) vb::SetHost(nullptr);
    if (running == this) running = nullptr;
}

QtHost* QtHost::current() { return running; }

int QtHost::exec() {
    if (failed_) return kFailedExitCode;
    if (!anyWindowShown()) return 0;
    running_ = true;
    const int code = QApplication::exec();
    running_ = false;
    return failed_ ? kFailedExitCode : code;
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
    if (!slot) {
        slot = std::make_unique<FormWindow>(*this, form);
        // Every window shows the one class cursor, the one in force now from its first show.
        if (!showClassCursor()) showCursorOn(*slot);
    }
    return *slot;
}

void QtHost::eventDelivered() {
    for (const auto& [form, window] : windows_)
        if (window->isVisible()) window->refreshSurfaces();
    showClassCursor();
}

bool QtHost::showClassCursor() {
    const intptr_t cursor = win::ClassCursor();
    if (cursor == cursorShown_) return false;
    cursorShown_ = cursor;
    for (const auto& [form, window] : windows_) showCursorOn(*window);
    return true;
}

void QtHost::showCursorOn(FormWindow& window) const {
    if (const std::optional<QCursor> shape = CursorFor(cursorShown_))
        window.setCursor(*shape);
    else
        window.unsetCursor();
}

// The form's client area or the container control's body, composed as it shows now.
std::shared_ptr<gdi::Bitmap> QtHost::windowPixels(intptr_t hwnd) {
    QWidget* container = nullptr;
    for (const auto& [form, window] : windows_) {
        if (window->formHandle() == hwnd)
            container = &window->client();
        else if (ControlView* view = window->viewByHandle(hwnd))
            container = &view->widget();
        if (container) break;
    }
    if (!container) return nullptr;
    auto pixels =
        std::make_shared<gdi::Bitmap>(FromQImage(ComposeBehindHostedControls(*container, 1)));
    if (container->devicePixelRatioF() >= 2)
        pixels->setTwin(FromQImage(ComposeBehindHostedControls(*container, 2)));
    return pixels;
}

// A form gets its window when it first shows, made from the model as it stands then: a
// form that is only loaded costs no window, and its design and Form_Load build no views
// one property at a time.
void QtHost::formChanged(vb::Form& form, vb::Prop what) {
    if (FormWindow* w = windowOf(form)) w->formChanged(what);
}

void QtHost::controlChanged(vb::Control& control, vb::Prop what) {
    if (FormWindow* w = windowOf(control.Parent())) w->controlChanged(control, what);
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
    if (failed_) return;
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
