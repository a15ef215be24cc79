#pragma once
// Effect files: RIFF wave, 16-bit PCM, one channel.

#include <cstdint>
#include <vector>

#include "tools/soundgen/mixer.h"

namespace soundgen {

// The whole file: the 44-byte header ("RIFF", "WAVE", a 16-byte "fmt " chunk, "data") and
// the samples, rounded to 16 bits and held within range.
std::vector<uint8_t> WaveBytes(const Mono& sound);

}  // namespace soundgen
