#include "platform/files/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "platform/files/file_errors.h"
#include "platform/files/user_store.h"
#include "platform/runtime/errors.h"

namespace vb {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kNewFileMode = 0644;
constexpr size_t kReadChunk = 4096;
constexpr int kMostLinks = 40;          // as the system follows at most
constexpr size_t kTemporarySuffix = 7;  // ".XXXXXX"

std::function<int(ReplaceStep)>& FailureHook() {
    static std::function<int(ReplaceStep)> hook;
    return hook;
}

std::function<int()>& ReadHook() {
    static std::function<int()> hook;
    return hook;
}

// The errno value a test wants @p step to fail with; 0 when the step is to run.
int Injected(ReplaceStep step) {
    const auto& hook = FailureHook();
    return hook ? hook(step) : 0;
}

// 0 when every byte was written, else the errno value of the failure.
int WriteAll(int descriptor, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return errno;
        done += static_cast<size_t>(put);
    }
    return 0;
}

// Reads to the end of the file, or to @p limit bytes, into @p bytes, which start as large as
// the file was; 0 when that worked, else the errno value of the failure.
int ReadAll(int descriptor, std::vector<uint8_t>& bytes, size_t limit) {
    size_t done = 0;
    while (done < limit) {
        if (done == bytes.size()) bytes.resize(std::min(limit, done + kReadChunk));
        const ssize_t got = ::read(descriptor, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    return 0;
}

mode_t ModeToKeep(const fs::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    return kNewFileMode;
}

// The file a write of @p path replaces: the end of its chain of symbolic links.
fs::path FollowLinks(fs::path path) {
    for (int hops = 0; hops < kMostLinks; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path link = fs::read_symlink(path, error);
        if (error) RaiseFileError(error.value(), path);
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    RaiseFileError(ELOOP, path);
}

// Removes the temporary files of @p target that a killed write left in @p folder. A live
// writer holds a lock on its own, so it is never taken away from under it.
void RemoveStaleTemporaries(const fs::path& folder, const fs::path& target) {
    const std::string prefix = "." + target.filename().string() + ".";
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + kTemporarySuffix - 1 || !name.starts_with(prefix))
            continue;
        const int descriptor =
            ::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0) continue;
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) ::unlink(it->path().c_str());
        ::close(descriptor);
    }
}

int FlushFolder(const fs::path& folder) {
    if (const int injected = Injected(ReplaceStep::FlushFolder)) return injected;
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return errno;
    // Some file systems cannot flush a folder; the rename is then as durable as they allow.
    const int error = (::fsync(descriptor) != 0 && errno != EINVAL) ? errno : 0;
    ::close(descriptor);
    return error;
}

// The new contents beside the file they replace; removed again unless renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(fs::path target) : target_(FollowLinks(std::move(target))) {
        std::string pattern = (Folder() / ("." + target_.filename().string() + ".XXXXXX"));
        int error = Injected(ReplaceStep::CreateTemporary);
        if (error == 0) {
            RemoveStaleTemporaries(Folder(), target_);
            descriptor_ = ::mkostemp(pattern.data(), O_CLOEXEC);
            if (descriptor_ < 0) error = errno;
        }
        if (descriptor_ >= 0) ::flock(descriptor_, LOCK_EX);
        if (error != 0) RaiseFileError(error, target_);
        path_ = pattern;
    }
    ~TemporaryFile() {
        if (descriptor_ >= 0) ::close(descriptor_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void Write(std::span<const uint8_t> bytes) {
        int error = Injected(ReplaceStep::Write);
        if (error == 0) error = WriteAll(descriptor_, bytes);
        if (error == 0 && ::fchmod(descriptor_, ModeToKeep(target_)) != 0) error = errno;
        Check(error);
    }
    void Flush() {
        int error = Injected(ReplaceStep::Flush);
        if (error == 0 && ::fsync(descriptor_) != 0) error = errno;
        const int closed = ::close(descriptor_);
        descriptor_ = -1;
        if (error == 0 && closed != 0) error = errno;
        Check(error);
    }
    void RenameIntoPlace() {
        int error = Injected(ReplaceStep::Rename);
        if (error == 0 && ::rename(path_.c_str(), target_.c_str()) != 0) error = errno;
        Check(error);
        path_.clear();
        Check(FlushFolder(Folder()));
    }

private:
    fs::path Folder() const {
        return target_.parent_path().empty() ? fs::path(".") : target_.parent_path();
    }
    void Check(int error) const {
        if (error != 0) RaiseFileError(error, target_);
    }

    fs::path target_;
    std::string path_;
    int descriptor_ = -1;
};

}  // namespace

void SetReplaceFailureHook(std::function<int(ReplaceStep)> hook) {
    FailureHook() = std::move(hook);
}

void SetReadFailureHook(std::function<int()> hook) { ReadHook() = std::move(hook); }

void ReplaceFileAtomically(std::string_view path, std::span<const uint8_t> bytes) {
    TemporaryFile file{fs::path(WritablePath(path))};
    file.Write(bytes);
    file.Flush();
    file.RenameIntoPlace();
}

namespace {

// Opens @p path for reading without waiting on a pipe or a device; its size in @p size. 0 or
// the errno value of the failure (EISDIR for anything but a regular file).
int OpenRegular(const std::string& path, int& descriptor, off_t& size) {
    descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return errno;
    struct stat info {};
    const int error = ::fstat(descriptor, &info) != 0 ? errno : S_ISREG(info.st_mode) ? 0 : EISDIR;
    size = info.st_size;
    if (error != 0) ::close(descriptor);
    return error;
}

std::vector<uint8_t> ReadStart(std::string_view path, size_t limit) {
    const std::string readable = ReadablePath(path);
    int descriptor = -1;
    off_t size = 0;
    if (const int error = OpenRegular(readable, descriptor, size)) {
        if (error == EISDIR) Raise(errPathFileAccess);
        RaiseFileError(error, readable);
    }
    std::vector<uint8_t> bytes(std::min(limit, static_cast<size_t>(size)));
    int error = ReadHook() ? ReadHook()() : 0;
    if (error == 0) error = ReadAll(descriptor, bytes, limit);
    ::close(descriptor);
    if (error != 0) RaiseFileError(error, readable);
    return bytes;
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(std::string_view path) { return ReadStart(path, SIZE_MAX); }

std::vector<uint8_t> ReadFileStart(std::string_view path, size_t limit) {
    return ReadStart(path, limit);
}

ReadOutcome ReadRegularFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes) {
    bytes.clear();
    int descriptor = -1;
    off_t size = 0;
    if (const int error = OpenRegular(path, descriptor, size))
        return error == ENOENT ? ReadOutcome::Missing : ReadOutcome::Unreadable;
    if (static_cast<uint64_t>(size) > limit) {
        ::close(descriptor);
        return ReadOutcome::Unreadable;
    }
    // One byte more than allowed tells a file that grew past the limit.
    bytes.resize(std::min(limit + 1, static_cast<size_t>(size)));
    const int error = ReadAll(descriptor, bytes, limit + 1);
    ::close(descriptor);
    if (error == 0 && bytes.size() <= limit) return ReadOutcome::Read;
    bytes.clear();
    return ReadOutcome::Unreadable;
}

}  // namespace vb
