#include "platform/files/file_ops.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/files/file_errors.h"
#include "platform/files/paths.h"
#include "platform/files/user_store.h"

namespace vb {

namespace {

// The status of the regular file @p path; a folder counts as a missing file, as Kill and
// FileLen have it.
struct stat RegularFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) RaiseFileError(errno, path);
    if (!S_ISREG(info.st_mode)) RaiseFileError(ENOENT, path);
    return info;
}

void RemoveFile(const std::string& path) {
    RegularFile(path);
    if (::unlink(path.c_str()) != 0) RaiseFileError(errno, path);
}

}  // namespace

void MkDir(std::string_view path) {
    const std::string native = NativePath(path);
    if (::mkdir(native.c_str(), 0777) != 0) RaiseFileError(errno, native);
}

void Kill(std::string_view path) {
    const std::string native = NativePath(path);
    const std::string readable = ReadablePath(path);
    struct stat info {};
    const bool originalExists = ::stat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    // The original goes first: when it cannot be deleted, the table the player sees stays
    // whole.
    if (originalExists || readable == native) RemoveFile(native);
    if (readable != native) RemoveFile(readable);
}

int64_t FileLen(std::string_view path) {
    const std::string readable = ReadablePath(path);
    return static_cast<int64_t>(RegularFile(readable).st_size);
}

void SetAttr(std::string_view path, int attributes) {
    const std::string readable = ReadablePath(path);
    const struct stat info = RegularFile(readable);
    mode_t mode = info.st_mode & 07777;
    if ((attributes & vbReadOnly) != 0) {
        mode &= static_cast<mode_t>(~(S_IWUSR | S_IWGRP | S_IWOTH));
    } else {
        mode |= S_IWUSR;
    }
    if (::chmod(readable.c_str(), mode) != 0) RaiseFileError(errno, readable);
}

}  // namespace vb
