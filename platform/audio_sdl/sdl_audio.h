#pragma once
/// @file
/// The sound device of the real program: an AudioBackend on SDL2_mixer.
///
/// The song "myMP3" streams as SDL_mixer's music; every other song (the "song" jingle) is
/// decoded whole into a chunk and plays on a channel of its own; effects play as chunks on
/// one channel, a new one cutting off the last. Positions, lengths and modes are those of
/// the silent backend on the host's clock, so they read the same with or without a device.
/// When no audio device can be opened, one line on stderr says so (what the libraries under
/// SDL would print while trying is held back) and everything stays silent.

#include <memory>

#include "platform/media/audio_backend.h"

namespace media {

/// Opens the audio device (SDL's audio subsystem and SDL_mixer) and returns the backend; the
/// device is closed when the backend is destroyed. One at a time.
std::unique_ptr<AudioBackend> CreateSdlAudioBackend();

}  // namespace media
