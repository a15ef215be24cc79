#include "platform/types/clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "platform/headless/headless_host.h"
#include "platform/runtime/datetime.h"

namespace {

// A clock without any window host, as the areas below the forms see one.
class StopClock : public vb::Clock {
public:
    explicit StopClock(double seconds) : seconds_(seconds) { vb::SetClock(this); }
    ~StopClock() override { vb::SetClock(nullptr); }
    StopClock(const StopClock&) = delete;
    StopClock& operator=(const StopClock&) = delete;

    void sleep(uint32_t ms) override { slept += ms; }
    int64_t nowMs() override { return static_cast<int64_t>(seconds_ * 1000); }
    double secondsSinceMidnight() override { return seconds_; }

    uint32_t slept = 0;

private:
    double seconds_;
};

TEST(Clock, TheRuntimeReadsTheTimeAndSleepsThroughTheInstalledClock) {
    StopClock clock(18 * 3600);
    const vb::Date now = vb::Now();
    EXPECT_EQ(now - std::floor(now), 0.75);
    win::Sleep(250);
    win::Sleep(40);
    EXPECT_EQ(clock.slept, 290u);
}

TEST(Clock, AWindowHostIsTheClockWhileItIsInstalled) {
    vb::SetHost(nullptr);
    EXPECT_THROW(win::Sleep(1), std::logic_error);
    {
        headless::HeadlessHost host;
        EXPECT_EQ(&vb::CurrentClock(), static_cast<vb::Clock*>(&host));
    }
    EXPECT_FALSE(vb::HasClock());
    EXPECT_THROW(win::Sleep(1), std::logic_error);
}

}  // namespace
