#pragma once
// Reading a HoverCommand's look off its surface: with the popup style (3) the left edge
// column tells the three states apart, flat at rest, raised when hovered, sunken when
// pressed.

#include <string>

#include "platform/forms/user_control_host.h"
#include "platform/gdi/gdi32.h"
#include "platform/user32/draw.h"

namespace hovertest {

inline std::string Look(vb::UserControlHost& button) {
    const win::COLORREF edge = win::GetPixel(button.hDC(), 0, 10);
    if (edge == win::GetSysColor(win::COLOR_BTNFACE)) return "rest";
    if (edge == win::GetSysColor(win::COLOR_BTNHIGHLIGHT)) return "hover";
    if (edge == win::GetSysColor(win::COLOR_3DDKSHADOW)) return "pressed";
    return "unknown";
}

}  // namespace hovertest
