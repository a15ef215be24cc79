#pragma once
/// @file
/// The images of icon (.ico) and cursor (.cur) files: a directory of images, each a
/// device-independent bitmap whose height counts the colour picture and the one-bit mask
/// below it, both stored bottom-up.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace gdi {

/// The file types of the directory's header.
inline constexpr uint32_t kIconFile = 1;
inline constexpr uint32_t kCursorFile = 2;

/// One image, top-down.
struct IconImage {
    int32_t width = 0;
    int32_t height = 0;  ///< of the colour picture alone
    uint32_t bits = 0;   ///< 1, 4, 8, 24 or 32 a pixel
    /// 0xAARRGGBB: the file's alpha at 32 bits a pixel, else opaque.
    std::vector<uint32_t> pixels;
    /// Whether the mask bit of each pixel is set (see-through).
    std::vector<bool> masked;
};

/// Reads 16 and 32 bits little-endian at @p at of @p b, which must hold them.
uint32_t U16At(std::span<const uint8_t> b, size_t at);
uint32_t U32At(std::span<const uint8_t> b, size_t at);

/// The first image of the icon or cursor file @p bytes whose header names @p type; nothing
/// for bytes that are not such a file or whose image does not fit in them.
std::optional<IconImage> ReadIconImage(std::span<const uint8_t> bytes, uint32_t type);

}  // namespace gdi
