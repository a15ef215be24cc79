#include "platform/user32/capture.h"

#include <gtest/gtest.h>

namespace {

TEST(Capture, SetReturnsThePreviousHolderAndReleaseClearsIt) {
    win::ReleaseCapture();
    EXPECT_EQ(win::SetCapture(7), 0);
    EXPECT_EQ(win::SetCapture(9), 7);
    EXPECT_EQ(win::GetCapture(), 9);
    EXPECT_EQ(win::ReleaseCapture(), 1);
    EXPECT_EQ(win::GetCapture(), 0);
}

}  // namespace
