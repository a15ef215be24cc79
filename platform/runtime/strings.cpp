#include "platform/runtime/strings.h"

#include <cstdint>

namespace vb {

namespace {

bool IsContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

// The smallest and largest second byte after @p lead: they rule out overlong forms,
// surrogates and code points beyond U+10FFFF.
void SecondByteRange(uint8_t lead, uint8_t& low, uint8_t& high) {
    low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
}

void AppendLatin1(std::string& out, uint8_t byte) {
    if (byte < 0x80) {
        out += static_cast<char>(byte);
        return;
    }
    out += static_cast<char>(0xC0 | (byte >> 6));
    out += static_cast<char>(0x80 | (byte & 0x3F));
}

}  // namespace

std::string Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

size_t Utf8SequenceLength(std::string_view text, size_t at) {
    const auto lead = static_cast<uint8_t>(text[at]);
    if (lead < 0x80) return 1;
    const size_t length = lead >= 0xF5   ? 0
                          : lead >= 0xF0 ? 4
                          : lead >= 0xE0 ? 3
                          : lead >= 0xC2 ? 2
                                         : 0;
    if (length == 0 || at + length > text.size()) return 0;
    uint8_t low = 0, high = 0;
    SecondByteRange(lead, low, high);
    const auto second = static_cast<uint8_t>(text[at + 1]);
    if (second < low || second > high) return 0;
    for (size_t k = 2; k < length; ++k)
        if (!IsContinuation(static_cast<uint8_t>(text[at + k]))) return 0;
    return length;
}

std::string Utf8Text(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0) {
            AppendLatin1(out, static_cast<uint8_t>(bytes[i++]));
            continue;
        }
        out.append(bytes.substr(i, length));
        i += length;
    }
    return out;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) AppendLatin1(out, static_cast<uint8_t>(c));
    return out;
}

std::string CutToCharacters(std::string_view text, size_t most) {
    size_t end = 0;
    for (size_t count = 0; end < text.size() && count < most; ++count) {
        const size_t length = Utf8SequenceLength(text, end);
        end += length == 0 ? 1 : length;
    }
    return std::string(text.substr(0, end));
}

}  // namespace vb
