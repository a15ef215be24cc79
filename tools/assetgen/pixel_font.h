#pragma once
// Our own small pixel font, for the words drawn into pictures: capitals and digits 7 dots
// high, lower case with 2 dots of descender, each glyph as wide as it needs. Where a dot
// takes two or more device pixels across (at 2x, or drawn large), it is smoothed along its
// diagonals rather than merely enlarged.

#include <string_view>

#include "tools/assetgen/canvas.h"

namespace assetgen {

// Height of a capital, and of a line with descenders, in dots.
inline constexpr int kCapHeight = 7;
inline constexpr int kLineHeight = 9;

// Width of @p text in dots, one dot between glyphs. Characters the font lacks are drawn
// as a space.
int TextWidth(std::string_view text);

// Draws @p text with the top of its capitals at (@p x, @p y), each dot @p dot logical
// pixels square.
void DrawText(Canvas& canvas, std::string_view text, double x, double y, double dot,
              const Paint& paint);

}  // namespace assetgen
