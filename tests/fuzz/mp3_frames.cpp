// The MPEG audio length reader on any bytes.
#include <cstdint>
#include <span>

#include "platform/media/sound_length.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)media::Mp3LengthMs(std::span<const uint8_t>(data, size));
    return 0;
}
