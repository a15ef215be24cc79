#include "shell/sound.h"

#include "platform/media/playsound.h"
#include "platform/runtime/app.h"

namespace Module1 {

std::string WavePath(const std::string& name) {
    return vb::App().Path + "\\TLWAVS\\" + name + ".WAV";
}

// A missing or unplayable file is silent: the result is not looked at.
void PlayWave(const std::string& name) {
    win::PlaySoundA(WavePath(name).c_str(), 0, win::SND_FILENAME | win::SND_ASYNC);
}

void PlayWaveSync(const std::string& name) {
    win::PlaySoundA(WavePath(name).c_str(), 0, win::SND_FILENAME);
}

}  // namespace Module1
