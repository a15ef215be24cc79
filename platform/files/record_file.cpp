#include "platform/files/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bitset>
#include <cerrno>

#include "platform/files/file_errors.h"
#include "platform/files/user_store.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/errors.h"

namespace vb {

namespace {

constexpr int kErrBadRecordLength = 59;
constexpr int kErrTooManyFiles = 67;
constexpr int kHighestFileNumber = 255;
constexpr int kLongestRecord = 32767;

// Numbers held by open files; number 0 is never handed out.
std::bitset<kHighestFileNumber + 1>& NumbersInUse() {
    static std::bitset<kHighestFileNumber + 1> inUse;
    return inUse;
}

int OpenForRandom(const std::string& path, bool& writable) {
    int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    writable = descriptor >= 0;
    const int refused = errno;
    if (descriptor < 0 && (refused == EACCES || refused == EROFS || refused == EPERM)) {
        descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    }
    // A file that could be neither made nor read fails for the first reason, not for being
    // missing.
    if (descriptor < 0) RaiseFileError(refused, path);
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        Raise(errPathFileAccess);
    }
    return descriptor;
}

void CheckRecord(int32_t recordNumber, size_t size, int recordLength) {
    if (recordNumber < 1) Raise(errBadRecordNumber);
    if (size > static_cast<size_t>(recordLength)) {
        throw RuntimeError(kErrBadRecordLength, "Bad record length");
    }
}

}  // namespace

int FreeFile() {
    for (int number = 1; number <= kHighestFileNumber; ++number) {
        if (!NumbersInUse().test(static_cast<size_t>(number))) return number;
    }
    throw RuntimeError(kErrTooManyFiles, "Too many files");
}

RecordFile::RecordFile(std::string_view path, int recordLength) : recordLength_(recordLength) {
    if (recordLength < 1 || recordLength > kLongestRecord) Raise(errBadFileNameOrNumber);
    const int number = FreeFile();
    path_ = WritablePath(path);
    descriptor_ = OpenForRandom(path_, writable_);
    number_ = number;
    NumbersInUse().set(static_cast<size_t>(number_));
}

RecordFile::~RecordFile() { Close(); }

void RecordFile::Close() {
    if (descriptor_ < 0) return;
    ::close(descriptor_);
    descriptor_ = -1;
    NumbersInUse().reset(static_cast<size_t>(number_));
    number_ = 0;
}

int RecordFile::Descriptor() const {
    if (descriptor_ < 0) Raise(errBadFileNameOrNumber);
    return descriptor_;
}

void RecordFile::Get(int32_t recordNumber, std::span<uint8_t> record) const {
    const int descriptor = Descriptor();
    CheckRecord(recordNumber, record.size(), recordLength_);
    const off_t start = static_cast<off_t>(recordNumber - 1) * recordLength_;
    size_t done = 0;
    while (done < record.size()) {
        const ssize_t got = ::pread(descriptor, record.data() + done, record.size() - done,
                                    start + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) RaiseFileError(errno, path_);
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    std::fill(record.begin() + static_cast<std::ptrdiff_t>(done), record.end(), uint8_t{0});
}

void RecordFile::Put(int32_t recordNumber, std::span<const uint8_t> record) {
    const int descriptor = Descriptor();
    CheckRecord(recordNumber, record.size(), recordLength_);
    if (!writable_) Raise(errPathFileAccess);
    const off_t start = static_cast<off_t>(recordNumber - 1) * recordLength_;
    size_t done = 0;
    while (done < record.size()) {
        const ssize_t put = ::pwrite(descriptor, record.data() + done, record.size() - done,
                                     start + static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) RaiseFileError(errno, path_);
        done += static_cast<size_t>(put);
    }
}

int64_t RecordFile::Lof() const {
    struct stat info {};
    if (::fstat(Descriptor(), &info) != 0) RaiseFileError(errno, path_);
    return static_cast<int64_t>(info.st_size);
}

int32_t RecordFile::Records() const { return CLng(static_cast<double>(Lof()) / recordLength_); }

}  // namespace vb
