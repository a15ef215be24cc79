// The rich-text reader on any bytes: it reads what it can and never fails.
#include "platform/forms/rich_text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vb::rtf::Document document = vb::rtf::Read(text);
    for (const vb::rtf::Paragraph& p : document.paragraphs)
        for (const vb::rtf::Run& run : p.runs)
            if (run.format.halfPoints <= 0) std::abort();
    (void)document.PlainText();
    return 0;
}
