#include "platform/runtime/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

class InstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::path(::testing::TempDir()) /
                  ("instance-lock-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = (folder_ / "tolvarin.lock").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    std::string path_;
};

TEST_F(InstanceLockTest, ASecondCopyFindsTheFirstUntilItEnds) {
    auto first = std::make_unique<vb::InstanceLock>(path_);
    EXPECT_FALSE(first->HeldElsewhere());
    EXPECT_TRUE(fs::exists(path_));
    {
        const vb::InstanceLock second(path_);
        EXPECT_TRUE(second.HeldElsewhere());
    }
    // The refused copy took nothing: the first still holds the lock.
    EXPECT_TRUE(vb::InstanceLock(path_).HeldElsewhere());
    first.reset();
    // A stale file left by a copy that ended locks nothing.
    EXPECT_TRUE(fs::exists(path_));
    EXPECT_FALSE(vb::InstanceLock(path_).HeldElsewhere());
}

TEST_F(InstanceLockTest, ALockFileThatCannotBeMadeLetsTheProgramRun) {
    const vb::InstanceLock lock((folder_ / "missing" / "tolvarin.lock").string());
    EXPECT_FALSE(lock.HeldElsewhere());
}

// Sets or clears an environment variable for the scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Two starts, one with a runtime folder in its environment and one without, must find the
// same lock; and it lies in a folder no other user can make or write.
TEST(InstanceLockPath, IsTheSameInEveryEnvironmentAndTheUsersAlone) {
    std::string withRuntime, without;
    {
        const ScopedEnv env("XDG_RUNTIME_DIR", "/tmp");
        withRuntime = vb::InstanceLockPath();
    }
    {
        const ScopedEnv env("XDG_RUNTIME_DIR", nullptr);
        const ScopedEnv home("HOME", "/tmp");
        without = vb::InstanceLockPath();
    }
    ASSERT_FALSE(withRuntime.empty());
    EXPECT_EQ(without, withRuntime);
    struct stat folder {};
    ASSERT_EQ(::lstat(fs::path(withRuntime).parent_path().c_str(), &folder), 0);
    EXPECT_TRUE(S_ISDIR(folder.st_mode));
    EXPECT_EQ(folder.st_uid, ::getuid());
    EXPECT_EQ(folder.st_mode & 022, 0u);
}

}  // namespace
