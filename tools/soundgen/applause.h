#pragma once
// A small crowd clapping: every clapper claps at a pace of their own, a little unevenly, with
// hands that ring at their own pitch; they join in over the first moments and stop one by
// one at the end.

#include <cstdint>

#include "tools/soundgen/mixer.h"

namespace soundgen {

Mono Applause(int clappers, double seconds, uint64_t seed);

}  // namespace soundgen
