#pragma once
// The game's sound effects: what each one is made of, and how loud it is.

#include <span>
#include <string_view>

#include "tools/soundgen/mixer.h"

namespace soundgen {

struct Effect {
    std::string_view name;  // the game plays TLWAVS/<name>.WAV
    double loudness;        // dBFS of its loudest moment, so the effects sit together
    Mono (*make)();
};

std::span<const Effect> Effects();

// The effect as written to its file: made, faded in and out so it neither starts nor stops
// with a click, and brought to its loudness (or less, where its peaks would come too near
// full scale).
Mono Finished(const Effect& effect);

}  // namespace soundgen
