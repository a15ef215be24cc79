#pragma once
/// @file
/// Colours as controls store them: 0x00BBGGRR, or a system colour 0x800000nn, whose low
/// byte is its index (gdi::SysColour gives the colour the system shows for it).

#include <cstdint>

namespace vb {

/// A stored colour.
using OleColor = uint32_t;

/// Standard colours.
enum : OleColor {
    vbBlack = 0x000000,
    vbWhite = 0xFFFFFF,
    vbRed = 0x0000FF,
    vbGreen = 0x00FF00,
    vbBlue = 0xFF0000,
    vbYellow = 0x00FFFF
};

/// The system colours that controls and windows are given.
inline constexpr OleColor vbWindowBackground = 0x80000005;
inline constexpr OleColor vbWindowFrame = 0x80000006;
inline constexpr OleColor vbMenuText = 0x80000007;
inline constexpr OleColor vbHighlight = 0x8000000D;
inline constexpr OleColor vbButtonFace = 0x8000000F;
inline constexpr OleColor vbButtonText = 0x80000012;
inline constexpr OleColor vbInfoBackground = 0x80000018;

}  // namespace vb
