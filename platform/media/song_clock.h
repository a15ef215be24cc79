#pragma once
/// @file
/// Where a song stands, told by a clock rather than by the sound device: the position moves
/// on with the time while the song plays and stops at its end.

#include <cstdint>

#include "platform/media/audio_backend.h"

namespace media {

/// One song's position and mode over time. Every call takes the time now in milliseconds
/// (the host's clock); times never go back.
class SongClock {
public:
    /// A song of @p lengthMs, stopped at its start.
    explicit SongClock(uint32_t lengthMs) : length_(lengthMs) {}

    uint32_t length() const { return length_; }
    /// The position at @p now: where it was put, plus the time played since, at most the
    /// length.
    uint32_t position(int64_t now) const;
    /// Playing until the position reaches the length, then stopped.
    SongMode mode(int64_t now) const;

    /// Plays on from the position (also from a pause).
    void play(int64_t now);
    /// Holds a playing song at its position; a song not playing is left alone.
    void pause(int64_t now);
    /// Stops the song at its position.
    void stop(int64_t now);
    /// Stops the song at @p ms, at most its length.
    void seek(uint32_t ms);

private:
    uint32_t length_;
    uint32_t from_ = 0;      // the position when the song last started or stood still
    int64_t startedAt_ = 0;  // when it last started playing
    SongMode state_ = SongMode::Stopped;
};

}  // namespace media
