#include "platform/media/song_clock.h"

#include <algorithm>

namespace media {

uint32_t SongClock::position(int64_t now) const {
    if (state_ != SongMode::Playing) return from_;
    const int64_t played = std::max<int64_t>(0, now - startedAt_);
    return static_cast<uint32_t>(std::min<int64_t>(length_, from_ + played));
}

SongMode SongClock::mode(int64_t now) const {
    if (state_ == SongMode::Playing && position(now) >= length_) return SongMode::Stopped;
    return state_;
}

void SongClock::play(int64_t now) {
    from_ = position(now);
    startedAt_ = now;
    state_ = SongMode::Playing;
}

void SongClock::pause(int64_t now) {
    if (mode(now) != SongMode::Playing) return;
    from_ = position(now);
    state_ = SongMode::Paused;
}

void SongClock::stop(int64_t now) {
    from_ = position(now);
    state_ = SongMode::Stopped;
}

void SongClock::seek(uint32_t ms) {
    from_ = std::min(ms, length_);
    state_ = SongMode::Stopped;
}

}  // namespace media
