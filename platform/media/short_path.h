#pragma once
/// @file
/// GetShortPathNameA. This file system has no short (8.3) names: the short form of a path
/// is the path itself.

#include <cstdint>

namespace win {

/// Copies @p longPath, when it names an existing file or folder (see vb::FileExists), into
/// @p shortPath as it stands. When it fits with its terminating zero in @p bufferLength
/// characters, returns its length without the zero; otherwise returns the length the
/// buffer needs, zero included, and leaves the buffer as it was. Returns 0 and leaves the
/// buffer as it was when @p longPath is null or names nothing that exists.
uint32_t GetShortPathNameA(const char* longPath, char* shortPath, uint32_t bufferLength);

}  // namespace win
