#pragma once
/// @file
/// The words of a media control command string and the numbers in it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace media {

/// Splits @p command at blanks and tabs; a word in double quotes keeps its blanks and loses
/// its quotes. Nothing when a quote is not closed.
std::optional<std::vector<std::string>> SplitMciWords(std::string_view command);

/// Whether two words are the same without regard to ASCII case.
bool SameWord(std::string_view a, std::string_view b);

/// A word of decimal digits as a number; nothing for anything else or beyond 32 bits.
std::optional<uint32_t> MciNumber(std::string_view word);

}  // namespace media
