#pragma once
/// @file
/// The host that tests run the program on: a virtual clock, timers delivered in time order,
/// modal windows and message boxes answered by scripts the test queued, and input injected
/// as the events a click, a key or a mouse move would raise. It shows nothing and records
/// only the message boxes.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/bars.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/host.h"
#include "platform/forms/list_view.h"
#include "platform/forms/printer.h"
#include "platform/forms/rich_text.h"
#include "platform/forms/slider.h"
#include "platform/forms/tabs.h"
#include "platform/forms/text_box.h"
#include "platform/headless/timer_queue.h"
#include "platform/types/twips.h"

namespace headless {

/// A modal window or message box came up that the test had not scripted, or a modal
/// window's script returned while the window was still shown.
class UnscriptedDialog : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

/// A message box as it was shown, and the answer the test gave it.
struct MessageBoxShown {
    std::string prompt;
    int16_t buttons;
    std::string title;
    int16_t answer;
};

/// The help window as the program last showed it.
struct HelpShown {
    std::string title;
    vb::rtf::Document document;
    intptr_t owner;
};

/// The screen every headless run has: 1024 x 768 pixels.
inline constexpr int32_t kScreenWidthTwips = 1024 * vb::kTwipsPerPixel;
inline constexpr int32_t kScreenHeightTwips = 768 * vb::kTwipsPerPixel;

class HeadlessHost : public vb::Host {
public:
    /// Installs this host (vb::SetHost); the destructor removes it.
    HeadlessHost();
    ~HeadlessHost() override;
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    // The clock.
    /// Moves the clock @p ms forward, delivering every timer tick that falls due by then, in
    /// time order (timers due at the same moment in the order they were made). A tick whose
    /// time a handler's sleep passed is delivered late, once. The clock then stands at the
    /// target, or later when a handler slept past it.
    void advance(int64_t ms);
    /// Sets the time of day the clock stands at now; it moves on with the clock.
    void setTimeOfDay(double secondsSinceMidnight);

    // Dialogs.
    /// Queues @p script for the next modal show of the window named @p formName. The script
    /// runs inside the modal show and must close the window (hide or unload it).
    void onModal(std::string formName, std::function<void(vb::Form&)> script);
    /// Queues @p answer for the next message box.
    void answerMsgBox(int16_t answer);
    /// Every message box shown so far, in order.
    const std::vector<MessageBoxShown>& messageBoxes() const { return messageBoxes_; }
    /// What was queued and not yet used: "onModal <form name>" for each modal script, then
    /// "answerMsgBox <answer>" for each answer, each kind in the order it was queued.
    std::vector<std::string> pendingScripts() const;

    // Input.
    /// Presses and releases the left button at the control's centre: MouseDown, MouseUp and
    /// Click, each raised only when the control receives input at that moment.
    void click(vb::Control& control);
    void mouseDown(vb::Control& control, int16_t button, int16_t shift, float x, float y);
    void mouseUp(vb::Control& control, int16_t button, int16_t shift, float x, float y);
    void mouseMove(vb::Control& control, int16_t button, int16_t shift, float x, float y);
    /// Types a character into @p form.
    void keyPress(vb::Form& form, int16_t ascii);
    /// Clicks the toolbar button with key @p key (run-time error 9 when there is none).
    void clickToolbarButton(vb::Toolbar& bar, const std::string& key);
    /// Chooses a menu item: Click, when it and the menus it sits in are visible and enabled.
    void clickMenu(vb::Menu& menu);
    /// Presses the shortcut @p keys, written as the menu shows it ("F2", "Ctrl+O"), in
    /// @p form: the first menu item of the form with that shortcut that can be chosen now
    /// (as clickMenu chooses it) raises Click. Returns whether an item was chosen; the key
    /// does nothing else.
    bool pressShortcut(vb::Form& form, const std::string& keys);
    /// Types @p text into a text box: it goes at the end of the box's text when the box
    /// receives input.
    void typeText(vb::TextBox& box, const std::string& text);
    /// Drags a slider's thumb to @p value: Scroll, then the position clamped to its range
    /// (and Change), when the slider receives input.
    void moveSlider(vb::Slider& slider, int32_t value);
    /// Clicks tab @p index of a tab control: MouseDown, the switch (TabClick when the tab
    /// changed), MouseUp, all only when the control receives input.
    void clickTab(vb::TabControl& tabs, int16_t index);
    /// Clicks the row with key @p key in a list view: it is selected and ItemClick runs,
    /// when the list receives input (run-time error 35601 when there is no such row).
    void clickListItem(vb::ListView& list, const std::string& key);

    // The desktop's services, recorded instead of done.
    /// Every job printed so far, in order.
    const std::vector<vb::PrintJob>& printJobs() const { return printJobs_; }
    /// Later jobs fail with @p reason and are not recorded; "" lets them print again.
    void setPrinterFailure(std::string reason) { printerFailure_ = std::move(reason); }
    /// Every target handed to the desktop's handlers, in order.
    const std::vector<std::string>& openedTargets() const { return openedTargets_; }
    /// Whether the desktop has handlers that take targets (it has at first).
    void setDesktopHandlers(bool present) { handlers_ = present; }
    /// The help window while it is open.
    const std::optional<HelpShown>& help() const { return help_; }

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
    /// Moves the clock without delivering anything: the thread is blocked.
    void sleep(uint32_t ms) override;
    /// Delivers the ticks due at the current time.
    void doEvents() override;
    /// The task runs when the clock passes its time, in time order with the timer ticks
    /// (tasks due at the same moment in the order they were given, after the ticks then).
    void runLater(uint32_t ms, std::function<void()> task) override;
    int64_t nowMs() override { return now_; }
    double secondsSinceMidnight() override;
    int32_t screenWidth() override { return kScreenWidthTwips; }
    int32_t screenHeight() override { return kScreenHeightTwips; }
    std::string print(const vb::PrintJob& job) override;
    bool openTarget(const std::string& target) override;
    void showHelp(const std::string& title, const vb::rtf::Document& document,
                  intptr_t owner) override;
    void closeHelp() override { help_.reset(); }

private:
    struct ModalScript {
        std::string formName;
        std::function<void(vb::Form&)> script;
    };
    // One entry per modal show in progress, innermost last; ended once the window is hidden
    // or unloaded.
    struct ModalShow {
        vb::Form* form;
        bool ended;
    };

    void endModal(const vb::Form& form);
    void deliverUntil(int64_t target);

    int64_t now_ = 0;
    double timeOfDayAtZero_ = 0;
    TimerQueue timers_;
    std::multimap<int64_t, std::function<void()>> tasks_;  // by the time each falls due
    std::deque<ModalScript> modalScripts_;
    std::deque<int16_t> msgBoxAnswers_;
    std::vector<ModalShow> modalShows_;
    std::vector<MessageBoxShown> messageBoxes_;
    std::vector<vb::PrintJob> printJobs_;
    std::string printerFailure_;
    std::vector<std::string> openedTargets_;
    bool handlers_ = true;
    std::optional<HelpShown> help_;
};

}  // namespace headless
