#include "platform/forms/text_box.h"

namespace vb {

void TextBox::setText(const std::string& v) {
    if (v == text_) return;
    text_ = v;
    changed(Prop::Text);
    if (Change) {
        auto handler = Change;
        handler();
    }
}

void TextBox::RaiseTyped(const std::string& text) {
    if (!ReceivesInput()) return;
    setText(text_ + text);
}

void TextBox::RaiseEdited(const std::string& text) {
    if (!ReceivesInput()) return;
    setText(text);
}

}  // namespace vb
