// The headless host's timer rules, one scenario a row: the timers and their intervals
// ("/off": stored disabled), steps run inside given ticks, the test's own steps, and every
// tick with the clock it came at, then the clock at the end.

#include <gtest/gtest.h>

#include "platform/headless/scenario.h"

namespace {

struct TimerCase {
    const char* what;
    const char* timers;
    const char* hooks;
    const char* steps;
    const char* want;
};

const TimerCase kTimerCases[] = {
    {"ticks once per interval", "A=100", "", "advance 350", "A@100 A@200 A@300 | 350"},
    {"a tick due at the target is delivered", "A=100", "", "advance 100; advance 0", "A@100 | 100"},
    {"advancing in small steps changes nothing", "A=100", "",
     "advance 40; advance 40; advance 40; advance 90", "A@100 A@200 | 210"},
    {"interval 0 never ticks", "A=0", "", "advance 1000", "| 1000"},
    {"stored disabled never ticks", "A=100/off", "", "advance 1000", "| 1000"},
    {"enabling starts from now", "A=100/off", "", "advance 30; enable A; advance 200",
     "A@130 A@230 | 230"},
    {"disabled timers do not tick", "A=100", "",
     "advance 150; disable A; advance 500; enable A; advance 150", "A@100 A@750 | 800"},
    {"enabling an enabled timer keeps its countdown", "A=100", "",
     "advance 60; enable A; advance 60", "A@100 | 120"},
    {"a new interval starts from now", "A=100", "", "advance 50; interval A 200; advance 300",
     "A@250 | 350"},
    {"the same interval keeps the countdown", "A=100", "", "advance 50; interval A 100; advance 60",
     "A@100 | 110"},
    {"interval 0 stops it", "A=100", "", "advance 50; interval A 0; advance 500", "| 550"},
    {"timers tick in time order", "A=300 B=200", "", "advance 650",
     "B@200 A@300 B@400 A@600 B@600 | 650"},
    {"ties go in the order the timers were made", "A=100 B=100", "",
     "disable A; enable A; advance 100", "A@100 B@100 | 100"},
    {"ties ignore the order of enabling", "A=100/off B=100/off C=100/off", "",
     "enable C; enable B; enable A; advance 100", "A@100 B@100 C@100 | 100"},
    {"a sleep delivers nothing", "A=100", "", "sleep 350", "| 350"},
    {"after a sleep one late tick at the next chance", "A=100", "",
     "sleep 350; doEvents; advance 120", "A@350 A@450 | 470"},
    {"after a sleep advance delivers the late tick first", "A=100", "", "sleep 250; advance 30",
     "A@250 | 280"},
    {"doEvents delivers only what is due", "A=100", "", "advance 99; doEvents; sleep 1; doEvents",
     "A@100 | 100"},
    {"every late timer ticks once, in due order", "A=100 B=40", "", "sleep 500; doEvents",
     "B@500 A@500 | 500"},
    {"a handler sleeping within its interval", "A=100", "A#1: sleep 30", "advance 300",
     "A@100 A@200 A@300 | 300"},
    {"a handler sleeping past its next tick", "A=100", "A#1: sleep 250", "advance 600",
     "A@100 A@350 A@450 A@550 | 600"},
    {"a late tick due after the target waits", "A=100 B=150", "A#1: sleep 150", "advance 120",
     "A@100 | 250"},
    {"a handler sleeping past the target still gets its due ticks", "A=100 B=150", "A#1: sleep 150",
     "advance 120; doEvents", "A@100 B@250 A@250 | 250"},
    {"a handler that disables its timer", "A=100", "A#2: disable A", "advance 1000",
     "A@100 A@200 | 1000"},
    {"re-enabled in its own handler restarts from now", "A=100",
     "A#1: sleep 30, disable A, enable A", "advance 400", "A@100 A@230 A@330 | 400"},
    {"a handler that enables another timer", "A=100 B=50/off", "A#1: enable B", "advance 220",
     "A@100 B@150 A@200 B@200 | 220"},
    {"a handler that changes its own interval", "A=1", "A#1: interval A 2000; A#2: interval A 150",
     "advance 2400", "A@1 A@2001 A@2151 A@2301 | 2400"},
    {"unloading the form stops its timers", "A=100", "", "advance 150; unload; advance 500",
     "A@100 | 650"},
    {"loading again starts them afresh", "A=100", "", "unload; advance 50; load; advance 150",
     "A@150 | 200"},
    {"ticks go on inside a modal window", "A=100 B=1000/off", "B#1: modal 250",
     "enable B; advance 1100",
     "A@100 A@200 A@300 A@400 A@500 A@600 A@700 A@800 A@900 "
     "A@1000 B@1000 A@1100 A@1200 | 1250"},
    {"a modal window shown from a tick", "A=100", "A#1: modal 250", "advance 500",
     "A@100 A@200 A@300 A@400 A@500 | 500"},
    {"a message box moves no clock", "A=100", "A#1: msgbox", "advance 150; msgbox; advance 0",
     "A@100 | 150"},
};

TEST(HeadlessTimers, FollowTheRules) {
    for (const auto& c : kTimerCases) {
        SCOPED_TRACE(c.what);
        headlesstest::Scenario s(c.timers, c.hooks);
        s.run(c.steps);
        EXPECT_EQ(s.result(), c.want);
    }
}

TEST(HeadlessTimers, DestroyedTimersAreForgotten) {
    headless::HeadlessHost host;
    headlesstest::Rig rig;
    auto extra = std::make_unique<vb::Timer>(rig, "tmrExtra");
    int ticks = 0;
    extra->Tick = [&] { ++ticks; };
    extra->setInterval(10);
    rig.Load();
    host.advance(10);
    extra.reset();
    host.advance(100);
    EXPECT_EQ(ticks, 1);
}

TEST(HeadlessClock, TimeOfDayMovesWithTheClock) {
    headless::HeadlessHost host;
    EXPECT_EQ(host.nowMs(), 0);
    host.advance(500);
    host.setTimeOfDay(86399.0);
    EXPECT_DOUBLE_EQ(host.secondsSinceMidnight(), 86399.0);
    host.sleep(250);
    EXPECT_DOUBLE_EQ(host.secondsSinceMidnight(), 86399.25);
    host.advance(1000);
    EXPECT_DOUBLE_EQ(host.secondsSinceMidnight(), 0.25);
    EXPECT_EQ(host.nowMs(), 1750);
}

// Tasks for later run in time order among the ticks (after a tick due at the same time),
// not while the thread sleeps; a task may leave another for later.
TEST(HeadlessClock, TasksForLaterRunWithTheTicks) {
    headless::HeadlessHost host;
    headlesstest::Rig rig;
    vb::Timer timer(rig, "tmrA");
    std::string ran;
    const auto note = [&](const std::string& what) {
        ran += what + "@" + std::to_string(host.nowMs()) + " ";
    };
    timer.Tick = [&] { note("A"); };
    timer.setInterval(100);
    rig.Load();
    host.runLater(300, [&] { note("late"); });
    host.runLater(100, [&] {
        note("soon");
        host.runLater(50, [&] { note("after"); });
    });
    host.sleep(120);
    EXPECT_EQ(ran, "");
    host.advance(190);
    EXPECT_EQ(ran, "A@120 soon@120 after@170 A@220 late@300 ");
}

TEST(HeadlessClock, SleepAndDoEventsGoThroughTheRuntime) {
    headless::HeadlessHost host;
    win::Sleep(60);
    vb::DoEvents();
    EXPECT_EQ(host.nowMs(), 60);
}

}  // namespace
