#include "platform/forms/rich_text_box.h"

#include <vector>

#include "platform/files/atomic_file.h"
#include "platform/forms/printer.h"

namespace vb {

void RichTextBox::setTextRTF(const std::string& v) {
    if (v == rtf_) return;
    document_ = rtf::Read(v);
    update(rtf_, v, Prop::Text);
}

void RichTextBox::setBackColor(OleColor v) { update(backColor_, v, Prop::Colour); }

void RichTextBox::LoadFile(std::string_view path) {
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    setTextRTF(std::string(bytes.begin(), bytes.end()));
}

void RichTextBox::SelPrint(intptr_t hDC) const {
    if (PrinterObject::IsDC(hDC)) Printer().PrintDocument(document_);
}

}  // namespace vb
