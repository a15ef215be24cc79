#pragma once
/// @file
/// The game's Windows-style paths on this file system: "\" separators and names written in
/// any case find the files that exist.

#include <filesystem>
#include <string>
#include <string_view>

namespace vb {

/// The native form of a path the game wrote: every "\" becomes "/", and each component that
/// does not exist under its exact name takes the name of an existing entry of its folder
/// that matches it without regard to ASCII case ("TLWAVS\rollAll.WAV" finds
/// "tlwavs/rollall.wav"). When several entries match, the first in byte order is taken.
/// From the first component that matches nothing, the rest of the path stays as written.
/// A trailing separator is kept.
std::string NativePath(std::string_view path);

/// Matches the components of @p path against the file system as NativePath does; the
/// path already uses native separators.
std::filesystem::path MatchCase(const std::filesystem::path& path);

/// Whether @p path names an existing file (hidden and read-only files included; a folder is
/// not a file). A copy in the per-user store counts (see user_store.h).
bool FileExists(std::string_view path);

/// Whether @p path names an existing folder, in the program folder or the per-user store.
bool DirExists(std::string_view path);

}  // namespace vb
