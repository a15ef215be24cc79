#pragma once
/// @file
/// What makes the program's sounds: effects (wave files, one at a time) and songs (files
/// opened under an alias, played, paused, stopped and sought by position). PlaySoundA and
/// mciSendStringA are written over this interface; the silent backend answers for the
/// tests, the SDL backend plays on the sound device.

#include <cstdint>
#include <optional>
#include <string>

namespace media {

/// What a song is doing now. A song that has played to its end is stopped.
enum class SongMode { Stopped, Playing, Paused };

/// A sound device. Every call comes from the user-interface thread. Files are native paths.
/// Songs are named by the alias they were opened under; the media layer calls the song
/// functions only for aliases it has opened here and not closed yet.
class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    /// Stops the effect playing and starts the wave file @p file. Returns the effect's
    /// length in milliseconds, or nothing when the file cannot be played (then nothing
    /// sounds).
    virtual std::optional<uint32_t> playEffect(const std::string& file) = 0;

    /// Opens @p file as the song @p alias, stopped at its start, at volume 1000. Returns
    /// false when the file cannot be played.
    virtual bool openSong(const std::string& alias, const std::string& file) = 0;
    /// Stops the song and forgets it.
    virtual void closeSong(const std::string& alias) = 0;
    /// Plays the song on from its position (also from a pause). A song at its end stays
    /// stopped there.
    virtual void playSong(const std::string& alias) = 0;
    /// Pauses a playing song where it is; other songs are left as they are.
    virtual void pauseSong(const std::string& alias) = 0;
    /// Stops the song where it is.
    virtual void stopSong(const std::string& alias) = 0;
    /// Stops the song and puts its position at @p ms (at most its length).
    virtual void seekSong(const std::string& alias, uint32_t ms) = 0;
    /// Sets the song's volume, 0 (silent) to 1000 (full).
    virtual void setSongVolume(const std::string& alias, uint32_t volume) = 0;

    /// The song's position in milliseconds from its start.
    virtual uint32_t songPosition(const std::string& alias) = 0;
    /// The song's length in milliseconds.
    virtual uint32_t songLength(const std::string& alias) = 0;
    virtual SongMode songMode(const std::string& alias) = 0;
    virtual uint32_t songVolume(const std::string& alias) = 0;
};

/// Installs the backend that PlaySoundA and mciSendStringA use; nullptr puts the silent
/// backend back. Every song open on the backend in use is closed first. The caller keeps
/// ownership and uninstalls the backend before destroying it.
void SetAudioBackend(AudioBackend* backend);

/// The backend in use: the installed one, else a silent backend on the host's clock.
AudioBackend& CurrentAudioBackend();

}  // namespace media
