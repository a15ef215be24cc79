#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace vb {

Timer::Timer(Form& owner, std::string name, int16_t index)
    : Control(owner, std::move(name), index) {}

void Timer::setInterval(uint32_t ms) {
    if (ms == interval_) return;
    interval_ = ms;
    changed(Prop::Value);
    if (HasHost()) CurrentHost().timerChanged(*this);
}

void Timer::enabledChanged() {
    Control::enabledChanged();
    if (HasHost()) CurrentHost().timerChanged(*this);
}

bool Timer::Running() const { return Enabled() && interval_ > 0 && Parent().Loaded(); }

void Timer::RaiseTimer() {
    if (!Tick || !Running()) return;
    auto handler = Tick;
    handler();
}

}  // namespace vb
