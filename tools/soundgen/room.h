#pragma once
// A little room around the instruments: a bank of damped echoes (feedback combs smoothed by
// all-pass stages) added to the dry sound, so notes bloom and fade instead of stopping dead.

#include "tools/soundgen/mixer.h"

namespace soundgen {

struct Room {
    double feedback;  // 0.70 a small room .. 0.85 a hall
    double damping;   // 0 bright walls .. 1 soft walls
    double wet;       // level of the room against the dry sound
};

void AddRoom(Mono& sound, const Room& room);
// The two channels get slightly different echo times, which spreads the room.
void AddRoom(Stereo& sound, const Room& room);

}  // namespace soundgen
