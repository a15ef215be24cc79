#include "platform/user32/capture.h"

namespace win {
namespace {
HWND captured = 0;
CaptureLostHandler lostHandler = nullptr;

// The holder is told after the capture has moved, so that it sees the new holder.
void TellLost(HWND lost) {
    if (lost && lostHandler) lostHandler(lost);
}
}  // namespace

HWND SetCapture(HWND hwnd) {
    const HWND before = captured;
    captured = hwnd;
    if (before != hwnd) TellLost(before);
    return before;
}

int32_t ReleaseCapture() {
    const HWND before = captured;
    captured = 0;
    TellLost(before);
    return 1;
}

HWND GetCapture() { return captured; }

void SetCaptureLostHandler(CaptureLostHandler handler) { lostHandler = handler; }

}  // namespace win
