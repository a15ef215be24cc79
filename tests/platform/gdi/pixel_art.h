#pragma once
// Pixels as text art for the drawing tests: one letter per colour, one line per row, so a
// failing comparison shows the whole picture.

#include <map>
#include <string>

#include "memory_dc.h"

namespace gdi_test {

/// Letters of the colours the tests draw with; any other colour shows as '?'.
inline std::string Art(const MemoryDC& m, int32_t width,
                       const std::map<win::COLORREF, char>& letters) {
    std::string out;
    int32_t x = 0;
    for (const win::COLORREF c : m.read()) {
        const auto it = letters.find(c);
        out += it == letters.end() ? '?' : it->second;
        if (++x == width) {
            out += '\n';
            x = 0;
        }
    }
    return out;
}

}  // namespace gdi_test
