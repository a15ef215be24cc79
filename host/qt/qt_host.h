#pragma once
// The real program's window layer: every form a Qt window (see FormWindow), timers as
// precise QTimers, modal windows in a nested event loop, message boxes as QMessageBox,
// Sleep that shows what changed and then blocks the thread.

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "host/qt/timers.h"
#include "platform/forms/host.h"

class QEventLoop;

namespace qthost {

class FormWindow;
class HelpWindow;

// What exec returns when a run-time error ended the program.
inline constexpr int kFailedExitCode = 1;

class QtHost : public vb::Host {
public:
    // Installs itself as the forms model's host (vb::SetHost); the destructor removes it.
    // A QApplication must exist first and outlive the host.
    QtHost();
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // Runs the event loop until no window of the program shows; returns at once when none
    // does. Returns the loop's exit code.
    int exec();
    // The window of @p form, or null while it has none.
    FormWindow* windowOf(const vb::Form& form) const;
    // The game has handled an event: what it drew on picture boxes and the class cursor
    // it set are shown.
    void eventDelivered();
    // Whether a modal window other than @p form's is up: @p form's window takes no keys.
    bool blockedByModal(const vb::Form& form) const;
    // Print jobs go into the PDF file @p pdf instead of to the default printer; "" sends
    // them to the printer again.
    void setPrintFile(const QString& pdf) { printFile_ = pdf; }
    // The help window while it is open, or null.
    HelpWindow* helpWindow() const { return help_.get(); }
    // A run-time error nobody handled ends the program, as the runtime ends it: its number
    // and text in a message under the program's title, then every window closes, every
    // event loop ends and exec returns nonzero. What the game still does on its way out
    // shows no window and no message. Only the first error is told.
    void fail(int number, const std::string& description);
    // Whether the program is ending on a run-time error.
    bool failed() const { return failed_; }
    // The host of the running program, or null.
    static QtHost* current();

    // vb::Host
    void showForm(vb::Form& form, bool modal) override;
    void hideForm(vb::Form& form) override;
    void unloadForm(vb::Form& form) override;
    void formChanged(vb::Form& form, vb::Prop what) override;
    void controlChanged(vb::Control& control, vb::Prop what) override;
    void controlDestroyed(vb::Control& control) override;
    void timerChanged(vb::Timer& timer) override;
    int16_t messageBox(const std::string& prompt, int16_t buttons,
                       const std::string& title) override;
    void sleep(uint32_t ms) override;
    void doEvents() override;
    void runLater(uint32_t ms, std::function<void()> task) override;
    int64_t nowMs() override;
    double secondsSinceMidnight() override;
    int32_t screenWidth() override;
    int32_t screenHeight() override;
    std::string print(const vb::PrintJob& job) override;
    bool openTarget(const std::string& target) override;
    void showHelp(const std::string& title, const vb::rtf::Document& document,
                  intptr_t owner) override;
    void closeHelp() override;
    std::shared_ptr<gdi::Bitmap> windowPixels(intptr_t hwnd) override;

private:
    // A modal show in progress; ended once its window is hidden or unloaded.
    struct ModalShow {
        const vb::Form* form;
        QEventLoop* loop;
        bool ended;
    };

    FormWindow& window(vb::Form& form);
    void endModal(const vb::Form& form);
    FormWindow* returnWindow(const vb::Form& form) const;
    bool anyWindowShown() const;
    void quitWhenNoWindowShows();
    // Shows a class cursor changed since it was last shown on every window; false when it
    // was not changed.
    bool showClassCursor();
    void showCursorOn(FormWindow& window) const;

    std::unordered_map<const vb::Form*, std::unique_ptr<FormWindow>> windows_;
    TimerSet timers_;
    std::vector<ModalShow*> modalShows_;
    QObject checks_;  // context of the deferred checks: they die with the host
    bool running_ = false;
    bool failed_ = false;
    intptr_t cursorShown_ = 0;
    QString printFile_;
    std::unique_ptr<HelpWindow> help_;
    std::jthread fontsRead_;  // reads the fonts ahead of the first window
};

}  // namespace qthost
