#pragma once
/// @file
/// The clock the runtime reads and the thread's sleeping. The window host provides them
/// (see forms/host.h), so that tests run on a virtual clock; every area below the forms
/// reads time through here.

#include <cstdint>
#include <functional>

namespace vb {

class Clock {
public:
    virtual ~Clock() = default;

    /// Blocks the thread for @p ms: what changed is shown first; no timer tick and no
    /// input is delivered meanwhile.
    virtual void sleep(uint32_t ms) = 0;
    /// Milliseconds on the host's monotonic clock.
    virtual int64_t nowMs() = 0;
    /// Seconds since local midnight, with fractions (the runtime's Timer function).
    virtual double secondsSinceMidnight() = 0;
    /// Runs @p task once, @p ms from now, on the user-interface thread, as a one-shot timer
    /// that belongs to no window would tick (not during a sleep). Each call adds a task of
    /// its own. A clock without timers of its own runs nothing.
    virtual void runLater(uint32_t ms, std::function<void()> task) {
        static_cast<void>(ms);
        static_cast<void>(task);
    }
};

/// Installs the clock time is read from; nullptr removes it. vb::SetHost installs its host.
void SetClock(Clock* clock);
/// The installed clock. Raises std::logic_error when none is installed.
Clock& CurrentClock();
/// Whether a clock is installed.
bool HasClock();

}  // namespace vb

namespace win {
/// Blocks the user-interface thread for @p ms milliseconds (see Clock::sleep).
void Sleep(uint32_t ms);
}  // namespace win
