#include "shell/base_cursor.h"

#include "platform/user32/cursors.h"
#include "shell/Module1.h"

namespace Module1 {

void UseBaseCursor(intptr_t hWnd) {
    if (!globals.BaseCursorSet) {
        hBaseCursor = win::LoadCursorFromFileA((AppFolder + "base.cur").c_str());
        hOldClassCursor = win::SetClassWord(hWnd, win::GCL_HCURSOR, hBaseCursor);
        globals.BaseCursorSet = true;
        return;
    }
    win::SetClassWord(hWnd, win::GCL_HCURSOR, hBaseCursor);
}

void RestoreClassCursor(intptr_t hWnd) {
    if (!globals.BaseCursorSet) return;
    if (hOldClassCursor != 0) win::SetClassWord(hWnd, win::GCL_HCURSOR, hOldClassCursor);
    if (hBaseCursor != 0) win::DestroyCursor(hBaseCursor);
    globals.BaseCursorSet = false;
}

}  // namespace Module1
