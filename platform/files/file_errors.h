#pragma once
/// @file
/// Run-time errors for failed file operations: the number the runtime gives each system
/// failure.

#include <filesystem>

namespace vb {

/// The run-time error number for the system error @p error (an errno value) met while
/// working on @p path: a missing file is 53 (File not found) when its folder exists and 76
/// (Path not found) when it does not; access refused, an existing name or a folder where a
/// file is expected is 75 (Path/File access error); a file in use is 70 (Permission
/// denied); no space is 61 (Disk full); an unusable name is 52 (Bad file name or number);
/// anything else is 57 (Device I/O error).
int FileErrorNumber(int error, const std::filesystem::path& path);

/// Raises the run-time error FileErrorNumber(@p error, @p path).
[[noreturn]] void RaiseFileError(int error, const std::filesystem::path& path);

}  // namespace vb
