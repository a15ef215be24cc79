#pragma once
/// @file
/// BMP files: reading one into a bitmap, loading a picture (with its 2x twin) from the
/// bytes of BMP files, and writing a bitmap as a BMP file.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/types/picture.h"

namespace gdi {

/// Reads the bytes of a BMP file: a file header, then an info header of 40 bytes or
/// longer (the version 4 and 5 headers), uncompressed rows of 1, 4 or 8 bits with a
/// palette, or of 24 or 32 bits (32-bit rows may give their channel masks, as bit fields);
/// rows bottom-up, or top-down for a negative height. The result is a 32-bit bitmap
/// without twin; an alpha channel is dropped. Nothing for bytes that are not such a file
/// or that end too soon.
std::optional<Bitmap> ReadBmp(std::span<const uint8_t> bytes);

/// The bytes of a 24-bit bottom-up BMP file of @p bitmap (its twin is not written), the
/// same for the same pixels every time.
std::vector<uint8_t> WriteBmp(const Bitmap& bitmap);

/// Appends the low 16 bits of @p v to @p out, low byte first, as BMP and cursor files
/// store their numbers.
void Put16(std::vector<uint8_t>& out, uint32_t v);

/// Appends @p v to @p out as four bytes, low byte first.
void Put32(std::vector<uint8_t>& out, uint32_t v);

/// A picture named @p name from the BMP file @p bytes, with @p twinBytes, when not empty,
/// as its 2x twin. The empty picture when @p bytes is not a BMP file; the picture without
/// twin when @p twinBytes is not one or not exactly twice its size.
vb::Picture PictureFromBmp(std::span<const uint8_t> bytes, std::span<const uint8_t> twinBytes,
                           std::string name);

}  // namespace gdi
