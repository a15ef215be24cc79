#include <algorithm>

#include "platform/files/paths.h"
#include "platform/files/user_store.h"
#include "platform/media/audio_backend.h"
#include "platform/media/mci.h"
#include "platform/media/mci_devices.h"
#include "platform/media/mci_words.h"

namespace media {

namespace {

struct OpenArgs {
    std::string file;
    std::string type;
    std::string alias;
};

// The device types, by name, each with the extension that chooses it when none is named.
struct DeviceType {
    const char* name;
    const char* extension;
};
constexpr DeviceType kDeviceTypes[] = {{"mpegvideo", "mp3"}, {"waveaudio", "wav"}};

// The file, then "type" and "alias" each followed by its value, in any order.
uint32_t ReadOpenArgs(std::span<const std::string> args, OpenArgs& out) {
    if (args.empty()) return win::MCIERR_MISSING_DEVICE_NAME;
    out.file = args[0];
    for (size_t i = 1; i < args.size(); i += 2) {
        std::string* value = SameWord(args[i], "type")    ? &out.type
                             : SameWord(args[i], "alias") ? &out.alias
                                                          : nullptr;
        if (!value) return win::MCIERR_UNRECOGNIZED_KEYWORD;
        if (i + 1 == args.size()) return win::MCIERR_MISSING_STRING_ARGUMENT;
        *value = args[i + 1];
    }
    return 0;
}

std::string_view Extension(std::string_view file) {
    const size_t dot = file.rfind('.');
    const size_t slash = file.find_last_of("\\/");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && slash > dot)) {
        return {};
    }
    return file.substr(dot + 1);
}

uint32_t CheckDeviceType(const OpenArgs& a) {
    const bool named = !a.type.empty();
    const bool known =
        std::any_of(std::begin(kDeviceTypes), std::end(kDeviceTypes), [&](const DeviceType& t) {
            return named ? SameWord(a.type, t.name) : SameWord(Extension(a.file), t.extension);
        });
    if (known) return 0;
    return named ? win::MCIERR_INVALID_DEVICE_NAME : win::MCIERR_EXTENSION_NOT_FOUND;
}

uint32_t LowestFreeId() {
    uint32_t id = 1;
    const auto& devices = MciDevices();
    while (std::any_of(devices.begin(), devices.end(),
                       [&](const MciDevice& d) { return d.id == id; })) {
        ++id;
    }
    return id;
}

}  // namespace

uint32_t MciOpen(std::span<const std::string> args, std::string& reply) {
    OpenArgs a;
    if (const uint32_t error = ReadOpenArgs(args, a)) return error;
    const std::string name = a.alias.empty() ? a.file : a.alias;
    if (FindMciDevice(name)) {
        return a.alias.empty() ? win::MCIERR_DEVICE_OPEN : win::MCIERR_DUPLICATE_ALIAS;
    }
    if (const uint32_t error = CheckDeviceType(a)) return error;
    if (!vb::FileExists(a.file)) return win::MCIERR_FILE_NOT_FOUND;
    if (!CurrentAudioBackend().openSong(name, vb::ReadablePath(a.file))) {
        return win::MCIERR_INVALID_FILE;
    }
    const uint32_t id = LowestFreeId();
    MciDevices().push_back({name, id});
    reply = std::to_string(id);
    return 0;
}

}  // namespace media
