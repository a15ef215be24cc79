#include "platform/media/audio_backend.h"

#include "platform/media/mci.h"
#include "platform/media/silent_backend.h"

namespace media {

namespace {

AudioBackend* installed = nullptr;

AudioBackend& Silent() {
    static SilentBackend silent;
    return silent;
}

}  // namespace

void SetAudioBackend(AudioBackend* backend) {
    CloseAllDevices();
    installed = backend;
}

AudioBackend& CurrentAudioBackend() { return installed ? *installed : Silent(); }

}  // namespace media
