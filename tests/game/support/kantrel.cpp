// The dialogs make their buttons by ProgID: the control library the build made is
// registered in the tests' settings store, once, as the program registers it at start.

#include <gtest/gtest.h>

#include "platform/com/loader.h"
#include "platform/com/registration.h"

namespace {

class KantrelRegistered : public ::testing::Environment {
public:
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
