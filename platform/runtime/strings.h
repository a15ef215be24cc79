#pragma once
/// @file
/// String functions of the runtime.

#include <string>
#include <string_view>

namespace vb {

/// @p text without the blanks (spaces only) at its start and end.
std::string Trim(std::string_view text);

}  // namespace vb
