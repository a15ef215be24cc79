#pragma once
// The keyboard as the forms model sees it: Qt's keys as the key codes of KeyDown and
// KeyUp (13 Enter, 27 Escape, 32 Space, letters and digits as their capitals), and the
// shift state of the events.

#include <QKeyEvent>
#include <cstdint>

namespace qthost {

// The key code of @p e, or 0 for a key the model has no code for.
int16_t KeyCodeOf(const QKeyEvent& e);
// The Shift, Ctrl and Alt bits of @p modifiers as the model's key and mouse events report
// them.
int16_t ShiftOf(Qt::KeyboardModifiers modifiers);

}  // namespace qthost
