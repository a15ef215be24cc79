#pragma once
/// @file
/// Check boxes, option buttons and the frames that group them.

#include <cstdint>
#include <string>

#include "platform/forms/control.h"

namespace vb {

/// Check box states.
enum : int16_t { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

/// A check box. Its Click event runs whenever its value changes, whether the player clicked
/// it or the program set it (even while the box is disabled).
class CheckBox : public Control {
public:
    using Control::Control;
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& v);
    /// vbUnchecked, vbChecked or vbGrayed. Raises 380 for any other value.
    int16_t Value() const { return value_; }
    void setValue(int16_t v);
    /// A click by the player: a checked box unchecks, any other checks.
    void RaiseClick() override;

private:
    std::string caption_;
    int16_t value_ = vbUnchecked;
};

/// An option button. The buttons with the same container on one form form a group of which
/// at most one is selected: selecting one clears the others. Its Click event runs when it
/// becomes selected, whether the player clicked it or the program set it.
class OptionButton : public Control {
public:
    using Control::Control;
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& v);
    bool Value() const { return value_; }
    /// True selects this button and clears the others of its group; False clears it alone.
    void setValue(bool v);
    /// A click by the player selects the button.
    void RaiseClick() override;

private:
    std::string caption_;
    bool value_ = false;
};

/// A frame: a captioned box that groups the controls whose Container it is.
class Frame : public Control {
public:
    using Control::Control;
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& v);

private:
    std::string caption_;
};

}  // namespace vb
