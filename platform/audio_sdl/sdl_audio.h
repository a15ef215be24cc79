#pragma once
/// @file
/// The sound device of the real program: an AudioBackend on SDL2_mixer.
///
/// The song "myMP3" streams as SDL_mixer's music; every other song (the "song" jingle) is
/// decoded whole into a chunk and plays on a channel of its own; effects play as chunks on
/// one channel, a new one cutting off the last. Positions, lengths and modes are those of
/// the silent backend on the host's clock, so they read the same with or without a device.
///
/// The device opens with the first sound asked for and closes again once nothing has
/// sounded for two seconds (a check the host runs later, see vb::Clock::runLater): a paused
/// or finished song does not keep it open. A song asked to play after that opens it again
/// and goes on where the clock says it stands. When no audio device can be opened, one line
/// on stderr says so and everything stays silent.

#include <memory>

#include "platform/media/audio_backend.h"

namespace media {

/// The backend, with its device still closed; destroying it closes the device. One at a
/// time.
std::unique_ptr<AudioBackend> CreateSdlAudioBackend();

}  // namespace media
