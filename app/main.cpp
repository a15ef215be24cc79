// The program's start: the Qt window layer, the sound device, the mark that a copy is
// running, then Main; the program runs on until its last window closes.

#include "shell/main.h"

#include <QApplication>

#include "host/qt/qt_host.h"
#include "platform/audio_sdl/sdl_audio.h"
#include "platform/media/audio_backend.h"
#include "platform/runtime/app.h"
#include "platform/runtime/instance_lock.h"

namespace {

// Installs the sound device for the life of the program and takes it away before it closes.
class SoundDevice {
public:
    SoundDevice() : backend_(media::CreateSdlAudioBackend()) { media::SetAudioBackend(backend_.get()); }
    ~SoundDevice() { media::SetAudioBackend(nullptr); }
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

private:
    std::unique_ptr<media::AudioBackend> backend_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    qthost::QtHost host;
    const vb::InstanceLock running(vb::InstanceLockPath());
    vb::App().PrevInstance = running.HeldElsewhere();
    const SoundDevice sound;
    Module1::Main();
    return host.exec();
}
