#pragma once
// The program's pictures as the asset generator compiles them in at build time: each
// picture's name and its BMP files at 1x and at 2x. The table itself is generated
// (tools/assetgen); shell/resources.h loads pictures from it.

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

}  // namespace resources
