#include "platform/forms/toggles.h"

#include "platform/forms/form.h"
#include "platform/runtime/errors.h"

namespace vb {

void CheckBox::setCaption(const std::string& v) { update(caption_, v, Prop::Caption); }

void CheckBox::setValue(int16_t v) {
    if (v < vbUnchecked || v > vbGrayed) Raise(380);
    if (v == value_) return;
    value_ = v;
    changed(Prop::Value);
    if (Click) Click();
}

void CheckBox::RaiseClick() {
    if (!ReceivesInput()) return;
    setValue(value_ == vbChecked ? vbUnchecked : vbChecked);
}

void OptionButton::setCaption(const std::string& v) { update(caption_, v, Prop::Caption); }

// The others are cleared before Click runs, so a handler sees a consistent group.
void OptionButton::setValue(bool v) {
    if (v == value_) return;
    if (v) {
        for (Control* c : Parent().Controls()) {
            auto* other = dynamic_cast<OptionButton*>(c);
            if (other && other != this && other->Container() == Container()) other->setValue(false);
        }
    }
    value_ = v;
    changed(Prop::Value);
    if (v && Click) Click();
}

void OptionButton::RaiseClick() {
    if (!ReceivesInput()) return;
    setValue(true);
}

void Frame::setCaption(const std::string& v) { update(caption_, v, Prop::Caption); }

}  // namespace vb
