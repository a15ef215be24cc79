#pragma once
/// @file
/// Text and number conversions of the language runtime the game was written for.

#include <cstdint>
#include <string>
#include <string_view>

namespace vb {

/// The number at the start of @p text: blanks, tabs and line feeds are dropped wherever they
/// stand ("1 2" reads 12), then an optional sign, digits, an optional decimal point with
/// digits and an optional exponent ("E" or "D" followed by digits) are read as far as they
/// form a number; "&H" and "&O" prefixes read hex and octal, a value that fits 16 bits as an
/// Integer and one that fits 32 bits as a Long ("&HFFFF" is -1). Returns 0 when the text
/// holds no leading number. Raises run-time error 6 (Overflow) for a number beyond a Double
/// or a hex or octal literal beyond 32 bits.
double Val(std::string_view text);

/// A 32-bit integer as text: digits, a leading "-" when negative, no blank.
std::string CStr(int32_t value);

/// A double's standard text: a whole number prints without a decimal point ("63", "-14"),
/// others with up to 15 significant digits and no leading blank ("0.5", "-2.25"), large and
/// small magnitudes in exponent form ("1E+20", "1E-07").
std::string CStr(double value);

/// Rounds to the nearest 32-bit integer, a half to the even neighbour. Raises run-time
/// error 6 (Overflow) outside the range of a Long.
int32_t CLng(double value);

/// Reads @p text as a number and rounds it as CLng(double). Blanks and tabs may stand around
/// the number but not inside it. Raises run-time error 13 (Type mismatch) when the text is
/// not a number, 6 (Overflow) when it is out of range.
int32_t CLng(std::string_view text);

/// Rounds to the nearest 16-bit integer, a half to the even neighbour. Raises run-time
/// error 6 (Overflow) outside the range of an Integer.
int16_t CInt(double value);

/// The largest whole number not above @p value.
double Int(double value);

}  // namespace vb
