#pragma once
/// @file
/// What the window table tells the menus. Internal to platform/user32.

#include "platform/user32/windows.h"

namespace win::detail {

/// The window is going: its menu bar and system menu are destroyed.
void ForgetMenusOf(HWND hwnd);

}  // namespace win::detail
