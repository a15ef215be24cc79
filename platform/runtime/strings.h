#pragma once
/// @file
/// String functions of the runtime, and the program's one text encoding.
///
/// Texts in memory are UTF-8: the settings hold them so, and the window shows them so. A
/// text from outside that is not well-formed UTF-8 has each stray byte read as the
/// ISO 8859-1 character of that value, so that no byte is lost and nothing shows garbled.

#include <cstddef>
#include <string>
#include <string_view>

namespace vb {

/// @p text without the blanks (spaces only) at its start and end.
std::string Trim(std::string_view text);

/// The length of the well-formed UTF-8 sequence that starts at @p text[@p at]; 0 when none
/// starts there. ASCII counts as a sequence of 1.
size_t Utf8SequenceLength(std::string_view text, size_t at);

/// @p bytes as well-formed UTF-8: sequences that are well-formed stay, every other byte
/// becomes the ISO 8859-1 character of its value.
std::string Utf8Text(std::string_view bytes);

/// The ISO 8859-1 text @p bytes (one character a byte) in UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

/// The first @p most characters of the UTF-8 @p text; never cuts inside a character.
std::string CutToCharacters(std::string_view text, size_t most);

}  // namespace vb
