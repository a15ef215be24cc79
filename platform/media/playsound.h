#pragma once
/// @file
/// PlaySoundA: plays a wave file asynchronously or synchronously on the audio backend in
/// use (see audio_backend.h). Every request is also recorded, for the tests to read.

#include <cstdint>
#include <string>
#include <vector>

namespace win {

/// Flags of PlaySoundA.
enum : uint32_t {
    SND_SYNC = 0x0000,
    SND_ASYNC = 0x0001,
    SND_NODEFAULT = 0x0002,
    SND_FILENAME = 0x20000
};

/// The longest a synchronous sound holds the window: the game's effects last a second or
/// two, and a file that claims hours must not freeze the program.
inline constexpr uint32_t kLongestSyncSoundMs = 10000;

/// Plays the wave file @p path (the game's path, see vb::NativePath); @p module is not
/// read. Any new request stops the effect playing. With SND_ASYNC the call returns at
/// once; without it, it blocks like win::Sleep for the effect's length, but never longer
/// than kLongestSyncSoundMs (with no host installed it returns at once). Returns 1 when the effect
/// plays, 0 when @p path is null or the file is missing or cannot be played: then nothing sounds
/// (no default sound).
int32_t PlaySoundA(const char* path, intptr_t module, uint32_t flags);

}  // namespace win

namespace media {

/// One PlaySoundA request as it was made.
struct SoundRequest {
    std::string path;
    uint32_t flags;
};

/// The requests made since the last call (at most the last 4096), oldest first; the record
/// is emptied. A null path is recorded as an empty one.
std::vector<SoundRequest> TakeSoundRequests();

}  // namespace media
