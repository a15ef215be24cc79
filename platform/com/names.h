#pragma once
/// @file
/// Member, event and property names compare without regard to ASCII case.

#include <algorithm>
#include <string_view>

namespace com {

/// Whether @p a and @p b are the same name ("caption" is "Caption").
inline bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace com
