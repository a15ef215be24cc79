#include "platform/media/short_path.h"

#include <cstring>

#include "platform/files/paths.h"

namespace win {

uint32_t GetShortPathNameA(const char* longPath, char* shortPath, uint32_t bufferLength) {
    if (!longPath || (!vb::FileExists(longPath) && !vb::DirExists(longPath))) return 0;
    const size_t length = std::strlen(longPath);
    if (!shortPath || length >= bufferLength) return static_cast<uint32_t>(length + 1);
    std::memmove(shortPath, longPath, length + 1);
    return static_cast<uint32_t>(length);
}

}  // namespace win
