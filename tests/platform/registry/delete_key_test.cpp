// Removing a key takes everything below it and nothing beside it, and survives a reload.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/registry/registry_store.h"

namespace {

namespace fs = std::filesystem;

TEST(DeleteKey, RemovesTheKeyAndItsSubkeysOnly) {
    const fs::path folder =
        fs::path(::testing::TempDir()) / ("registry-delete-key-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    registry::SetStorePath((folder / "registry.txt").string());
    const std::string root = "HKEY_CLASSES_ROOT\\CLSID\\";
    for (const char* key : {"{A}\\InprocServer32", "{A}\\MiscStatus\\1", "{AB}", "{B}"})
        ASSERT_TRUE(registry::CreateKey(root + key));
    ASSERT_TRUE(registry::SetValue(root + "{A}", "", {1, {'x', 0}}));

    EXPECT_TRUE(registry::DeleteKey(root + "{a}"));  // names without regard to case
    EXPECT_TRUE(registry::DeleteKey(root + "{none}"));
    registry::SetStorePath(registry::StorePath());  // read back from the file
    const std::pair<const char*, bool> rows[] = {
        {"{A}", false},
        {"{A}\\InprocServer32", false},
        {"{A}\\MiscStatus\\1", false},
        {"{AB}", true},
        {"{B}", true},
    };
    for (const auto& [key, exists] : rows) {
        SCOPED_TRACE(key);
        EXPECT_EQ(registry::KeyExists(root + key), exists);
    }
    EXPECT_TRUE(registry::KeyExists("HKEY_CLASSES_ROOT\\CLSID"));
    EXPECT_FALSE(registry::GetValue(root + "{A}", ""));
    registry::SetStorePath(registry::DefaultStorePath());
    fs::remove_all(folder);
}

}  // namespace
