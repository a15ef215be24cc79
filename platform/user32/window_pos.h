#pragma once
/// @file
/// SetWindowPos as far as the program uses it: a window made topmost. The platform records
/// the z-order choice per window handle; the window layer asks for it when it shows the
/// window. Moving and sizing go through the forms model instead.

#include <cstdint>

namespace win {

using HWND = intptr_t;

/// Where in the z-order a window goes.
inline constexpr HWND HWND_TOP = 0;
inline constexpr HWND HWND_BOTTOM = 1;
inline constexpr HWND HWND_TOPMOST = -1;
inline constexpr HWND HWND_NOTOPMOST = -2;
/// Flags.
enum : uint32_t { SWP_NOSIZE = 1, SWP_NOMOVE = 2, SWP_NOZORDER = 4 };

/// Records @p insertAfter for @p hwnd unless SWP_NOZORDER is set: HWND_TOPMOST makes the
/// window topmost, HWND_NOTOPMOST ends that, others leave it. The position and size are
/// not used (the program passes SWP_NOSIZE | SWP_NOMOVE). Returns 1, or 0 for a 0 window.
int32_t SetWindowPos(HWND hwnd, HWND insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                     uint32_t flags);

/// Whether @p hwnd was made topmost.
bool IsTopmost(HWND hwnd);

}  // namespace win
