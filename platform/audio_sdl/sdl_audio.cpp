#include "platform/audio_sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "platform/media/mci_words.h"
#include "platform/media/silent_backend.h"

namespace media {

namespace {

constexpr int kChannels = 8;  // channel 0 plays the effects, the others songs held as chunks
constexpr int kEffectChannel = 0;
constexpr const char* kStreamedAlias = "myMP3";
constexpr int kFrequency = 44100;
constexpr int kBufferFrames = 2048;

int MixVolume(uint32_t volume) { return static_cast<int>(volume * MIX_MAX_VOLUME / 1000); }

// While the device is being opened, stderr goes nowhere: without a sound card the libraries
// under SDL (ALSA's above all) print a page of complaints, and the player is to see only our
// one line. It happens once, at start-up, before the program has anything of its own to say.
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

// Opens SDL's audio and SDL_mixer's device; @p sdlStarted tells whether SDL's audio part is up.
bool OpenDevice(bool& sdlStarted) {
    const StderrMuted muted;
    // The program ends on its own terms: SDL must not take over SIGINT and SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdlStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return sdlStarted && Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, 2, kBufferFrames) == 0;
}

class SdlAudioBackend : public AudioBackend {
public:
    SdlAudioBackend();
    ~SdlAudioBackend() override;
    SdlAudioBackend(const SdlAudioBackend&) = delete;
    SdlAudioBackend& operator=(const SdlAudioBackend&) = delete;

    std::optional<uint32_t> playEffect(const std::string& file) override;
    bool openSong(const std::string& alias, const std::string& file) override;
    void closeSong(const std::string& alias) override;
    void playSong(const std::string& alias) override;
    void pauseSong(const std::string& alias) override;
    void stopSong(const std::string& alias) override;
    void seekSong(const std::string& alias, uint32_t ms) override;
    void setSongVolume(const std::string& alias, uint32_t volume) override;
    uint32_t songPosition(const std::string& alias) override { return clock_.songPosition(alias); }
    uint32_t songLength(const std::string& alias) override { return clock_.songLength(alias); }
    SongMode songMode(const std::string& alias) override { return clock_.songMode(alias); }
    uint32_t songVolume(const std::string& alias) override { return clock_.songVolume(alias); }

private:
    // What sounds for one open song.
    struct Output {
        Mix_Music* music = nullptr;  // the streamed song
        Mix_Chunk* whole = nullptr;  // any other song, decoded
        Mix_Chunk* rest = nullptr;   // the part of `whole` from where it last started
        int channel = -1;
    };

    Output* output(const std::string& alias);
    bool load(const std::string& alias, const std::string& file, Output& out) const;
    void start(const std::string& alias, Output& out);
    static void halt(Output& out);
    static void release(Output& out);
    static void setPaused(const Output& out, bool paused);

