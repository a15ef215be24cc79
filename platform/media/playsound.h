#pragma once
/// @file
/// PlaySoundA: plays a wave file asynchronously or synchronously. The sound is made by an
/// installable player; until one is installed every request is only recorded, which is
/// also what the tests read.

#include <cstdint>
#include <string>
#include <vector>

namespace win {

/// Flags of PlaySoundA.
enum : uint32_t { SND_SYNC = 0x0000, SND_ASYNC = 0x0001, SND_NODEFAULT = 0x0002,
                  SND_FILENAME = 0x20000 };

/// Plays the wave file @p path (with SND_FILENAME). Asynchronous requests return at once
/// and stop the effect playing before; synchronous ones return when the effect has played.
/// Returns nonzero when the request was handed to the player.
int32_t PlaySoundA(const char* path, intptr_t module, uint32_t flags);

}  // namespace win

namespace media {

/// One PlaySoundA request as it was made.
struct SoundRequest {
    std::string path;
    uint32_t flags;
};

/// What actually makes the sound.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    /// Starts @p path; when @p wait, returns after it has played. Returns false when the
    /// file cannot be played.
    virtual bool play(const std::string& path, bool wait) = 0;
};

/// Installs the player; nullptr leaves requests only recorded.
void SetWavePlayer(WavePlayer* player);

/// The requests made since the last call, oldest first; the record is emptied.
std::vector<SoundRequest> TakeSoundRequests();

}  // namespace media
