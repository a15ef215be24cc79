#pragma once
// The program's style: the platform's own, except that the overflow arrows of tool bars
// and menu bars are read from their files when first painted. Each bar makes its arrow
// as it is made, and reading it loads Qt's image plugins; the game's bars never overflow.

#include <QStyle>

namespace qthost {

// A new style over the one the application would have; QApplication::setStyle owns it.
QStyle* MakeApplicationStyle();

}  // namespace qthost
