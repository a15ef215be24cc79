#pragma once
// A picture as an icon of Qt: its 1x pixels and its 2x twin, the one colour that stands for
// "transparent" left out, and a washed-out grey look for the disabled state.

#include <QIcon>

#include "platform/forms/control.h"
#include "platform/types/picture.h"

namespace qthost {

// An empty icon for the empty picture.
QIcon PictureIcon(const vb::Picture& picture, vb::OleColor transparent);

}  // namespace qthost
