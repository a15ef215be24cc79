#include "platform/forms/slider.h"

#include <algorithm>

#include "platform/runtime/errors.h"

namespace vb {

void Slider::setRange(int32_t min, int32_t max) {
    if (min > max) Raise(380);
    if (min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    changed(Prop::Other);
    setValue(value_);
}

void Slider::setTickFrequency(int32_t v) { update(tickFrequency_, v, Prop::Other); }

void Slider::setValue(int32_t v) {
    v = std::clamp(v, min_, max_);
    if (v == value_) return;
    value_ = v;
    changed(Prop::Value);
    if (Change) Change();
}

void Slider::RaiseScroll(int32_t v) {
    if (!ReceivesInput()) return;
    if (Scroll) Scroll();
    setValue(v);
}

}  // namespace vb
