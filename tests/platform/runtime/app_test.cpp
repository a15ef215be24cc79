#include "platform/runtime/app.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(App, DescribesTheRunningProgram) {
    const auto exe = std::filesystem::read_symlink("/proc/self/exe");
    const vb::AppInfo& app = vb::App();
    EXPECT_EQ(app.Path, exe.parent_path().string());
    ASSERT_FALSE(app.Path.empty());
    EXPECT_NE(app.Path.back(), '/');
    EXPECT_EQ(app.Title, "Tolvarin");  // the title the single-instance message names
    EXPECT_FALSE(app.PrevInstance);
    EXPECT_EQ(&vb::App(), &app);
}

}  // namespace
