#pragma once
// Words in pictures that are sharp at both scales: at 1x the pixel font, whose dots are the
// device's pixels; at 2x the vector font (our GDI's FreeType text, bold), of the same
// capital height and centred where the pixel-font word would stand.

#include <string_view>

#include "tools/assetgen/canvas.h"

namespace assetgen {

// Draws @p text with the top of its capitals at (@p x, @p y) as the pixel font with dots
// of @p dot logical pixels would, in @p paint.
void DrawWord(Canvas& canvas, std::string_view text, double x, double y, double dot,
              const Paint& paint);

}  // namespace assetgen
