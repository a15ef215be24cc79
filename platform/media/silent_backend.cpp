#include "platform/media/silent_backend.h"

#include "platform/media/sound_length.h"
#include "platform/types/clock.h"

namespace media {

int64_t SilentBackend::Now() { return vb::HasClock() ? vb::CurrentClock().nowMs() : 0; }

std::optional<uint32_t> SilentBackend::playEffect(const std::string& file) {
    effect_.clear();
    const auto length = SoundFileLengthMs(file, true);
    if (!length) return std::nullopt;
    effect_ = file;
    effectEndsAt_ = Now() + *length;
    return length;
}

std::string SilentBackend::playingEffect() const {
    return Now() < effectEndsAt_ ? effect_ : std::string();
}

bool SilentBackend::openSong(const std::string& alias, const std::string& file) {
    const auto length = SoundFileLengthMs(file, false);
    if (!length) return false;
    songs_.insert_or_assign(alias, Song{SongClock(*length)});
    return true;
}

void SilentBackend::closeSong(const std::string& alias) { songs_.erase(alias); }
void SilentBackend::playSong(const std::string& alias) { song(alias).clock.play(Now()); }
void SilentBackend::pauseSong(const std::string& alias) { song(alias).clock.pause(Now()); }
void SilentBackend::stopSong(const std::string& alias) { song(alias).clock.stop(Now()); }
void SilentBackend::seekSong(const std::string& alias, uint32_t ms) { song(alias).clock.seek(ms); }

void SilentBackend::setSongVolume(const std::string& alias, uint32_t volume) {
    song(alias).volume = volume;
}

uint32_t SilentBackend::songPosition(const std::string& alias) {
    return song(alias).clock.position(Now());
}

uint32_t SilentBackend::songLength(const std::string& alias) { return song(alias).clock.length(); }
SongMode SilentBackend::songMode(const std::string& alias) { return song(alias).clock.mode(Now()); }
uint32_t SilentBackend::songVolume(const std::string& alias) { return song(alias).volume; }

}  // namespace media
