#pragma once
/// @file
/// Whole files read and replaced in one piece, so that a crash or a full disk while a file
/// is written never leaves half of it behind.

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace vb {

/// Replaces the file @p path by @p bytes, or creates it. The bytes go to a new file of a
/// unique name in the same folder, which is flushed to the disk and then renamed over the
/// old file; the folder is flushed last. A symbolic link is followed: its target is
/// replaced and the link stays. Temporary files that an earlier write left behind when it
/// was killed are removed first (a temporary file is locked while its writer lives). The new file
/// keeps the old one's permissions (a new one gets rw-r--r--). On any failure the old file is left
/// as it was, the temporary file is removed and the matching run-time error is raised (76 for a
/// missing folder, 75 when the folder cannot be written, 61 when the disk is full, 57 for an I/O
/// error). Only a failure to flush the folder comes after the rename: the new contents are then in
/// place, and the error is raised all the same.
void ReplaceFileAtomically(std::string_view path, std::span<const uint8_t> bytes);

/// The whole contents of the file @p path. Raises 53 when there is no such file, 76 when its
/// folder is missing, 75 when it names a folder, a pipe or a device, or cannot be read.
std::vector<uint8_t> ReadWholeFile(std::string_view path);

/// At most the first @p limit bytes of the file @p path, however long it is; raises as
/// ReadWholeFile does.
std::vector<uint8_t> ReadFileStart(std::string_view path, size_t limit);

/// What ReadRegularFile found.
enum class ReadOutcome { Read, Missing, Unreadable };

/// Reads the native file @p path into @p bytes when it is a regular file of at most
/// @p limit bytes. Missing when nothing is there (a dangling link included); Unreadable for
/// a file that cannot be opened or read, a folder, a pipe or a device (never waited on) and
/// a file longer than @p limit. @p bytes is emptied unless the file was read.
ReadOutcome ReadRegularFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes);

/// The steps of ReplaceFileAtomically, in order, as a failure hook sees them.
enum class ReplaceStep { CreateTemporary, Write, Flush, Rename, FlushFolder };

/// A hook that tests install to make a step of ReplaceFileAtomically fail: it returns the
/// errno value the step is to fail with, or 0 to let it run. An empty hook removes it.
void SetReplaceFailureHook(std::function<int(ReplaceStep)> hook);

/// A hook that tests install to make ReadWholeFile fail once the file is open: it returns
/// the errno value the read is to fail with (0 lets it read). An empty hook removes it.
void SetReadFailureHook(std::function<int()> hook);

}  // namespace vb
