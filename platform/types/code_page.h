#pragma once
/// @file
/// The Windows Western code page (Windows-1252), in which the program's byte texts and
/// rich-text documents are written: Latin-1, with typographic marks in 0x80 to 0x9F.

#include <array>
#include <cstdint>

namespace vb {

/// The Unicode character of Windows-1252 byte @p byte; 0 for the five bytes in 0x80 to 0x9F
/// that stand for none.
constexpr char32_t Cp1252Character(unsigned char byte) {
    constexpr std::array<char32_t, 32> kHigh = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80u] : char32_t{byte};
}

}  // namespace vb
