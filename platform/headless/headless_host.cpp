#include "platform/headless/headless_host.h"

#include <algorithm>
#include <cmath>

#include "platform/runtime/datetime.h"

namespace headless {

using vb::kSecondsPerDay;

HeadlessHost::HeadlessHost() { vb::SetHost(this); }

HeadlessHost::~HeadlessHost() {
    if (vb::HasHost() && &vb::CurrentHost() == this) vb::SetHost(nullptr);
}

void HeadlessHost::advance(int64_t ms) { deliverUntil(now_ + std::max<int64_t>(ms, 0)); }

void HeadlessHost::doEvents() { deliverUntil(now_); }

void HeadlessHost::sleep(uint32_t ms) { now_ += ms; }

// Every tick due at or before the target is delivered, in time order. A handler may move
// the clock (a sleep, a nested modal loop), so the queue is asked afresh each time; a tick
// the clock passed meanwhile comes late, at once, and only once. Ticks falling due after
// the target wait for the next delivery even when a sleep carried the clock past them, so
// a handler that sleeps longer than its interval cannot keep the loop going for ever.
void HeadlessHost::deliverUntil(int64_t target) {
    for (;;) {
        int64_t due = 0;
        vb::Timer* timer = timers_.next(target, due);
        const auto task = tasks_.begin();
        if (task != tasks_.end() && task->first <= target && (!timer || task->first < due)) {
            now_ = std::max(now_, task->first);
            const std::function<void()> run = std::move(task->second);
            tasks_.erase(task);
            run();
            continue;
        }
        if (!timer) break;
        now_ = std::max(now_, due);
        timers_.delivered(*timer, now_);
        timer->RaiseTimer();
    }
    now_ = std::max(now_, target);
}

void HeadlessHost::runLater(uint32_t ms, std::function<void()> task) {
    tasks_.emplace(now_ + ms, std::move(task));
}

void HeadlessHost::setTimeOfDay(double secondsSinceMidnight) {
    timeOfDayAtZero_ = secondsSinceMidnight - static_cast<double>(now_) / 1000.0;
}

double HeadlessHost::secondsSinceMidnight() {
    const double t =
        std::fmod(timeOfDayAtZero_ + static_cast<double>(now_) / 1000.0, kSecondsPerDay);
    return t < 0 ? t + kSecondsPerDay : t;
}

void HeadlessHost::formChanged(vb::Form&, vb::Prop) {}
void HeadlessHost::controlChanged(vb::Control&, vb::Prop) {}

void HeadlessHost::controlDestroyed(vb::Control& control) { timers_.forget(control.hWnd()); }

void HeadlessHost::timerChanged(vb::Timer& timer) { timers_.restart(timer, now_); }

}  // namespace headless
