#pragma once
/// @file
/// The text of the settings file: keys and their values, one a line (see registry_store.h).
/// Reading goes line by line, so that one line that cannot be read costs only itself.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "platform/registry/registry_store.h"

namespace registry {

/// A value with its name as first stored.
struct NamedValue {
    std::string name;
    Value value;
};

/// A key with its path as first created and its values by upper-case name.
struct Key {
    std::string path;
    std::map<std::string, NamedValue> values;
};

/// Keys by upper-case path.
using Keys = std::map<std::string, Key>;

/// The most bytes a value keeps when it is read; no setting needs more, and the file it
/// is written back to stays one that can be read.
inline constexpr size_t kLongestValue = 64 * 1024;

/// @p text in upper case (ASCII letters only), as names compare.
std::string Upper(std::string text);

/// Reads the settings text @p text into @p keys and returns the number of lines that could
/// not be read; those are left out. A byte-order mark, CR LF line ends, blank lines and
/// blanks around a line are accepted, and so are raw blanks and bytes beyond ASCII within
/// a name or a text; a line under a key that cannot be read cannot be read either. A value
/// longer than kLongestValue keeps its first kLongestValue bytes.
size_t ParseSettingsText(std::string_view text, Keys& keys);

/// The settings text of @p keys, which ParseSettingsText reads back byte for byte.
std::string SettingsText(const Keys& keys);

}  // namespace registry
