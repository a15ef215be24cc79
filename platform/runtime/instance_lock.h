#pragma once
/// @file
/// The per-user lock that tells a second copy of the program that one is running already
/// (the runtime's App.PrevInstance). The lock is an advisory lock on a file, held as long
/// as the object lives and dropped by the system when the process ends, however it ends.

#include <string>

namespace vb {

/// The lock file of the current user: "tolvarin.lock" in $XDG_RUNTIME_DIR when that is
/// set, else "/tmp/tolvarin-<uid>.lock".
std::string InstanceLockPath();

class InstanceLock {
public:
    /// Takes the lock on @p path, creating the file when it is missing.
    explicit InstanceLock(const std::string& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    /// Whether another holder had the lock already; this object then holds nothing. A
    /// lock file that cannot be opened counts as free: the program runs.
    bool HeldElsewhere() const { return heldElsewhere_; }

private:
    int fd_ = -1;
    bool heldElsewhere_ = false;
};

}  // namespace vb
