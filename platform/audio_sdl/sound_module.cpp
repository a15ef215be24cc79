// The entry of the sound library: the program loads it on its first sound (sound_library.h).

#include "platform/audio_sdl/sdl_audio.h"
#include "platform/audio_sdl/sound_library.h"

extern "C" media::AudioBackend* TolvarinCreateAudioBackend() {
    return media::CreateSdlAudioBackend().release();
}
