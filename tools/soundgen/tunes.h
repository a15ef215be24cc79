#pragma once
// The game's music: two background songs that take turns, the short intro heard after a game
// ends, and the two jingles of the top-scores window.

#include <span>
#include <string_view>

#include "tools/soundgen/mixer.h"
#include "tools/soundgen/sequencer.h"

namespace soundgen {

struct Music {
    std::string_view path;  // under the program folder
    double peak;            // level of the loudest sample: the songs stay in the background
    Tune (*compose)();
};

std::span<const Music> MusicFiles();

// The music as encoded: played and brought to its level.
Stereo Finished(const Music& music);

}  // namespace soundgen
