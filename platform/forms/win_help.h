#pragma once
/// @file
/// user32's WinHelpA over our own help documents: a help file is a rich-text document,
/// shown in the program's own help window (the window layer's), not an outside viewer.

#include <cstdint>

namespace win {

using HWND = intptr_t;

/// Commands.
enum : uint32_t { HELP_CONTEXT = 1, HELP_QUIT = 2, HELP_CONTENTS = 3, HELP_FINDER = 11 };

/// HELP_CONTENTS, HELP_FINDER and HELP_CONTEXT open the help window at the start of
/// @p helpFile (a program path, "\" or "/"), over @p hwnd; HELP_QUIT closes it. Returns 1
/// on success, 0 when the file cannot be read, holds no text, or the command is unknown.
/// @p data is not used.
int32_t WinHelpA(HWND hwnd, const char* helpFile, uint32_t command, uintptr_t data);

}  // namespace win
