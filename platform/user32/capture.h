#pragma once
/// @file
/// Mouse capture: the window that receives every mouse move until the capture is released.

#include <cstdint>

namespace win {

using HWND = intptr_t;

/// Gives the capture to @p hwnd; returns the window that held it before, or 0.
HWND SetCapture(HWND hwnd);
/// Releases the capture; returns nonzero.
int32_t ReleaseCapture();
/// The window holding the capture, or 0.
HWND GetCapture();

/// Told of the window that lost the capture, after the capture moved to another window or
/// was released (WM_CAPTURECHANGED).
using CaptureLostHandler = void (*)(HWND lost);
/// Installs the one handler (null: none).
void SetCaptureLostHandler(CaptureLostHandler handler);

}  // namespace win
