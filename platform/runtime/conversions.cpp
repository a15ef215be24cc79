#include "platform/runtime/conversions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/runtime/errors.h"

namespace vb {

namespace {

/// A number read from the start of a text: its value, how many characters it took, and
/// whether there was a number at all.
struct Scanned {
    double value = 0;
    size_t used = 0;
    bool found = false;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// "&HFFFF" is -1: a literal that fits 16 bits is an Integer, one that fits 32 bits a Long.
double SignedLiteral(uint64_t bits) {
    if (bits <= 0xFFFF) return static_cast<int16_t>(static_cast<uint16_t>(bits));
    return static_cast<int32_t>(static_cast<uint32_t>(bits));
}

Scanned ScanRadix(std::string_view s) {
    if (s.size() < 2) return {};
    const char kind = s[1];
    const int radix = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
    if (radix == 0) return {};
    uint64_t bits = 0;
    size_t i = 2;
    for (; i < s.size() && DigitValue(s[i]) < radix; ++i) {
        bits = bits * static_cast<uint64_t>(radix) + static_cast<uint64_t>(DigitValue(s[i]));
        if (bits > 0xFFFFFFFFu) Raise(errOverflow);
    }
    if (i == 2) return {};
    return {SignedLiteral(bits), i, true};
}

size_t SkipDigits(std::string_view s, size_t i) {
    while (i < s.size() && IsDigit(s[i])) ++i;
    return i;
}

// The decimal exponent of the first significant digit of "<intPart>.<fracPart>", so that a
// magnitude out of range can be told apart as too large (an overflow) or too small (zero).
long LeadingExponent(std::string_view intPart, std::string_view fracPart) {
    const size_t firstInt = intPart.find_first_not_of('0');
    if (firstInt != std::string_view::npos) return static_cast<long>(intPart.size() - firstInt) - 1;
    const size_t firstFrac = fracPart.find_first_not_of('0');
    if (firstFrac == std::string_view::npos) return 0;
    return -static_cast<long>(firstFrac) - 1;
}

constexpr long kHugeExponent = 1000000;

double ToDouble(std::string_view intPart, std::string_view fracPart, std::string_view exponent) {
    std::string text;
    text.append(intPart).append(".").append(fracPart);
    if (!exponent.empty()) text.append("e").append(exponent);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc::result_out_of_range) return value;
    long exp10 = 0;
    const auto read = std::from_chars(exponent.data(), exponent.data() + exponent.size(), exp10);
    if (read.ec == std::errc::result_out_of_range)
        exp10 = exponent[0] == '-' ? -kHugeExponent : kHugeExponent;
    if (LeadingExponent(intPart, fracPart) + exp10 > 0) Raise(errOverflow);
    return 0;
}

// Sign, digits, an optional point with digits, and an exponent ("E" or "D") when digits
// follow it: as far as they form a number.
Scanned ScanDecimal(std::string_view s) {
    size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    const size_t intStart = i;
    i = SkipDigits(s, i);
    const std::string_view intPart = s.substr(intStart, i - intStart);
    std::string_view fracPart;
    if (i < s.size() && s[i] == '.') {
        const size_t fracEnd = SkipDigits(s, i + 1);
        fracPart = s.substr(i + 1, fracEnd - i - 1);
        i = fracEnd;
    }
    if (intPart.empty() && fracPart.empty()) return {};
    std::string_view exponent;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        const size_t expStart = (j < s.size() && s[j] == '+') ? j + 1 : j;
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) ++j;
        const size_t expEnd = SkipDigits(s, j);
        if (expEnd > j) {
            exponent = s.substr(expStart, expEnd - expStart);
            i = expEnd;
        }
    }
    const double magnitude = ToDouble(intPart, fracPart, exponent);
    return {negative ? -magnitude : magnitude, i, true};
}

Scanned ScanNumber(std::string_view s) {
    if (!s.empty() && s[0] == '&') return ScanRadix(s);
    return ScanDecimal(s);
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest > 0.5) return down + 1;
    if (rest < 0.5) return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

template <typename T>
T RoundTo(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<T>::min() && rounded <= std::numeric_limits<T>::max())) {
        Raise(errOverflow);
    }
    return static_cast<T>(rounded);
}

}  // namespace

double Val(std::string_view text) {
    // Blanks anywhere are dropped before reading, so "1 2" reads as 12.
    std::string packed;
    for (char c : text) {
        if (!IsBlank(c)) packed.push_back(c);
    }
    return ScanNumber(packed).value;
}

std::string CStr(int32_t value) { return std::to_string(value); }

std::string CStr(double value) {
    if (value == 0) return "0";
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

int32_t CLng(double value) { return RoundTo<int32_t>(value); }

int32_t CLng(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) Raise(errTypeMismatch);
    const size_t last = text.find_last_not_of(" \t");
    const std::string_view number = text.substr(first, last - first + 1);
    const Scanned scanned = ScanNumber(number);
    if (!scanned.found || scanned.used != number.size()) Raise(errTypeMismatch);
    return CLng(scanned.value);
}

int16_t CInt(double value) { return RoundTo<int16_t>(value); }

double Int(double value) { return std::floor(value); }

}  // namespace vb
