#include "platform/headless/timer_queue.h"

namespace headless {

void TimerQueue::restart(vb::Timer& timer, int64_t now) {
    if (timer.Running())
        pending_[timer.hWnd()] = {&timer, now + timer.Interval()};
    else
        pending_.erase(timer.hWnd());
}

void TimerQueue::forget(intptr_t hWnd) { pending_.erase(hWnd); }

vb::Timer* TimerQueue::next(int64_t limit, int64_t& due) const {
    const Pending* first = nullptr;
    for (const auto& [handle, p] : pending_)
        if (p.due <= limit && (!first || p.due < first->due)) first = &p;
    if (!first) return nullptr;
    due = first->due;
    return first->timer;
}

void TimerQueue::delivered(vb::Timer& timer, int64_t at) {
    auto it = pending_.find(timer.hWnd());
    if (it != pending_.end()) it->second.due = at + timer.Interval();
}

}  // namespace headless
