#pragma once
// The window a dialog of the shell centres itself over: the main window when it was opened
// from there (OpenedFromMain), else the welcome dialog while it is loaded, else the screen.

#include "platform/forms/form.h"

// Centres @p window across its owner; over the welcome dialog, when @p higherOverWelcome,
// it sits a third of the way down rather than half.
void PlaceOverOwner(vb::Form& window, bool higherOverWelcome);
