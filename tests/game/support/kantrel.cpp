// The dialogs make their buttons by ProgID: the build's control library is registered in
// the tests' settings store, as the program registers it at start when it is missing.

#include <gtest/gtest.h>

#include "platform/com/loader.h"
#include "platform/com/registration.h"

namespace {

struct KantrelRegistered : ::testing::Environment {
    void SetUp() override {
        com::Guid clsid;
        if (com::SUCCEEDED(com::CLSIDFromProgID("Lumbrix1.HoverCommand", &clsid)) &&
            com::InprocServerOf(clsid) == KANTREL_PATH)
            return;
        ASSERT_EQ(com::RegisterServer(KANTREL_PATH), com::S_OK);
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new KantrelRegistered);

}  // namespace
