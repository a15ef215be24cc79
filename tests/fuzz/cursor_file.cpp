// The cursor-file reader on any bytes.
#include <cstdint>
#include <vector>

#include "platform/user32/cursors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)win::ParseCursorFile(std::vector<uint8_t>(data, data + size));
    return 0;
}
