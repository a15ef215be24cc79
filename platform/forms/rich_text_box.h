#pragma once
/// @file
/// A rich-text box: holds a rich-text (RTF) document and shows it, read-only.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/forms/control.h"
#include "platform/forms/rich_text.h"

namespace vb {

class RichTextBox : public Control {
public:
    using Control::Control;
    /// The document as rich text; "" when empty.
    const std::string& TextRTF() const { return rtf_; }
    /// Replaces the document; the box shows what the reader makes of it (rtf::Read).
    void setTextRTF(const std::string& v);
    /// The document as read from TextRTF.
    const rtf::Document& Document() const { return document_; }
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor v);
    /// Replaces the document with the contents of the file @p path, taken as rich text.
    /// Raises 53 when there is no such file, 76 when its folder is missing, 75 when it
    /// cannot be read; the document is then left as it was.
    void LoadFile(std::string_view path);
    /// Prints the document (there is no selection: all of it) on @p hDC, which must be the
    /// printer's (Printer().hDC()); any other device context prints nothing.
    void SelPrint(intptr_t hDC) const;

private:
    std::string rtf_;
    rtf::Document document_;
    OleColor backColor_ = vbWindowBackground;
};

}  // namespace vb
