#pragma once
// The program's own pictures, compiled in as resources (tools/assetgen draws them).

#include <string>

#include "platform/forms/picture.h"

namespace vb {

// The picture resource @p name (matched without regard to case) with its 2x twin, named
// after the resource; the empty picture when the program has none by that name. Pictures
// never change, so every load of a name gives the same picture.
Picture LoadResPicture(const std::string& name);

}  // namespace vb
