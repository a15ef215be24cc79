#include "platform/runtime/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace vb {

std::string InstanceLockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return std::string(runtime) + "/tolvarin.lock";
    return "/tmp/tolvarin-" + std::to_string(getuid()) + ".lock";
}

// flock locks belong to the open file, so a second open of the same file, in this process
// or another, cannot take the lock while this one holds it.
InstanceLock::InstanceLock(const std::string& path) {
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
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
