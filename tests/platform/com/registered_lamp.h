#pragma once
// A fixture with a registry file of its own, in which the lamp library of module/lamp.cpp
// is registered; the library is unloaded again when no lamp is left.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/com/loader.h"
#include "platform/registry/registry_store.h"

namespace comtest {

namespace fs = std::filesystem;

inline const std::string kLampPath = COM_TEST_LAMP;
inline constexpr const char* kLampProgID = "ComTest.Lamp";
inline const com::Guid kLampClsid = *com::ParseGuid("{A1B2C3D4-0002-4000-8000-00000000C0DE}");

class RegisteredLamp : public ::testing::Test {
protected:
    void SetUp() override {
        // The pid keeps apart runs of the same test by other builds at the same time.
        folder_ = fs::path(::testing::TempDir()) /
                  ("com-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        registry::SetStorePath((folder_ / "registry.txt").string());
        ASSERT_EQ(com::RegisterServer(kLampPath), com::S_OK);
    }
    void TearDown() override {
        com::CoFreeUnusedLibraries();
        registry::SetStorePath(registry::DefaultStorePath());
        fs::remove_all(folder_);
    }

private:
    fs::path folder_;
};

}  // namespace comtest
