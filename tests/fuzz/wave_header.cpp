// The wave-file length reader on any bytes: a length is never longer than its data allow.
#include <cstdint>
#include <span>

#include "platform/media/sound_length.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)media::WaveLengthMs(std::span<const uint8_t>(data, size));
    return 0;
}
