#include "platform/files/file_errors.h"

#include <cerrno>
#include <system_error>

#include "platform/runtime/errors.h"

namespace vb {

namespace {

bool FolderExists(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    std::error_code error;
    return folder.empty() || std::filesystem::is_directory(folder, error);
}

}  // namespace

int FileErrorNumber(int error, const std::filesystem::path& path) {
    switch (error) {
        case ENOENT:
            return FolderExists(path) ? errFileNotFound : errPathNotFound;
        case ENOTDIR:
            return errPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case EEXIST:
        case EISDIR:
        case ENOTEMPTY:
            return errPathFileAccess;
        case EBUSY:
        case ETXTBSY:
            return errPermissionDenied;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return errDiskFull;
        case ENAMETOOLONG:
        case EINVAL:
        case EILSEQ:
            return errBadFileNameOrNumber;
        default:
            return errDeviceIO;
    }
}

void RaiseFileError(int error, const std::filesystem::path& path) {
    Raise(FileErrorNumber(error, path));
}

}  // namespace vb
