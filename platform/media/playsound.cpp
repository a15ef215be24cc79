#include "platform/media/playsound.h"

namespace media {
namespace {

WavePlayer* player = nullptr;
std::vector<SoundRequest> requests;

}  // namespace

void SetWavePlayer(WavePlayer* p) { player = p; }

std::vector<SoundRequest> TakeSoundRequests() {
    std::vector<SoundRequest> taken;
    taken.swap(requests);
    return taken;
}

}  // namespace media

namespace win {

int32_t PlaySoundA(const char* path, intptr_t /*module*/, uint32_t flags) {
    const std::string file = path ? path : "";
    media::requests.push_back({file, flags});
    if (!media::player || file.empty()) return 0;
    return media::player->play(file, (flags & SND_ASYNC) == 0) ? 1 : 0;
}

}  // namespace win
