#include "platform/audio_sdl/sound_library.h"

#include <cstdio>

#include "platform/media/silent_backend.h"
#include "platform/runtime/library_entry.h"

namespace media {

namespace {

using CreateBackend = AudioBackend* (*)();

// Loads the library and makes its backend; null, with the reason on stderr, when it fails.
std::unique_ptr<AudioBackend> LoadBackend(const std::string& path) {
    std::string why;
    const auto create =
        reinterpret_cast<CreateBackend>(vb::LibraryEntry(path, "TolvarinCreateAudioBackend", why));
    if (!create) {
        std::fprintf(stderr, "Tolvarin: no sound device (%s); playing silently\n", why.c_str());
        return nullptr;
    }
    return std::unique_ptr<AudioBackend>(create());
}

class SoundLibraryBackend : public AudioBackend {
public:
    explicit SoundLibraryBackend(std::string path) : path_(std::move(path)) {}

    std::optional<uint32_t> playEffect(const std::string& file) override {
        return device().playEffect(file);
    }
    bool openSong(const std::string& alias, const std::string& file) override {
        return device().openSong(alias, file);
    }
    void closeSong(const std::string& alias) override { device().closeSong(alias); }
    void playSong(const std::string& alias) override { device().playSong(alias); }
    void pauseSong(const std::string& alias) override { device().pauseSong(alias); }
    void stopSong(const std::string& alias) override { device().stopSong(alias); }
    void seekSong(const std::string& alias, uint32_t ms) override { device().seekSong(alias, ms); }
    void setSongVolume(const std::string& alias, uint32_t volume) override {
        device().setSongVolume(alias, volume);
    }
    uint32_t songPosition(const std::string& alias) override {
        return device().songPosition(alias);
    }
    uint32_t songLength(const std::string& alias) override { return device().songLength(alias); }
    SongMode songMode(const std::string& alias) override { return device().songMode(alias); }
    uint32_t songVolume(const std::string& alias) override { return device().songVolume(alias); }

private:
    AudioBackend& device() {
        if (!tried_) {
            tried_ = true;
            loaded_ = LoadBackend(path_);
        }
        if (loaded_) return *loaded_;
        return silent_;
    }

    std::string path_;
    bool tried_ = false;
    std::unique_ptr<AudioBackend> loaded_;
    SilentBackend silent_;
};

}  // namespace

std::unique_ptr<AudioBackend> CreateSoundLibraryBackend(std::string libraryPath) {
    return std::make_unique<SoundLibraryBackend>(std::move(libraryPath));
}

}  // namespace media
