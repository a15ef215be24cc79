#include "platform/registry/registry_text.h"

#include <algorithm>
#include <optional>

namespace registry {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr size_t kLongestTypeText = 10;  // 4294967295

bool NeedsEscape(unsigned char c) {
    return c <= 0x20 || c >= 0x7F || c == '%' || c == '[' || c == ']';
}

std::string Escape(std::string_view bytes) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : bytes) {
        if (NeedsEscape(c)) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Undoes Escape; raw blanks and bytes beyond ASCII stand for themselves, as someone who
// edits the file by hand writes them. Nothing for a control character or a bad "%XX".
std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) return std::nullopt;
        if (c != '%') {
            out += static_cast<char>(c);
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int hi = HexDigit(text[i + 1]), lo = HexDigit(text[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return out;
}

// A line without the blanks and the CR around it; the tabs are the line's own, since an
// empty text ends in one.
std::string_view TrimLine(std::string_view line) {
    const size_t first = line.find_first_not_of(" \r");
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(" \r") - first + 1);
}

std::optional<uint32_t> TypeNumber(std::string_view text) {
    if (text.empty() || text.size() > kLongestTypeText ||
        text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    uint64_t number = 0;
    for (const char c : text) number = number * 10 + static_cast<uint64_t>(c - '0');
    if (number > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<uint32_t>(number);
}

bool ParseValueLine(std::string_view line, Key& key) {
    const size_t tab1 = line.find('\t');
    const size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string_view::npos) return false;
    const auto name = Unescape(line.substr(0, tab1));
    const auto type = TypeNumber(line.substr(tab1 + 1, tab2 - tab1 - 1));
    const auto data = Unescape(line.substr(tab2 + 1));
    if (!name || !type || !data) return false;
    const size_t kept = std::min(data->size(), kLongestValue);
    key.values[Upper(*name)] = {*name,
                                {*type, std::vector<uint8_t>(data->begin(), data->begin() + kept)}};
    return true;
}

// The key a "[path]" line opens; nullptr when the line cannot be read.
Key* ParseKeyLine(std::string_view line, Keys& keys) {
    if (line.back() != ']') return nullptr;
    const auto path = Unescape(line.substr(1, line.size() - 2));
    if (!path || path->empty()) return nullptr;
    Key& key = keys[Upper(*path)];
    if (key.path.empty()) key.path = *path;
    return &key;
}

}  // namespace

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

size_t ParseSettingsText(std::string_view text, Keys& keys) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    size_t bad = 0;
    Key* current = nullptr;
    bool currentBad = false;  // the lines under a key that cannot be read have no home
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = TrimLine(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty()) continue;
        if (line.front() == '[') {
            current = ParseKeyLine(line, keys);
            currentBad = current == nullptr;
            bad += currentBad ? 1 : 0;
        } else if (currentBad || !current || !ParseValueLine(line, *current)) {
            ++bad;
        }
    }
    return bad;
}

std::string SettingsText(const Keys& keys) {
    std::string out;
    for (const auto& [upper, key] : keys) {
        out += "[" + Escape(key.path) + "]\n";
        for (const auto& [name, nv] : key.values) {
            out += Escape(nv.name) + "\t" + std::to_string(nv.value.type) + "\t" +
                   Escape(std::string_view(reinterpret_cast<const char*>(nv.value.data.data()),
                                           nv.value.data.size())) +
                   "\n";
        }
    }
    return out;
}

}  // namespace registry
