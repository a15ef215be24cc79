#pragma once
/// @file
/// Dates and times as the runtime keeps them: a day count with the time of day as fraction.

#include <string>
#include <string_view>

namespace vb {

/// Days since 1899-12-30 (day 0); the fraction is the time of day (0.5 = noon). Dates
/// before day 0 are not used by the program and not supported here.
using Date = double;

/// Seconds in a day.
inline constexpr double kSecondsPerDay = 86400.0;

/// The current local date and time. The date comes from the system's clock; the time of
/// day from the host's clock when a host is installed (the headless host's virtual clock in
/// tests), else from the system's. SetFixedNow overrides both.
Date Now();

/// Makes Now() return @p when until ClearFixedNow() (tests).
void SetFixedNow(Date when);

/// Lets Now() follow the clocks again.
void ClearFixedNow();

/// The date of day @p day of month @p month of year @p year. A month outside 1..12 or a
/// day outside the month carries over into the neighbouring months and years
/// (DateSerial(2026, 13, 1) is 1 January 2027; day 0 is the last day of the month before).
Date DateSerial(int year, int month, int day);

/// The time of day @p hour : @p minute : @p second as a fraction of a day; values out of
/// range carry over (TimeSerial(0, 0, 60) equals TimeSerial(0, 1, 0)).
Date TimeSerial(int hour, int minute, int second);

/// Reads a time of day written "h:n" or "h:n:s" (24-hour, blanks around it allowed).
/// Raises run-time error 13 (Type mismatch) for any other text or an hour, minute or second
/// out of range.
Date TimeValue(std::string_view text);

/// The time of day of @p when, rounded to the second, after @p pattern: "h"/"hh" hour of
/// the 24-hour clock, "n"/"nn" minutes, "s"/"ss" seconds (the doubled forms with two
/// digits), letters in either case; other characters stand as they are. "Hh:Nn:Ss" gives
/// "00:05:09". Throws std::invalid_argument for any other letter in the pattern.
std::string FormatTime(Date when, std::string_view pattern);

/// The date of @p when as the short date text of the runtime's default locale, "m/d/yyyy"
/// without leading zeros ("12/9/2026" for 9 December 2026).
std::string ShortDate(Date when);

}  // namespace vb
