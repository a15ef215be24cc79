#pragma once
/// @file
/// The narrow interface between the forms model and whatever shows it: the Qt host in the
/// program, the headless host in tests.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/types/clock.h"

namespace gdi {
class Bitmap;
}

namespace vb {

class Form;
class Control;
class Timer;
struct PrintJob;
namespace rtf {
struct Document;
}

/// Which kind of property of a control or window changed.
enum class Prop {
    Caption,
    Visible,
    Enabled,
    Position,
    Picture,
    Colour,
    Font,
    Value,
    Text,
    Items,
    Other
};

/// What a window layer provides to the forms model, its clock included. Every call happens
/// on the one user-interface thread.
class Host : public Clock {
public:
    virtual ~Host() = default;

    /// Shows @p form. A modal show returns only when the form is hidden or unloaded again;
    /// timers keep ticking meanwhile.
    virtual void showForm(Form& form, bool modal) = 0;
    /// Hides @p form (it stays loaded). Ends a modal show of it.
    virtual void hideForm(Form& form) = 0;
    /// @p form has been unloaded: its window goes away. Ends a modal show of it.
    virtual void unloadForm(Form& form) = 0;
    /// A property of the window itself changed (caption, place, size, state, enabled).
    virtual void formChanged(Form& form, Prop what) = 0;
    /// A property of @p control changed.
    virtual void controlChanged(Control& control, Prop what) = 0;
    /// @p control is being destroyed; the host forgets it.
    virtual void controlDestroyed(Control& control) = 0;
    /// A timer was enabled, disabled, given a new interval, or its form loaded or unloaded.
    /// The countdown starts afresh from now.
    virtual void timerChanged(Timer& timer) = 0;
    /// Shows a message box and returns the answer (1 OK, 2 Cancel, 6 Yes, 7 No).
    virtual int16_t messageBox(const std::string& prompt, int16_t buttons,
                               const std::string& title) = 0;
    /// Delivers the timer ticks and input that are due now, then returns (DoEvents).
    virtual void doEvents() = 0;
    /// The screen size in twips.
    virtual int32_t screenWidth() = 0;
    virtual int32_t screenHeight() = 0;

    // The desktop's services. A host without them reports each as not done.
    /// Prints @p job on the default printer, as one job, at once. Returns "" when it was
    /// printed, else why not ("There is no printer.").
    virtual std::string print(const PrintJob& job);
    /// Hands @p target, a web address or a "mailto:" link, to the desktop's own handler
    /// (the browser, the mail program). Returns whether the desktop took it.
    virtual bool openTarget(const std::string& target);
    /// Shows the help window of the program, titled @p title, with @p document, over
    /// @p owner (0 for none); a help window already open shows the new document.
    virtual void showHelp(const std::string& title, const rtf::Document& document, intptr_t owner);
    /// Closes the help window when it is open.
    virtual void closeHelp();
    /// What the window @p hwnd (a form's client area, or a control that holds others)
    /// shows now, as the host composes it, without the controls hosted from libraries on
    /// it; in pixels, with a 2x twin where the screen has two device pixels to a pixel.
    /// Asked only for windows that hold controls hosted from libraries. Null when the host
    /// shows no such window (the default).
    virtual std::shared_ptr<gdi::Bitmap> windowPixels(intptr_t /*hwnd*/) { return nullptr; }
};

/// Installs the host every form talks to, and its clock; nullptr removes both.
void SetHost(Host* host);
/// The installed host. Raises std::logic_error when none is installed.
Host& CurrentHost();
/// Whether a host is installed.
bool HasHost();

/// Lets the host deliver what is due now (the runtime's DoEvents).
void DoEvents();

}  // namespace vb