    SilentBackend clock_;                    // positions, lengths, modes and volumes
    std::map<std::string, Output> outputs_;  // the songs open, while the device is
    Mix_Chunk* effect_ = nullptr;
    bool sdlStarted_ = false;
    bool device_ = false;
};

SdlAudioBackend::SdlAudioBackend() {
    if (!OpenDevice(sdlStarted_)) {
        std::fprintf(stderr, "Tolvarin: no sound device (%s); playing silently\n", SDL_GetError());
        return;
    }
    Mix_Init(MIX_INIT_MP3);
    Mix_AllocateChannels(kChannels);
    Mix_ReserveChannels(kChannels);
    device_ = true;
}

SdlAudioBackend::~SdlAudioBackend() {
    if (device_) {
        for (auto& entry : outputs_) release(entry.second);
        Mix_HaltChannel(-1);
        Mix_FreeChunk(effect_);
        Mix_CloseAudio();
        Mix_Quit();
    }
    if (sdlStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::optional<uint32_t> SdlAudioBackend::playEffect(const std::string& file) {
    const auto length = clock_.playEffect(file);
    if (!device_) return length;
    Mix_HaltChannel(kEffectChannel);
    Mix_FreeChunk(effect_);
    effect_ = length ? Mix_LoadWAV(file.c_str()) : nullptr;
    if (effect_) Mix_PlayChannel(kEffectChannel, effect_, 0);
    return length;
}

bool SdlAudioBackend::openSong(const std::string& alias, const std::string& file) {
    if (!clock_.openSong(alias, file)) return false;
    if (!device_) return true;
    Output out;
    if (!load(alias, file, out)) {
        release(out);
        clock_.closeSong(alias);
        return false;
    }
    outputs_[alias] = out;
    return true;
}

bool SdlAudioBackend::load(const std::string& alias, const std::string& file, Output& out) const {
    if (SameWord(alias, kStreamedAlias)) {
        out.music = Mix_LoadMUS(file.c_str());
        return out.music != nullptr;
    }
    for (int channel = kEffectChannel + 1; channel < kChannels && out.channel < 0; ++channel) {
        if (std::none_of(outputs_.begin(), outputs_.end(),
                         [&](const auto& entry) { return entry.second.channel == channel; })) {
            out.channel = channel;
        }
    }
    out.whole = out.channel < 0 ? nullptr : Mix_LoadWAV(file.c_str());
    return out.whole != nullptr;
}

void SdlAudioBackend::closeSong(const std::string& alias) {
    if (Output* out = output(alias)) {
        release(*out);
        outputs_.erase(alias);
    }
    clock_.closeSong(alias);
}

void SdlAudioBackend::playSong(const std::string& alias) {
    const SongMode before = clock_.songMode(alias);
    clock_.playSong(alias);
    Output* out = output(alias);
    if (!out || before == SongMode::Playing || clock_.songMode(alias) != SongMode::Playing) return;
    if (before == SongMode::Paused) {
        setPaused(*out, false);
    } else {
        start(alias, *out);
    }
}

void SdlAudioBackend::pauseSong(const std::string& alias) {
    const bool playing = clock_.songMode(alias) == SongMode::Playing;
    clock_.pauseSong(alias);
    Output* out = output(alias);
    if (out && playing) setPaused(*out, true);
}

void SdlAudioBackend::stopSong(const std::string& alias) {
    clock_.stopSong(alias);
    if (Output* out = output(alias)) halt(*out);
}

void SdlAudioBackend::seekSong(const std::string& alias, uint32_t ms) {
    clock_.seekSong(alias, ms);
    if (Output* out = output(alias)) halt(*out);
}

void SdlAudioBackend::setSongVolume(const std::string& alias, uint32_t volume) {
    clock_.setSongVolume(alias, volume);
    const Output* out = output(alias);
    if (!out) return;
    if (out->music) {
        Mix_VolumeMusic(MixVolume(volume));
    } else {
        Mix_Volume(out->channel, MixVolume(volume));
    }
}

SdlAudioBackend::Output* SdlAudioBackend::output(const std::string& alias) {
    const auto found = outputs_.find(alias);
    return found == outputs_.end() ? nullptr : &found->second;
}

// Starts the song where the clock says it stands: music is sought there, a chunk is played
// from the matching byte on.
void SdlAudioBackend::start(const std::string& alias, Output& out) {
    halt(out);
    const uint32_t position = clock_.songPosition(alias);
    const int volume = MixVolume(clock_.songVolume(alias));
    if (out.music) {
        Mix_VolumeMusic(volume);
        Mix_FadeInMusicPos(out.music, 0, 0, position / 1000.0);
        return;
    }
    int frequency = 0;
    int channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    const uint64_t frameBytes = SDL_AUDIO_BITSIZE(format) / 8u * static_cast<uint64_t>(channels);
    const uint64_t offset =
        uint64_t{position} * static_cast<uint64_t>(frequency) / 1000 * frameBytes;
    if (offset >= out.whole->alen) return;
    out.rest =
        Mix_QuickLoad_RAW(out.whole->abuf + offset, out.whole->alen - static_cast<Uint32>(offset));
    if (!out.rest) return;
    Mix_Volume(out.channel, volume);
    Mix_PlayChannel(out.channel, out.rest, 0);
}

void SdlAudioBackend::halt(Output& out) {
    if (out.music) Mix_HaltMusic();
    if (out.rest) {
        Mix_HaltChannel(out.channel);
        Mix_FreeChunk(out.rest);
        out.rest = nullptr;
    }
}

void SdlAudioBackend::release(Output& out) {
    halt(out);
    Mix_FreeMusic(out.music);
    Mix_FreeChunk(out.whole);
    out = Output();
}

void SdlAudioBackend::setPaused(const Output& out, bool paused) {
    if (out.music && paused) {
        Mix_PauseMusic();
    } else if (out.music) {
        Mix_ResumeMusic();
    } else if (paused) {
        Mix_Pause(out.channel);
    } else {
        Mix_Resume(out.channel);
    }
}

}  // namespace

std::unique_ptr<AudioBackend> CreateSdlAudioBackend() {
    return std::make_unique<SdlAudioBackend>();
}

}  // namespace media
