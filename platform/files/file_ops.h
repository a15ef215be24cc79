#pragma once
/// @file
/// The runtime's statements and functions on whole files and folders: MkDir, Kill, FileLen,
/// SetAttr. Paths are the game's own (see NativePath); files of the program folder may live
/// in the per-user store (see user_store.h).

#include <cstdint>
#include <string_view>

namespace vb {

/// File attributes as SetAttr takes them; 0 is a normal file.
enum FileAttribute : int {
    vbReadOnly = 1,
    vbHidden = 2,
    vbSystem = 4,
    vbArchive = 32,
};

/// Creates the one folder @p path (its parent must exist). Raises 75 when the name exists
/// already or the folder cannot be made there, 76 when the parent is missing.
void MkDir(std::string_view path);

/// Deletes the file @p path, and its per-user copy. Raises 53 when there is no such file (a
/// folder is no file), 76 when its folder is missing, 75 when it cannot be deleted.
void Kill(std::string_view path);

/// The length of the file @p path in bytes. Raises 53 when there is no such file, 76 when
/// its folder is missing.
int64_t FileLen(std::string_view path);

/// Sets the attributes of the file @p path. vbReadOnly removes every write permission and
/// its absence gives the owner write permission again; hidden, system and archive have no
/// counterpart here and are accepted without effect. Raises 53 when there is no such file,
/// 76 when its folder is missing.
void SetAttr(std::string_view path, int attributes);

}  // namespace vb
