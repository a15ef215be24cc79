#include "platform/media/playsound.h"

#include "platform/files/user_store.h"
#include "platform/forms/host.h"
#include "platform/media/audio_backend.h"

namespace media {
namespace {

std::vector<SoundRequest> requests;

}  // namespace

std::vector<SoundRequest> TakeSoundRequests() {
    std::vector<SoundRequest> taken;
    taken.swap(requests);
    return taken;
}

}  // namespace media

namespace win {

int32_t PlaySoundA(const char* path, intptr_t /*module*/, uint32_t flags) {
    media::requests.push_back({path ? path : "", flags});
    if (!path) return 0;
    const auto length = media::CurrentAudioBackend().playEffect(vb::ReadablePath(path));
    if (!length) return 0;
    if ((flags & SND_ASYNC) == 0 && vb::HasHost()) Sleep(*length);
    return 1;
}

}  // namespace win
