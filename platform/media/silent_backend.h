#pragma once
/// @file
/// A sound device that makes no sound but keeps time: lengths come from the files, and
/// positions, modes and the effect playing follow the host's clock (the virtual clock in
/// tests). Without a host, time stands at 0.

#include <map>
#include <string>

#include "platform/media/audio_backend.h"
#include "platform/media/song_clock.h"

namespace media {

class SilentBackend : public AudioBackend {
public:
    /// Reads the wave file's length; the effect "plays" from now for that long.
    std::optional<uint32_t> playEffect(const std::string& file) override;
    /// Reads the length of a wave file from its header, of any other file from its MPEG
    /// audio frames.
    bool openSong(const std::string& alias, const std::string& file) override;
    void closeSong(const std::string& alias) override;
    void playSong(const std::string& alias) override;
    void pauseSong(const std::string& alias) override;
    void stopSong(const std::string& alias) override;
    void seekSong(const std::string& alias, uint32_t ms) override;
    void setSongVolume(const std::string& alias, uint32_t volume) override;
    uint32_t songPosition(const std::string& alias) override;
    uint32_t songLength(const std::string& alias) override;
    SongMode songMode(const std::string& alias) override;
    uint32_t songVolume(const std::string& alias) override;

    /// The file of the effect sounding now; empty when none is.
    std::string playingEffect() const;

private:
    struct Song {
        SongClock clock;
        uint32_t volume = 1000;
    };

    static int64_t Now();
    Song& song(const std::string& alias) { return songs_.at(alias); }

    std::map<std::string, Song> songs_;
    std::string effect_;
    int64_t effectEndsAt_ = 0;
};

}  // namespace media
