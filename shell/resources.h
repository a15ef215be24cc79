#pragma once
// The program's own pictures, compiled in as resources (tools/assetgen draws them).

#include <cstdint>
#include <string>
#include <vector>

#include "platform/types/picture.h"

namespace vb {

// The picture resource @p name (matched without regard to case) with its 2x twin, named
// after the resource; the empty picture when the program has none by that name. Pictures
// never change, so every load of a name gives the same picture.
Picture LoadResPicture(const std::string& name);

/// The bytes of the program's resource @p id of type @p type (matched without regard to
/// case). Raises run-time error 326 when the program has no such resource.
std::vector<uint8_t> LoadResData(int32_t id, const std::string& type);

}  // namespace vb
