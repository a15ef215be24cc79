#pragma once
// Dice thrown onto a wooden table. Each die drops, bounces a few times and tumbles to rest;
// every hit is a short click that rings the die's own resonances and knocks the table board.
// Dice also strike one another while they tumble.

#include <cstdint>

#include "tools/soundgen/mixer.h"

namespace soundgen {

// @p dice dice thrown together, the whole sound lasting @p seconds; @p seed picks the throw.
Mono DiceRoll(int dice, double seconds, uint64_t seed);

}  // namespace soundgen
