#pragma once
/// @file
/// Mouse buttons, shift keys and key codes as the mouse and key events report them, to a
/// form's controls and to a control hosted from a library alike.

#include <cstdint>

namespace vb {

enum : int16_t { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum : int16_t { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };
enum : int16_t { vbKeyReturn = 13, vbKeyEscape = 27, vbKeySpace = 32 };

}  // namespace vb
