#include "platform/media/playsound.h"

#include <algorithm>

#include "platform/files/user_store.h"
#include "platform/media/audio_backend.h"
#include "platform/media/call_record.h"
#include "platform/types/clock.h"

namespace media {
namespace {

CallRecord<SoundRequest> requests;

}  // namespace

std::vector<SoundRequest> TakeSoundRequests() { return requests.take(); }

}  // namespace media

namespace win {

int32_t PlaySoundA(const char* path, intptr_t /*module*/, uint32_t flags) {
    media::requests.add({path ? path : "", flags});
    if (!path) return 0;
    const auto length = media::CurrentAudioBackend().playEffect(vb::ReadablePath(path));
    if (!length) return 0;
    if ((flags & SND_ASYNC) == 0 && vb::HasClock()) Sleep(std::min(*length, kLongestSyncSoundMs));
    return 1;
}

}  // namespace win
