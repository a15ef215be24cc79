#pragma once
/// @file
/// The per-user lock that tells a second copy of the program that one is running already
/// (the runtime's App.PrevInstance). The lock is an advisory lock on a file, held as long
/// as the object lives and dropped by the system when the process ends, however it ends.

#include <string>

namespace vb {

/// The lock file of the current user: ".cache/tolvarin/instance.lock" in the home folder
/// the user database gives (the folders are made, open to the user alone). It depends on
/// no environment variable, so every start by one user finds the same file, and it lies
/// where no other user can make it. Empty when the user has no home folder.
std::string InstanceLockPath();

class InstanceLock {
public:
    /// Takes the lock on @p path, creating the file when it is missing; an empty path or
    /// a symbolic link takes nothing.
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
