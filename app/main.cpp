// The program's start: the Qt window layer, the sound device, the mark that a copy is
// running, the HoverCommand library made known to this user, then Main; the program runs
// on until its last window closes.

#include "shell/main.h"

#include <filesystem>

#include "host/qt/application.h"
#include "host/qt/failure.h"
#include "host/qt/picture_icon.h"
#include "host/qt/qt_host.h"
#include "host/qt/session_bus.h"
#include "platform/audio_sdl/sound_library.h"
#include "platform/com/loader.h"
#include "platform/com/registration.h"
#include "platform/media/audio_backend.h"
#include "platform/runtime/app.h"
#include "platform/runtime/instance_lock.h"
#include "shell/resources.h"

namespace {

// Installs the sound device for the life of the program and takes it away before it closes.
// Its library, beside the program, is loaded with the first sound.
class SoundDevice {
public:
    SoundDevice()
        : backend_(media::CreateSoundLibraryBackend(
              (std::filesystem::path(vb::App().Path) / SOUND_LIBRARY_FILE).string())) {
        media::SetAudioBackend(backend_.get());
    }
    ~SoundDevice() { media::SetAudioBackend(nullptr); }
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

private:
    std::unique_ptr<media::AudioBackend> backend_;
};

// The dialogs make their buttons by ProgID. Kantrel lies beside the program, in a build
// folder as in an installed one; it registers itself for this user when the class is
// missing or its registered library is gone (a build folder removed).
void RegisterKantrelWhenMissing() {
    com::Guid clsid;
    if (com::SUCCEEDED(com::CLSIDFromProgID("Lumbrix1.HoverCommand", &clsid)) &&
        std::filesystem::exists(com::InprocServerOf(clsid)))
        return;
    com::RegisterServer((std::filesystem::path(vb::App().Path) / KANTREL_FILE).string());
}

}  // namespace

int main(int argc, char** argv) {
    // Qt's shared-memory upload to the X server makes each repaint of a spot it uploaded
    // before wait for a round trip to the server: the status bar's clock, repainted every
    // second, would wake the idle program three times a second instead of once. The windows
    // are small enough to upload plainly. A setting of the user's own stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    qthost::DeclareMissingSessionBus();
    qthost::Application application(argc, argv);
    qthost::QtHost host;
    // The program's sign on every window, its magenta surround left out.
    QApplication::setWindowIcon(qthost::PictureIcon(vb::LoadResPicture("appicon"), 0xFF00FF));
    const vb::InstanceLock running(vb::InstanceLockPath());
    vb::App().PrevInstance = running.HeldElsewhere();
    const SoundDevice sound;
    RegisterKantrelWhenMissing();
    qthost::Guarded([] { Module1::Main(); });
    return host.exec();
}
