#pragma once
// The C++ source that compiles the pictures into the program: each picture's BMP files at
// 1x and 2x as byte arrays, and the table of names that shell/resource_table.h declares.

#include <string>

#include "tools/assetgen/pictures.h"

namespace assetgen {

// The same text for the same pictures, every time.
std::string ResourceSource(const Pictures& pictures);

}  // namespace assetgen
