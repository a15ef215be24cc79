#include "platform/com/guid.h"

namespace com {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The 32 hex digits of the text in order, or nullopt when the dashes and braces are not
// exactly where the registry text has them.
std::optional<std::string> HexDigits(std::string_view text) {
    constexpr std::string_view shape = "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}";
    if (text.size() != shape.size()) return std::nullopt;
    std::string digits;
    for (size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] != 'x') {
            if (text[i] != shape[i]) return std::nullopt;
        } else if (HexValue(text[i]) < 0) {
            return std::nullopt;
        } else {
            digits += text[i];
        }
    }
    return digits;
}

uint32_t ReadHex(const std::string& digits, size_t from, size_t count) {
    uint32_t v = 0;
    for (size_t i = from; i < from + count; ++i)
        v = v * 16 + static_cast<uint32_t>(HexValue(digits[i]));
    return v;
}

}  // namespace

std::optional<Guid> ParseGuid(std::string_view text) {
    const auto digits = HexDigits(text);
    if (!digits) return std::nullopt;
    Guid id;
    id.Data1 = ReadHex(*digits, 0, 8);
    id.Data2 = static_cast<uint16_t>(ReadHex(*digits, 8, 4));
    id.Data3 = static_cast<uint16_t>(ReadHex(*digits, 12, 4));
    for (size_t i = 0; i < 8; ++i)
        id.Data4[i] = static_cast<uint8_t>(ReadHex(*digits, 16 + 2 * i, 2));
    return id;
}

std::string FormatGuid(const Guid& id) {
    static const char* hex = "0123456789ABCDEF";
    std::string out = "{";
    auto put = [&](uint32_t v, int digits) {
        for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += hex[(v >> shift) & 15];
    };
    put(id.Data1, 8);
    out += '-';
    put(id.Data2, 4);
    out += '-';
    put(id.Data3, 4);
    out += '-';
    for (size_t i = 0; i < 8; ++i) {
        if (i == 2) out += '-';
        put(id.Data4[i], 2);
    }
    return out + "}";
}

}  // namespace com
