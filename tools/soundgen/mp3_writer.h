#pragma once
// Music files: MPEG-1 layer III, stereo, constant bit rate, encoded with LAME. The first
// frame carries LAME's "Info" tag (the exact length and the encoder's delay) and no sound.

#include <cstdint>
#include <vector>

#include "tools/soundgen/mixer.h"

namespace soundgen {

// Throws std::runtime_error when the encoder refuses the settings or the samples.
std::vector<uint8_t> Mp3Bytes(const Stereo& sound, int kbps);

}  // namespace soundgen
