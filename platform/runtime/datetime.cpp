#include "platform/runtime/datetime.h"

#include <cmath>
#include <ctime>
#include <optional>
#include <stdexcept>

#include "platform/runtime/errors.h"
#include "platform/types/clock.h"

namespace vb {

namespace {

std::optional<Date>& FixedNow() {
    static std::optional<Date> fixed;
    return fixed;
}

int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

// Days from 1970-01-01 of a proleptic Gregorian date (month 1..12), after H. Hinnant's
// civil calendar algorithm.
long DaysFromCivil(long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct Civil {
    long year;
    int month;
    int day;
};

Civil CivilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

const long kDayZero = DaysFromCivil(1899, 12, 30);

// The seconds since midnight of @p when, rounded to the second and kept within one day.
long SecondOfDay(Date when) {
    const double fraction = std::fabs(when - std::trunc(when));
    return std::lround(fraction * kSecondsPerDay) % 86400;
}

std::string TwoDigits(long value) {
    return std::string(1, static_cast<char>('0' + value / 10)) +
           static_cast<char>('0' + value % 10);
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Reads one to two digits at @p pos of @p text and moves past them; -1 when there are none.
int ReadField(std::string_view text, size_t& pos) {
    int value = -1;
    for (size_t n = 0; n < 2 && pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++n) {
        value = (value < 0 ? 0 : value * 10) + (text[pos++] - '0');
    }
    return value;
}

}  // namespace

Date Now() {
    if (FixedNow()) return *FixedNow();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const Date today = DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    if (HasClock()) return today + CurrentClock().secondsSinceMidnight() / kSecondsPerDay;
    return today + TimeSerial(local.tm_hour, local.tm_min, local.tm_sec);
}

void SetFixedNow(Date when) { FixedNow() = when; }

void ClearFixedNow() { FixedNow().reset(); }

Date DateSerial(int year, int month, int day) {
    const int carriedYears = FloorDiv(month - 1, 12);
    const int monthInYear = month - 1 - carriedYears * 12 + 1;
    const long first = DaysFromCivil(static_cast<long>(year) + carriedYears, monthInYear, 1);
    return static_cast<Date>(first - kDayZero + day - 1);
}

Date TimeSerial(int hour, int minute, int second) {
    return (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
}

Date TimeValue(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    if (first == std::string_view::npos) Raise(errTypeMismatch);
    const std::string_view t = text.substr(first, last - first + 1);
    int fields[3] = {0, 0, 0};
    size_t pos = 0;
    int count = 0;
    while (count < 3) {
        fields[count] = ReadField(t, pos);
        if (fields[count++] < 0) Raise(errTypeMismatch);
        if (pos == t.size() || t[pos] != ':') break;
        ++pos;
    }
    if (count < 2 || pos != t.size()) Raise(errTypeMismatch);
    if (fields[0] > 23 || fields[1] > 59 || fields[2] > 59) Raise(errTypeMismatch);
    return TimeSerial(fields[0], fields[1], fields[2]);
}

std::string FormatTime(Date when, std::string_view pattern) {
    const long second = SecondOfDay(when);
    std::string text;
    for (size_t i = 0; i < pattern.size();) {
        const char letter = Lower(pattern[i]);
        if (!(letter >= 'a' && letter <= 'z')) {
            text.push_back(pattern[i++]);
            continue;
        }
        long value = 0;
        if (letter == 'h')
            value = second / 3600;
        else if (letter == 'n')
            value = second / 60 % 60;
        else if (letter == 's')
            value = second % 60;
        else
            throw std::invalid_argument("FormatTime: pattern letter " + std::string(1, pattern[i]));
        const bool doubled = i + 1 < pattern.size() && Lower(pattern[i + 1]) == letter;
        text += doubled ? TwoDigits(value) : std::to_string(value);
        i += doubled ? 2 : 1;
    }
    return text;
}

std::string ShortDate(Date when) {
    const Civil c = CivilFromDays(static_cast<long>(std::trunc(when)) + kDayZero);
    return std::to_string(c.month) + "/" + std::to_string(c.day) + "/" + std::to_string(c.year);
}

}  // namespace vb
