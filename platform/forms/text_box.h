#pragma once
/// @file
/// A single-line text box.

#include <string>

#include "platform/forms/control.h"

namespace vb {

class TextBox : public Control {
public:
    using Control::Control;
    /// The text as typed or set; "" when empty.
    const std::string& Text() const { return text_; }
    void setText(const std::string& v);
    /// Input typed by the player: @p text goes at the end of the box's text. Nothing happens
    /// when the box does not receive input.
    void RaiseTyped(const std::string& text);

private:
    std::string text_;
};

}  // namespace vb
