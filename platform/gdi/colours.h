#pragma once
/// @file
/// System colours and the colours controls store: a stored colour with its top bit set
/// names a system colour by its index in the low byte (0x8000000F is the button face).

#include <cstdint>

#include "platform/gdi/gdi32.h"

namespace gdi {

/// System colour @p index (0 scroll bar ... 30 menu bar) as a COLORREF; black for an
/// index out of range. The palette is a fixed, light one: windows white, button faces
/// 0xF0F0F0, text black, highlight a clear blue.
win::COLORREF SysColour(int32_t index);

/// The COLORREF a control's stored colour stands for: a system colour looked up, any other
/// colour as it is (without its top byte).
win::COLORREF ResolveColour(uint32_t stored);

}  // namespace gdi
