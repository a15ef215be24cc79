#pragma once
/// @file
/// The unit of every place and size the forms model stores.

#include <cstdint>

namespace vb {

/// Twips in a pixel at 96 dpi. A host showing two device pixels to a pixel scales pixels,
/// never twips.
inline constexpr int32_t kTwipsPerPixel = 15;

}  // namespace vb
