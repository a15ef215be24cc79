#include "platform/user32/capture.h"

namespace win {
namespace {
HWND captured = 0;
}

HWND SetCapture(HWND hwnd) {
    const HWND before = captured;
    captured = hwnd;
    return before;
}

int32_t ReleaseCapture() {
    captured = 0;
    return 1;
}

HWND GetCapture() { return captured; }

}  // namespace win
