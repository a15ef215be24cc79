#pragma once
/// @file
/// The sound device kept out of the program's start. The SDL backend (sdl_audio.h) lives in
/// a library of its own beside the program, so that SDL, SDL_mixer and the many libraries
/// they bring are loaded only when the program first asks for a sound, not while its window
/// is being drawn. Without that library, or when it cannot be loaded, one line on stderr
/// says so and the program plays silently.

#include <memory>
#include <string>

#include "platform/media/audio_backend.h"

/// The function the sound library exports: a new backend (see CreateSdlAudioBackend),
/// which the caller owns and deletes.
extern "C" media::AudioBackend* TolvarinCreateAudioBackend();

namespace media {

/// A backend that loads the sound library at @p libraryPath on its first call, makes the
/// library's backend and passes every call on to it; a silent backend stands in when the
/// library cannot be loaded. The library stays loaded for the life of the program.
std::unique_ptr<AudioBackend> CreateSoundLibraryBackend(std::string libraryPath);

}  // namespace media
