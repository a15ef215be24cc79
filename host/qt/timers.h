#pragma once
// The forms model's timers as precise QTimers. Qt never queues a second timeout of a
// timer that is late, so a timer has at most one tick pending, as the model wants.

#include <QTimer>
#include <functional>
#include <memory>
#include <unordered_map>

#include "platform/forms/controls.h"

namespace qthost {

class TimerSet {
public:
    // @p afterTick runs after every tick the game handled.
    explicit TimerSet(std::function<void()> afterTick);
    ~TimerSet();
    TimerSet(const TimerSet&) = delete;
    TimerSet& operator=(const TimerSet&) = delete;

    // Starts the countdown of @p timer afresh when it runs, stops it when it does not.
    void restart(vb::Timer& timer);
    // @p control is going away: its timer, if it has one, stops for good.
    void forget(const vb::Control& control);
    // Whether @p timer is counting down now.
    bool counting(const vb::Timer& timer) const;
    // Stops every timer (the program is ending).
    void stopAll();

private:
    std::function<void()> afterTick_;
    std::unordered_map<const vb::Control*, std::unique_ptr<QTimer>> timers_;
};

}  // namespace qthost
