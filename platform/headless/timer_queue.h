#pragma once
/// @file
/// The headless host's pending timer ticks: at most one per timer, each with the time it
/// falls due.

#include <cstdint>
#include <map>

#include "platform/forms/controls.h"

namespace headless {

class TimerQueue {
public:
    /// Starts the countdown of @p timer afresh at @p now when it runs, or forgets it when it
    /// does not.
    void restart(vb::Timer& timer, int64_t now);
    /// Forgets the control with handle @p hWnd if it is a timer in the queue.
    void forget(intptr_t hWnd);
    /// The timer whose tick falls due first, at or before @p limit, with timers due at the
    /// same moment taken in the order they were made; nullptr when none is due by then.
    vb::Timer* next(int64_t limit, int64_t& due) const;
    /// A tick of @p timer was delivered at @p at: its next one falls due an Interval later.
    void delivered(vb::Timer& timer, int64_t at);

private:
    struct Pending {
        vb::Timer* timer;
        int64_t due;
    };
    // Window handles grow in the order controls are made, so the map's order settles ties.
    std::map<intptr_t, Pending> pending_;
};

}  // namespace headless
