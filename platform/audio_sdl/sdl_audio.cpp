#include "platform/audio_sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <map>

#include "platform/audio_sdl/sdl_device.h"
#include "platform/media/mci_words.h"
#include "platform/media/silent_backend.h"
#include "platform/types/clock.h"

namespace media {

namespace {

constexpr const char* kStreamedAlias = "myMP3";
// The device stays open this long after the last sound has ended: it has played out what it
// still held by then, and a game's sounds come often enough not to reopen it for each.
constexpr int64_t kLingerMs = 2000;

int MixVolume(uint32_t volume) { return static_cast<int>(volume * MIX_MAX_VOLUME / 1000); }

int64_t Now() { return vb::HasClock() ? vb::CurrentClock().nowMs() : 0; }

class SdlAudioBackend : public AudioBackend {
public:
    SdlAudioBackend() = default;
    ~SdlAudioBackend() override { closeDevice(); }
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
    // What sounds for one open song. The mixer's objects exist only while the device is
    // open; the song is loaded from its file again when it plays after a closing.
    struct Output {
        std::string file;
        Mix_Music* music = nullptr;  // the streamed song
        Mix_Chunk* whole = nullptr;  // any other song, decoded
        Mix_Chunk* rest = nullptr;   // the part of `whole` from where it last started
        int channel = -1;
        int64_t endsAt = 0;  // when it stops sounding, as things stand
        bool loaded() const { return music || whole; }
    };

    Output* output(const std::string& alias);
    bool load(const std::string& alias, Output& out) const;
    void start(const std::string& alias, Output& out);
    static void halt(Output& out);
    static void release(Output& out);
    static void setPaused(const Output& out, bool paused);

    void noteEnd(const std::string& alias);
    int64_t quietFrom() const;
    void closeWhenQuiet();
    void closeDevice();

