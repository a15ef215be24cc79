#pragma once
// The resource file that the program embeds (shell/picture_data.S): every picture's BMP
// files at 1x and 2x under its name, in the layout shell/resource_table.h reads.

#include <cstdint>
#include <vector>

#include "tools/assetgen/pictures.h"

namespace assetgen {

// The same bytes for the same pictures, every time.
std::vector<uint8_t> ResourceFile(const Pictures& pictures);

}  // namespace assetgen
