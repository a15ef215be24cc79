#pragma once
// The program's own pointer, "base.cur", as the class cursor of its windows. Every window
// shares one class, so the file is loaded once, and the class cursor it replaced is kept
// once, however many windows ask for it.

#include <cstdint>

namespace Module1 {

// Makes the pointer from "base.cur" the class cursor of @p hWnd's class. The first call
// loads the file into hBaseCursor and keeps the class cursor it replaces in
// hOldClassCursor; later calls only set it again. A missing file leaves a null handle and
// the attempt is made all the same.
void UseBaseCursor(intptr_t hWnd);

// Puts back the class cursor that was in force before the first UseBaseCursor and frees
// the loaded one. Nothing happens when no window asked for it.
void RestoreClassCursor(intptr_t hWnd);

}  // namespace Module1
