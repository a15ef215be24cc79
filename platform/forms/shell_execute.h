#pragma once
/// @file
/// shell32's ShellExecuteA, for what the program opens through the desktop: its web page
/// and a new mail. The target goes to the desktop's own handler through the window layer;
/// no command line and no shell is ever made of it.

#include <cstdint>

namespace win {

using HWND = intptr_t;

/// Results below 33 are failures.
enum : intptr_t { SE_ERR_NOASSOC = 31, SE_ERR_SUCCESS = 33 };
/// Show commands.
enum : int32_t { SW_HIDE = 0, SW_SHOWNORMAL = 1 };

/// Opens @p file with its default action (@p operation null or "open"). Only web addresses
/// ("http:", "https:") and mail links ("mailto:") are opened; any other target, another
/// operation, or a target with control characters gives SE_ERR_NOASSOC, as does a desktop
/// without a handler for it. @p owner, @p parameters, @p directory and @p showCmd are not
/// used. Returns SE_ERR_SUCCESS when the desktop took the target.
intptr_t ShellExecuteA(HWND owner, const char* operation, const char* file, const char* parameters,
                       const char* directory, int32_t showCmd);

}  // namespace win
