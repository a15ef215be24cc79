#pragma once
// The program's resources as the build embeds them. Pictures come as the asset generator
// draws them at build time: each picture's name and its BMP files at 1x and at 2x, from
// the resource file the build embeds in the program (shell/picture_data.S). The file
// holds the number of pictures, then for each picture its name (the length in one byte,
// then the letters) and the offset and size of its 1x and of its 2x file, then the files;
// numbers are 4 bytes, little-endian, offsets count from the start of the file. The
// documents come from a generated table. shell/resources.h loads from both.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace resources {

struct PictureResource {
    std::string name;
    std::span<const uint8_t> bmp;
    std::span<const uint8_t> bmp2x;
};

// The pictures of the resource file @p file, in its order. A directory entry that runs
// past the end of the file, or points outside it, ends the table there.
std::vector<PictureResource> ReadPictureTable(std::span<const uint8_t> file);

// Every picture the program embeds, in the generator's order.
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
