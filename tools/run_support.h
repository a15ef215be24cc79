#pragma once
// What the tools that run for a while share: their "-NAME=NUMBER" options and the
// repeatable random numbers their runs are made of.

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace tools {

// Whether @p arg is the option @p name ("-seconds="); if so, its number goes to @p value.
inline bool Option(const char* arg, const char* name, uint64_t& value) {
    const size_t length = std::strlen(name);
    if (std::strncmp(arg, name, length) != 0) return false;
    value = std::strtoull(arg + length, nullptr, 10);
    return true;
}

// A small, fast generator (splitmix64): the same seed gives the same run.
struct SplitMix64 {
    uint64_t state;
    uint64_t Next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
};

}  // namespace tools
