#pragma once
/// @file
/// The per-user store: where the program's own files go when its folder is read-only.
///
/// A path inside the program folder (vb::App().Path) whose folder cannot be written is
/// redirected to the same relative path under $XDG_DATA_HOME/Tolvarin (default
/// ~/.local/share/Tolvarin). Once a per-user copy exists, reads and writes both use it.
/// Paths outside the program folder are never redirected.

#include <filesystem>
#include <string>
#include <string_view>

namespace vb {

/// The per-user store: $XDG_DATA_HOME/Tolvarin when XDG_DATA_HOME is an absolute path,
/// else $HOME/.local/share/Tolvarin; empty when neither is set.
std::filesystem::path UserStoreFolder();

/// Where a write to the game's @p path goes (the native path, see NativePath):
/// - the per-user copy, when one exists;
/// - the path itself, when it lies outside the program folder, or when its folder can be
///   written or created (missing folders are created here);
/// - otherwise its place in the per-user store, whose folders are created here; an
///   existing file of the program folder is first copied there, so that a record file
///   keeps its contents. Raises 75 when that file is there but cannot be copied now: a new
///   file in the store would hide it for good.
std::string WritablePath(std::string_view path);

/// Where a read of the game's @p path goes: its per-user copy when one exists, else the
/// native path.
std::string ReadablePath(std::string_view path);

}  // namespace vb
