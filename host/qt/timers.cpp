#include "host/qt/timers.h"

#include "host/qt/failure.h"

namespace qthost {

TimerSet::TimerSet(std::function<void()> afterTick) : afterTick_(std::move(afterTick)) {}

TimerSet::~TimerSet() {
    for (auto& [control, timer] : timers_) timer->stop();
}

void TimerSet::restart(vb::Timer& timer) {
    auto& qt = timers_[&timer];
    if (!qt) {
        qt = std::make_unique<QTimer>();
        qt->setTimerType(Qt::PreciseTimer);
        QObject::connect(qt.get(), &QTimer::timeout, [this, &timer] {
            Guarded([&] { timer.RaiseTimer(); });
            afterTick_();
        });
    }
    if (timer.Running())
        qt->start(static_cast<int>(timer.Interval()));
    else
        qt->stop();
}

// A control may go away while its own tick runs; Qt deletes the timer once the tick is over.
void TimerSet::forget(const vb::Control& control) {
    const auto found = timers_.find(&control);
    if (found == timers_.end()) return;
    found->second->stop();
    found->second.release()->deleteLater();
    timers_.erase(found);
}

void TimerSet::stopAll() {
    for (auto& [control, timer] : timers_) timer->stop();
}

bool TimerSet::counting(const vb::Timer& timer) const {
    const auto found = timers_.find(&timer);
    return found != timers_.end() && found->second->isActive();
}

}  // namespace qthost
