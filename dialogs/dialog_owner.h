#pragma once
// The window a dialog of the shell centres itself over: the main window when it was opened
// from there (OpenedFromMain), else the welcome dialog while it is loaded, else the screen.

#include <cstdint>

struct DialogOwner {
    int32_t left, top, width, height;
    bool welcome;  // the welcome dialog; some dialogs sit higher over it
};

DialogOwner FindDialogOwner();
