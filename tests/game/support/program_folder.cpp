// The game tests run the program as if it were installed in a folder of their own that
// holds no sounds or music: the build's program folder has real effect files, whose
// lengths would otherwise move the virtual clock of every test that plays one.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/runtime/app.h"

namespace {

class EmptyProgramFolder : public ::testing::Environment {
public:
    void SetUp() override {
        const auto folder = std::filesystem::path(::testing::TempDir()) / "tolvarin-program";
        std::filesystem::create_directories(folder);
        vb::App().Path = folder.string();
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new EmptyProgramFolder);

}  // namespace
