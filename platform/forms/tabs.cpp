#include "platform/forms/tabs.h"

#include "platform/runtime/errors.h"

namespace vb {

void TabControl::setTabs(int16_t count) {
    if (count < 1) Raise(380);
    if (count == Tabs()) return;
    captions_.resize(static_cast<size_t>(count));
    changed(Prop::Items);
    if (tab_ >= count) setTab(static_cast<int16_t>(count - 1));
}

void TabControl::check(int16_t index) const {
    if (index < 0 || index >= Tabs()) Raise(380);
}

const std::string& TabControl::TabCaption(int16_t index) const {
    check(index);
    return captions_[static_cast<size_t>(index)];
}

void TabControl::setTabCaption(int16_t index, const std::string& v) {
    check(index);
    update(captions_[static_cast<size_t>(index)], v, Prop::Caption);
}

void TabControl::setTab(int16_t index) {
    check(index);
    if (index == tab_) return;
    const int16_t previous = tab_;
    tab_ = index;
    changed(Prop::Value);
    if (TabClick) TabClick(previous);
}

}  // namespace vb
