#include "platform/user32/window_pos.h"

#include <unordered_set>

namespace win {

namespace {

std::unordered_set<HWND>& topmost() {
    static std::unordered_set<HWND> windows;
    return windows;
}

}  // namespace

int32_t SetWindowPos(HWND hwnd, HWND insertAfter, int32_t, int32_t, int32_t, int32_t,
                     uint32_t flags) {
    if (hwnd == 0) return 0;
    if ((flags & SWP_NOZORDER) != 0) return 1;
    if (insertAfter == HWND_TOPMOST) topmost().insert(hwnd);
    if (insertAfter == HWND_NOTOPMOST) topmost().erase(hwnd);
    return 1;
}

bool IsTopmost(HWND hwnd) { return topmost().contains(hwnd); }

}  // namespace win
