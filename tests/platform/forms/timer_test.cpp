// A timer runs while it is enabled, has an interval and its form is loaded; every change
// to that tells the host, so it can start the countdown afresh.

#include <gtest/gtest.h>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/recording_host.h"

namespace {

using formstest::Lines;
using formstest::RecordingHost;

struct Clock : vb::Form {
    Clock() : vb::Form("frmClock") {}
    vb::Timer tmrTick{*this, "tmrTick"};
    int ticks = 0;

protected:
    void InitializeComponent() override {
        tmrTick.Tick = [this] { ++ticks; };
    }
};

struct RunningCase {
    bool enabled;
    uint32_t interval;
    bool loaded;
    bool running;
};

const RunningCase kRunningCases[] = {
    {true, 1000, true, true},   {false, 1000, true, false}, {true, 0, true, false},
    {true, 1000, false, false}, {true, 1, true, true},
};

TEST(Timer, RunsWhenEnabledWithAnIntervalOnALoadedForm) {
    for (const auto& c : kRunningCases) {
        SCOPED_TRACE(testing::Message() << c.enabled << " " << c.interval << " " << c.loaded);
        Clock f;
        if (c.loaded) f.Load();
        f.tmrTick.setEnabled(c.enabled);
        f.tmrTick.setInterval(c.interval);
        EXPECT_EQ(f.tmrTick.Running(), c.running);
        f.tmrTick.RaiseTimer();
        EXPECT_EQ(f.ticks, c.running ? 1 : 0);
    }
}

TEST(Timer, IsMadeEnabledWithNoInterval) {
    Clock f;
    EXPECT_TRUE(f.tmrTick.Enabled());
    EXPECT_EQ(f.tmrTick.Interval(), 0u);
}

TEST(Timer, ChangesTellTheHostOnlyWhenTheyChangeSomething) {
    RecordingHost host;
    Clock f;
    f.Load();
    host.take();
    f.tmrTick.setInterval(10);
    f.tmrTick.setInterval(10);
    f.tmrTick.setEnabled(false);
    f.tmrTick.setEnabled(false);
    vb::Control& asControl = f.tmrTick;
    asControl.setEnabled(true);
    asControl.setEnabled(true);
    EXPECT_EQ(host.take(),
              (Lines{"control tmrTick Value", "timer tmrTick running", "control tmrTick Enabled",
                     "timer tmrTick stopped", "control tmrTick Enabled", "timer tmrTick running"}));
}

}  // namespace
