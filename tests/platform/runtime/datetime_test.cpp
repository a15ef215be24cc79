#include "platform/runtime/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "clock_host.h"
#include "platform/runtime/errors.h"

namespace {

struct DateSerialCase {
    int year, month, day;
    double want;
};

// want: days since 1899-12-30; months and days out of range carry over.
const DateSerialCase kDateSerialCases[] = {
    {1899, 12, 30, 0},   {1899, 12, 31, 1},    {1900, 1, 1, 2},       {1970, 1, 1, 25569},
    {2000, 1, 1, 36526}, {2024, 2, 29, 45351}, {2026, 12, 9, 46365},  {2026, 13, 1, 46388},
    {2026, 3, 0, 46081}, {2026, 0, 1, 45992},  {2026, -11, 1, 45658}, {2026, 12, 32, 46388},
};

TEST(DateSerial, CountsDaysFromTheRuntimesDayZero) {
    for (const auto& c : kDateSerialCases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                     std::to_string(c.day));
        EXPECT_EQ(vb::DateSerial(c.year, c.month, c.day), c.want);
    }
}

TEST(TimeSerial, IsTheFractionOfADay) {
    EXPECT_EQ(vb::TimeSerial(12, 0, 0), 0.5);
    EXPECT_EQ(vb::TimeSerial(6, 0, 0), 0.25);
    EXPECT_EQ(vb::TimeSerial(0, 0, 60), vb::TimeSerial(0, 1, 0));
    EXPECT_EQ(vb::TimeSerial(0, 90, 0), vb::TimeSerial(1, 30, 0));
    EXPECT_EQ(vb::TimeSerial(0, 0, 1), 1.0 / 86400);
}

struct FormatCase {
    double when;
    const char* pattern;
    const char* want;
};

const FormatCase kFormatCases[] = {
    {vb::TimeSerial(0, 5, 9), "Hh:Nn:Ss", "00:05:09"},
    {vb::TimeSerial(23, 59, 59), "Hh:Nn:Ss", "23:59:59"},
    {vb::TimeSerial(23, 59, 59) + vb::TimeSerial(0, 0, 1), "Hh:Nn:Ss", "00:00:00"},
    {vb::DateSerial(2026, 12, 9) + vb::TimeSerial(13, 4, 5), "Hh:Nn:Ss", "13:04:05"},
    {vb::TimeSerial(13, 4, 5), "h:n:s", "13:4:5"},
    {vb::TimeSerial(13, 4, 5), "hh.nn", "13.04"},
    {vb::TimeSerial(13, 4, 5) + 0.4 / 86400, "Hh:Nn:Ss", "13:04:05"},
    {vb::TimeSerial(13, 4, 5) + 0.6 / 86400, "Hh:Nn:Ss", "13:04:06"},
    {0, "Hh:Nn:Ss", "00:00:00"},
};

TEST(FormatTime, WritesTheTimeOfDay) {
    for (const auto& c : kFormatCases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + c.want);
        EXPECT_EQ(vb::FormatTime(c.when, c.pattern), c.want);
    }
}

TEST(FormatTime, RejectsLettersOtherThanHoursMinutesAndSeconds) {
    EXPECT_THROW(vb::FormatTime(0, "yyyy"), std::invalid_argument);
    EXPECT_THROW(vb::FormatTime(0, "hh:mm"), std::invalid_argument);
}

// The game clock reads its caption back, adds a second and writes it again: a whole day of
// ticks must step through every second without drift and come round to midnight.
TEST(FormatTime, AClockReadBackAndAdvancedKeepsEverySecond) {
    std::string caption = "00:00:00";
    for (int second = 1; second <= 86400; ++second) {
        caption = vb::FormatTime(vb::TimeValue(caption) + vb::TimeSerial(0, 0, 1), "Hh:Nn:Ss");
        const int shown = second % 86400;
        const std::string want = vb::FormatTime(vb::TimeSerial(0, 0, shown), "Hh:Nn:Ss");
        if (caption != want) {
            FAIL() << "after " << second << " s: " << caption << " instead of " << want;
        }
    }
    EXPECT_EQ(caption, "00:00:00");
}

struct TimeValueCase {
    const char* text;
    double want;
    int error;
};

const TimeValueCase kTimeValueCases[] = {
    {"00:05:09", vb::TimeSerial(0, 5, 9), 0}, {"23:59:59", vb::TimeSerial(23, 59, 59), 0},
    {" 7:30 ", vb::TimeSerial(7, 30, 0), 0},  {"0:0:0", 0, 0},
    {"24:00:00", 0, vb::errTypeMismatch},     {"12:60", 0, vb::errTypeMismatch},
    {"12:00:60", 0, vb::errTypeMismatch},     {"", 0, vb::errTypeMismatch},
    {"abc", 0, vb::errTypeMismatch},          {"12", 0, vb::errTypeMismatch},
    {"12:", 0, vb::errTypeMismatch},          {"1:2:3:4", 0, vb::errTypeMismatch},
    {"123:00", 0, vb::errTypeMismatch},       {"12:00x", 0, vb::errTypeMismatch},
};

TEST(TimeValue, ReadsATimeOfDay) {
    for (const auto& c : kTimeValueCases) {
        SCOPED_TRACE(c.text);
        int error = 0;
        double got = -1;
        try {
            got = vb::TimeValue(c.text);
        } catch (const vb::RuntimeError& e) {
            error = e.Number();
        }
        EXPECT_EQ(error, c.error);
        if (c.error == 0) {
            EXPECT_EQ(got, c.want);
        }
    }
}

struct ShortDateCase {
    double when;
    const char* want;
};

const ShortDateCase kShortDateCases[] = {
    {vb::DateSerial(2026, 12, 9), "12/9/2026"},
    {vb::DateSerial(2000, 1, 1), "1/1/2000"},
    {vb::DateSerial(2024, 2, 29), "2/29/2024"},
    {vb::DateSerial(2026, 10, 31) + 0.75, "10/31/2026"},
    {vb::DateSerial(2026, 10, 31) + vb::TimeSerial(23, 59, 59), "10/31/2026"},
    {0, "12/30/1899"},
};

TEST(ShortDate, WritesMonthDayYear) {
    for (const auto& c : kShortDateCases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(vb::ShortDate(c.when), c.want);
    }
}

TEST(Now, AFixedNowStandsUntilCleared) {
    const double when = vb::DateSerial(2026, 12, 9) + vb::TimeSerial(20, 15, 0);
    vb::SetFixedNow(when);
    EXPECT_EQ(vb::Now(), when);
    EXPECT_EQ(vb::ShortDate(vb::Now()), "12/9/2026");
    vb::ClearFixedNow();
    EXPECT_NE(vb::Now(), when);
    EXPECT_GT(vb::Now(), vb::DateSerial(2024, 1, 1));
}

TEST(Now, TakesTheTimeOfDayFromTheHost) {
    runtime_test::ClockHost host(3723.0);
    const double now = vb::Now();
    EXPECT_EQ(vb::FormatTime(now, "Hh:Nn:Ss"), "01:02:03");
    EXPECT_NEAR(now - std::floor(now), 3723.0 / 86400, 1e-9);
}

}  // namespace
