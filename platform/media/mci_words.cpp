#include "platform/media/mci_words.h"

#include <algorithm>
#include <limits>

namespace media {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::optional<std::vector<std::string>> SplitMciWords(std::string_view command) {
    std::vector<std::string> words;
    size_t at = 0;
    while (true) {
        while (at < command.size() && IsBlank(command[at])) ++at;
        if (at == command.size()) return words;
        if (command[at] == '"') {
            const size_t close = command.find('"', at + 1);
            if (close == std::string_view::npos) return std::nullopt;
            words.emplace_back(command.substr(at + 1, close - at - 1));
            at = close + 1;
        } else {
            const size_t start = at;
            while (at < command.size() && !IsBlank(command[at])) ++at;
            words.emplace_back(command.substr(start, at - start));
        }
    }
}

bool SameWord(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Fold(x) == Fold(y); });
}

std::optional<uint32_t> MciNumber(std::string_view word) {
    if (word.empty()) return std::nullopt;
    uint64_t value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > std::numeric_limits<uint32_t>::max()) return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

}  // namespace media
