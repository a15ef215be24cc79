#pragma once
// The program's resources as the build compiles them in: each picture's name and its BMP
// files at 1x and at 2x (tools/assetgen draws them), and the documents. The tables are
// generated; shell/resources.h loads from them.

#include <cstdint>
#include <span>

namespace resources {

struct PictureResource {
    const char* name;
    std::span<const uint8_t> bmp;
    std::span<const uint8_t> bmp2x;
};

// Every picture, in the generator's order.
std::span<const PictureResource> PictureTable();

// A resource of the program's own type, as a file's bytes: the quick-start rules are
// "CUSTOM" 101. The table is generated from documents/.
struct CustomResource {
    const char* type;
    int32_t id;
    std::span<const uint8_t> data;
};

std::span<const CustomResource> CustomTable();

}  // namespace resources
