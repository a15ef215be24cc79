#include "platform/forms/rich_text_box.h"

#include <vector>

#include "platform/files/atomic_file.h"

namespace vb {

void RichTextBox::setTextRTF(const std::string& v) { update(rtf_, v, Prop::Text); }
void RichTextBox::setBackColor(OleColor v) { update(backColor_, v, Prop::Colour); }

void RichTextBox::LoadFile(std::string_view path) {
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    setTextRTF(std::string(bytes.begin(), bytes.end()));
}

}  // namespace vb
