#pragma once
/// @file
/// A rich-text box: holds a rich-text (RTF) document and shows it.

#include <string>
#include <string_view>

#include "platform/forms/control.h"

namespace vb {

class RichTextBox : public Control {
public:
    using Control::Control;
    /// The document as rich text; "" when empty.
    const std::string& TextRTF() const { return rtf_; }
    void setTextRTF(const std::string& v);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor v);
    /// Replaces the document with the contents of the file @p path, taken as rich text.
    /// Raises 53 when there is no such file, 76 when its folder is missing, 75 when it
    /// cannot be read; the document is then left as it was.
    void LoadFile(std::string_view path);

private:
    std::string rtf_;
    OleColor backColor_ = 0x80000005;
};

}  // namespace vb
