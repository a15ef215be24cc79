#include "platform/forms/text_box.h"

namespace vb {

void TextBox::setText(const std::string& v) { update(text_, v, Prop::Text); }

void TextBox::RaiseTyped(const std::string& text) {
    if (!ReceivesInput()) return;
    setText(text_ + text);
}

}  // namespace vb
