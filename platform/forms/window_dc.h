#pragma once
/// @file
/// Device contexts over windows (GetDC and ReleaseDC): a DC over a form's client area or
/// over a control that holds others holds what the window shows now, as the host composes
/// it; a control drawn by a library copies what lies behind it from there.

#include <cstdint>

namespace win {

using HDC = intptr_t;
using HWND = intptr_t;

/// A DC whose bitmap holds the pixels of window @p hwnd as shown now (see
/// vb::Host::windowPixels); where the host shows none, the window's size filled with its
/// form's back colour. 0 for a handle that is no form or control.
HDC GetDC(HWND hwnd);
/// Frees a DC from GetDC; 1 on success, 0 for a DC that GetDC did not give for @p hwnd.
int32_t ReleaseDC(HWND hwnd, HDC hdc);

}  // namespace win