    SdlDevice device_;
    SilentBackend clock_;                    // positions, lengths, modes and volumes
    std::map<std::string, Output> outputs_;  // the songs open
    Mix_Chunk* effect_ = nullptr;
    int64_t effectEndsAt_ = 0;
    int64_t closedSongsEndAt_ = 0;
    int64_t checkAt_ = -1;  // when the earliest check for quiet is due; -1 when none is
    std::shared_ptr<int> alive_ = std::make_shared<int>();  // tells pending checks it is gone
};

std::optional<uint32_t> SdlAudioBackend::playEffect(const std::string& file) {
    const auto length = clock_.playEffect(file);
    if (effect_) {
        Mix_HaltChannel(kSdlEffectChannel);
        Mix_FreeChunk(effect_);
        effect_ = nullptr;
    }
    if (!length || !device_.open()) return length;
    effect_ = Mix_LoadWAV(file.c_str());
    if (effect_) Mix_PlayChannel(kSdlEffectChannel, effect_, 0);
    effectEndsAt_ = Now() + *length;
    closeWhenQuiet();
    return length;
}

bool SdlAudioBackend::openSong(const std::string& alias, const std::string& file) {
    if (!clock_.openSong(alias, file)) return false;
    if (Output* old = output(alias)) release(*old);
    Output out{file};
    if (device_.open() && !load(alias, out)) {
        release(out);
        outputs_.erase(alias);
        clock_.closeSong(alias);
        return false;
    }
    outputs_[alias] = out;
    closeWhenQuiet();
    return true;
}

bool SdlAudioBackend::load(const std::string& alias, Output& out) const {
    if (SameWord(alias, kStreamedAlias)) {
        out.music = Mix_LoadMUS(out.file.c_str());
        return out.music != nullptr;
    }
    for (int channel = kSdlEffectChannel + 1; channel < kSdlChannels && out.channel < 0;
         ++channel) {
        if (std::none_of(outputs_.begin(), outputs_.end(), [&](const auto& entry) {
                return entry.first != alias && entry.second.channel == channel;
            })) {
            out.channel = channel;
        }
    }
    out.whole = out.channel < 0 ? nullptr : Mix_LoadWAV(out.file.c_str());
    return out.whole != nullptr;
}

void SdlAudioBackend::closeSong(const std::string& alias) {
    if (Output* out = output(alias)) {
        release(*out);
        closedSongsEndAt_ = std::max(closedSongsEndAt_, std::min(out->endsAt, Now()));
        outputs_.erase(alias);
    }
    clock_.closeSong(alias);
    closeWhenQuiet();
}

// A song paused while the device was closed starts afresh where the clock says it stands.
void SdlAudioBackend::playSong(const std::string& alias) {
    const SongMode before = clock_.songMode(alias);
    clock_.playSong(alias);
    Output* out = output(alias);
    if (!out || before == SongMode::Playing || clock_.songMode(alias) != SongMode::Playing) return;
    const bool wasLoaded = out->loaded();
    if (!device_.open() || (!wasLoaded && !load(alias, *out))) return;
    if (before == SongMode::Paused && wasLoaded) {
        setPaused(*out, false);
    } else {
        start(alias, *out);
    }
    noteEnd(alias);
    closeWhenQuiet();
}

void SdlAudioBackend::pauseSong(const std::string& alias) {
    const bool playing = clock_.songMode(alias) == SongMode::Playing;
    clock_.pauseSong(alias);
    Output* out = output(alias);
    if (out && out->loaded() && playing) setPaused(*out, true);
    noteEnd(alias);
    closeWhenQuiet();
}

void SdlAudioBackend::stopSong(const std::string& alias) {
    clock_.stopSong(alias);
    if (Output* out = output(alias)) halt(*out);
    noteEnd(alias);
    closeWhenQuiet();
}

void SdlAudioBackend::seekSong(const std::string& alias, uint32_t ms) {
    clock_.seekSong(alias, ms);
    if (Output* out = output(alias)) halt(*out);
    noteEnd(alias);
    closeWhenQuiet();
}

void SdlAudioBackend::setSongVolume(const std::string& alias, uint32_t volume) {
    clock_.setSongVolume(alias, volume);
    const Output* out = output(alias);
    if (!out || !out->loaded()) return;
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

// The song stays open: only what the mixer held for it goes.
void SdlAudioBackend::release(Output& out) {
    halt(out);
    Mix_FreeMusic(out.music);
    Mix_FreeChunk(out.whole);
    out = Output{out.file};
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

// A song sounds until its end while it plays; one stopped or paused now sounded until now,
// or until its end when that came first.
void SdlAudioBackend::noteEnd(const std::string& alias) {
    Output* out = output(alias);
    if (!out) return;
    const int64_t now = Now();
    out->endsAt = clock_.songMode(alias) == SongMode::Playing
                      ? now + clock_.songLength(alias) - clock_.songPosition(alias)
                      : std::min(out->endsAt, now);
}

// When the last sound ends, as things stand.
int64_t SdlAudioBackend::quietFrom() const {
    int64_t quiet = std::max(effectEndsAt_, closedSongsEndAt_);
    for (const auto& entry : outputs_) quiet = std::max(quiet, entry.second.endsAt);
    return quiet;
}

// Closes the device once nothing has sounded for a while: a check falls due then, and one
// that finds something sounding again sets the next. A check due earlier than the one
// pending is added (a song closed early); a later one waits for the pending one.
void SdlAudioBackend::closeWhenQuiet() {
    if (!device_.isOpen() || !vb::HasClock()) return;
    const int64_t due = quietFrom() + kLingerMs;
    if (checkAt_ >= 0 && checkAt_ <= due) return;
    checkAt_ = due;
    const std::weak_ptr<int> alive = alive_;
    const int64_t wait = std::max<int64_t>(due - Now(), 0);
    vb::CurrentClock().runLater(static_cast<uint32_t>(wait), [this, alive, due] {
        if (alive.expired()) return;
        if (checkAt_ == due) checkAt_ = -1;
        if (quietFrom() + kLingerMs <= Now()) {
            closeDevice();
        } else {
            closeWhenQuiet();
        }
    });
}

void SdlAudioBackend::closeDevice() {
    for (auto& entry : outputs_) release(entry.second);
    if (effect_) {
        Mix_HaltChannel(kSdlEffectChannel);
        Mix_FreeChunk(effect_);
        effect_ = nullptr;
    }
    device_.close();
}

}  // namespace

std::unique_ptr<AudioBackend> CreateSdlAudioBackend() {
    return std::make_unique<SdlAudioBackend>();
}

}  // namespace media
