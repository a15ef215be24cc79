#pragma once
/// @file
/// A single-line text box.

#include <functional>
#include <string>

#include "platform/forms/control.h"

namespace vb {

class TextBox : public Control {
public:
    using Control::Control;
    /// The text as typed or set; "" when empty. Change runs when it changed, whether the
    /// player typed or the program set it.
    const std::string& Text() const { return text_; }
    void setText(const std::string& v);
    /// Input typed by the player: @p text goes at the end of the box's text. Nothing happens
    /// when the box does not receive input.
    void RaiseTyped(const std::string& text);
    /// The player edited the box, which now holds @p text. Nothing happens when the box
    /// does not receive input.
    void RaiseEdited(const std::string& text);

    /// The text changed.
    std::function<void()> Change;

private:
    std::string text_;
};

}  // namespace vb
