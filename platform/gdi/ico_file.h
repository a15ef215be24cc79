#pragma once
/// @file
/// Icon files (.ico): the first image of the file as an icon picture.

#include <cstdint>
#include <span>
#include <string>

#include "platform/types/picture.h"

namespace gdi {

/// The first image of the icon file @p bytes as an icon picture named @p name: an image
/// of 1, 4, 8, 24 or 32 bits a pixel (stored bottom-up, its height counting the colour
/// picture and the one-bit mask under it), see-through where its mask bit is set or, at 32
/// bits, where its alpha is 0. The empty picture for bytes that are not such a file.
vb::Picture PictureFromIco(std::span<const uint8_t> bytes, std::string name);

}  // namespace gdi
