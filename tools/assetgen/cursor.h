#pragma once
// The class cursor "base.cur": a gold pointer with a dark edge and a soft shadow, 32 x 32
// pixels with an alpha channel, hot spot at its tip.

#include <cstdint>
#include <vector>

namespace assetgen {

// The bytes of the cursor file: one 32-bit image with its mask, as cursor files hold them.
std::vector<uint8_t> CursorFile();

}  // namespace assetgen
