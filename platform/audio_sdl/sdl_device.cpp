#include "platform/audio_sdl/sdl_device.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <thread>

namespace media {

namespace {

constexpr int kFrequency = 44100;
// 23 ms a buffer. Closing the device waits while SDL plays out two buffers, and the device
// closes whenever the program falls quiet: the wait stays short with short buffers.
constexpr int kBufferFrames = 1024;

// The closing of the device in progress, if any. SDL's audio is one for the process.
std::thread& Closing() {
    static std::thread closing;
    return closing;
}

// While the device is being opened, stderr goes nowhere: without a sound card the libraries
// under SDL (ALSA's above all) print a page of complaints, and the player is to see only our
// one line.
class StderrMuted {
public:
    StderrMuted() : saved_(::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0)) {
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        std::fflush(stderr);
        if (saved_ >= 0 && nowhere >= 0) ::dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0) ::close(nowhere);
    }
    ~StderrMuted() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    StderrMuted(const StderrMuted&) = delete;
    StderrMuted& operator=(const StderrMuted&) = delete;

private:
    int saved_;
};

}  // namespace

SdlDevice::~SdlDevice() {
    close();
    AwaitSdlAudioClosed();
}

bool SdlDevice::open() {
    if (open_ || missing_) return open_;
    AwaitSdlAudioClosed();
    bool started = false;
    {
        const StderrMuted muted;
        // The program ends on its own terms: SDL must not take over SIGINT and SIGTERM.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        started = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        open_ = started && Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, 2, kBufferFrames) == 0;
    }
    if (!open_) {
        std::fprintf(stderr, "Tolvarin: no sound device (%s); playing silently\n", SDL_GetError());
        if (started) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        missing_ = true;
        return false;
    }
    Mix_Init(MIX_INIT_MP3);
    Mix_AllocateChannels(kSdlChannels);
    Mix_ReserveChannels(kSdlChannels);
    return true;
}

// The halted channels leave silence in SDL's buffers: nothing is cut off audibly while
// they play out.
void SdlDevice::close() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    open_ = false;
    AwaitSdlAudioClosed();
    Closing() = std::thread([] {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    });
}

void AwaitSdlAudioClosed() {
    if (Closing().joinable()) Closing().join();
}

}  // namespace media
