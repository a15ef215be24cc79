#pragma once
// The class cursor of the program's windows (win::SetClassWord) as a Qt cursor.

#include <QCursor>
#include <optional>

#include "platform/user32/cursors.h"

namespace qthost {

// The loaded cursor @p cursor as Qt shows it; nullopt for the arrow, an unknown handle
// or a cursor with no picture (the window shows the system's arrow then).
std::optional<QCursor> CursorFor(win::HCURSOR cursor);

}  // namespace qthost
