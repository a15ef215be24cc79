#pragma once
/// @file
/// Cursors: loading a cursor file (.cur), the class cursor of the program's windows, and
/// destroying a loaded cursor.

#include <cstdint>
#include <memory>
#include <vector>

namespace win {

using HCURSOR = intptr_t;
using HWND = intptr_t;

/// The index of the class cursor for SetClassWord (GCL_HCURSOR).
inline constexpr int32_t GCL_HCURSOR = -12;

/// The standard arrow, the class cursor every window starts with.
inline constexpr HCURSOR kArrowCursor = 32512;

/// A loaded cursor's picture: pixels as 0xAARRGGBB, row by row from the top.
struct CursorImage {
    int32_t width = 0;
    int32_t height = 0;
    int32_t hotX = 0;
    int32_t hotY = 0;
    std::vector<uint32_t> pixels;
};

/// Loads the first image of the cursor file @p path (a Windows path with "\" is accepted).
/// Returns 0 when the file is missing or not a cursor file.
HCURSOR LoadCursorFromFileA(const char* path);

/// Sets a value of the window class of @p hwnd. With GCL_HCURSOR, the class cursor of the
/// program's windows becomes @p value and the previous class cursor is returned. Every
/// window of the program shares one class, as the forms runtime's windows do. Other
/// indexes are not kept: 0 is returned.
intptr_t SetClassWord(HWND hwnd, int32_t index, intptr_t value);

/// Frees a cursor made by LoadCursorFromFileA; nonzero on success. The arrow cannot be
/// destroyed; a cursor still in use as the class cursor can (the window then shows the
/// arrow).
int32_t DestroyCursor(HCURSOR cursor);

/// The class cursor in force now.
HCURSOR ClassCursor();

/// The picture of a loaded cursor, or null for the arrow and for unknown handles. The
/// host shows it.
std::shared_ptr<const CursorImage> CursorPicture(HCURSOR cursor);

/// Reads a cursor file's bytes; null when they are not a cursor file. Exposed for tests.
std::shared_ptr<const CursorImage> ParseCursorFile(const std::vector<uint8_t>& bytes);

}  // namespace win
