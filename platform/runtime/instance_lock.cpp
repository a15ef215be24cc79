#include "platform/runtime/instance_lock.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace vb {

namespace {

constexpr size_t kUserEntryBuffer = 16384;

// The home folder the user database gives: unlike $HOME, the same for every start.
std::string HomeOfUser() {
    std::vector<char> buffer(kUserEntryBuffer);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir || found->pw_dir[0] != '/')
        return {};
    return found->pw_dir;
}

}  // namespace

// The lock lies in a folder of the user's home, where no other user can make it first; it
// depends on no environment variable, so a start from a desktop and one from a terminal
// without $XDG_RUNTIME_DIR find the same lock.
std::string InstanceLockPath() {
    const std::string home = HomeOfUser();
    if (home.empty()) return {};
    const std::string cache = home + "/.cache";
    ::mkdir(cache.c_str(), 0700);
    const std::string folder = cache + "/tolvarin";
    ::mkdir(folder.c_str(), 0700);
    return folder + "/instance.lock";
}

// flock locks belong to the open file, so a second open of the same file, in this process
// or another, cannot take the lock while this one holds it.
InstanceLock::InstanceLock(const std::string& path) {
    if (path.empty()) return;
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) return;
    if (flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
    heldElsewhere_ = errno == EWOULDBLOCK;
    close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace vb
