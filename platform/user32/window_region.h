#pragma once
/// @file
/// Window regions: the shape a window is cut to. The platform only records it per window
/// handle; a host that can shape its windows asks for it.

#include <cstdint>

#include "platform/gdi/drawing.h"
#include "platform/gdi/region.h"

namespace win {

using HWND = intptr_t;

/// Gives @p hwnd the shape of @p region; the window now owns the region, whose handle is
/// gone (a later DeleteObject of it fails). A 0 region gives the window back its whole
/// rectangle. @p redraw is not used. Nonzero on success; 0 for a 0 window or a handle that
/// is not a region.
int32_t SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);

}  // namespace win

namespace gdi {

/// The shape @p hwnd was given, or nullptr when it has its whole rectangle. Valid until the
/// next SetWindowRgn.
const Region* WindowRegion(win::HWND hwnd);

}  // namespace gdi
