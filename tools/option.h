#pragma once
// A command-line option of the tools that run for a while: "-NAME=NUMBER".

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

}  // namespace tools
