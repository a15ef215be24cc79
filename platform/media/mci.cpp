#include "platform/media/mci.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/media/audio_backend.h"
#include "platform/media/call_record.h"
#include "platform/media/mci_devices.h"
#include "platform/media/mci_words.h"

namespace media {

namespace {

using Args = std::span<const std::string>;
// A command on an open device: its name, the words after the name, the reply to give.
using Verb = uint32_t (*)(const std::string& name, Args args, std::string& reply);

std::vector<MciDevice> devices;
CallRecord<std::string> commands;

AudioBackend& Backend() { return CurrentAudioBackend(); }

uint32_t NoMoreWords(Args args, size_t used) {
    return args.size() > used ? win::MCIERR_UNRECOGNIZED_KEYWORD : 0;
}

// The number at @p at: a time or a volume of at most @p most.
uint32_t ReadNumber(Args args, size_t at, uint32_t most, uint32_t& value) {
    if (at >= args.size()) return win::MCIERR_MISSING_PARAMETER;
    const auto number = MciNumber(args[at]);
    if (!number) return win::MCIERR_BAD_INTEGER;
    if (*number > most) return win::MCIERR_OUTOFRANGE;
    value = *number;
    return NoMoreWords(args, at + 1);
}

// Whether @p args begin with the keywords @p words; the error when they do not.
uint32_t Expect(Args args, std::initializer_list<const char*> words) {
    size_t at = 0;
    for (const char* word : words) {
        if (at == args.size()) return win::MCIERR_MISSING_PARAMETER;
        if (!SameWord(args[at++], word)) return win::MCIERR_UNRECOGNIZED_KEYWORD;
    }
    return 0;
}

uint32_t Close(const std::string& name, Args args, std::string&) {
    if (const uint32_t error = NoMoreWords(args, 0)) return error;
    Backend().closeSong(name);
    std::erase_if(devices, [&](const MciDevice& d) { return d.name == name; });
    return 0;
}

uint32_t Play(const std::string& name, Args args, std::string&) {
    if (!args.empty()) {
        uint32_t from = 0;
        if (const uint32_t error = Expect(args, {"from"})) return error;
        if (const uint32_t error = ReadNumber(args, 1, Backend().songLength(name), from)) {
            return error;
        }
        Backend().seekSong(name, from);
    }
    Backend().playSong(name);
    return 0;
}

uint32_t Pause(const std::string& name, Args args, std::string&) {
    if (const uint32_t error = NoMoreWords(args, 0)) return error;
    if (Backend().songMode(name) == SongMode::Playing) Backend().pauseSong(name);
    return 0;
}

uint32_t Resume(const std::string& name, Args args, std::string&) {
    if (const uint32_t error = NoMoreWords(args, 0)) return error;
    if (Backend().songMode(name) == SongMode::Paused) Backend().playSong(name);
    return 0;
}

uint32_t Stop(const std::string& name, Args args, std::string&) {
    if (const uint32_t error = NoMoreWords(args, 0)) return error;
    Backend().stopSong(name);
    return 0;
}

uint32_t Seek(const std::string& name, Args args, std::string&) {
    if (const uint32_t error = Expect(args, {"to"})) return error;
    const uint32_t length = Backend().songLength(name);
    uint32_t to = 0;
    if (args.size() > 1 && (SameWord(args[1], "start") || SameWord(args[1], "end"))) {
        to = SameWord(args[1], "start") ? 0 : length;
        if (const uint32_t error = NoMoreWords(args, 2)) return error;
    } else if (const uint32_t error = ReadNumber(args, 1, length, to)) {
        return error;
    }
    Backend().seekSong(name, to);
    return 0;
}

uint32_t Status(const std::string& name, Args args, std::string& reply) {
    static constexpr std::array<const char*, 3> kModes{"stopped", "playing", "paused"};
    if (args.empty()) return win::MCIERR_MISSING_PARAMETER;
    if (const uint32_t error = NoMoreWords(args, 1)) return error;
    AudioBackend& b = Backend();
    if (SameWord(args[0], "position")) {
        reply = std::to_string(b.songPosition(name));
    } else if (SameWord(args[0], "length")) {
        reply = std::to_string(b.songLength(name));
    } else if (SameWord(args[0], "volume")) {
        reply = std::to_string(b.songVolume(name));
    } else if (SameWord(args[0], "mode")) {
        reply = kModes[static_cast<size_t>(b.songMode(name))];
    } else {
        return win::MCIERR_UNRECOGNIZED_KEYWORD;
    }
    return 0;
}

uint32_t SetAudio(const std::string& name, Args args, std::string&) {
    static constexpr uint32_t kFullVolume = 1000;
    uint32_t volume = 0;
    if (const uint32_t error = Expect(args, {"volume", "to"})) return error;
    if (const uint32_t error = ReadNumber(args, 2, kFullVolume, volume)) return error;
    Backend().setSongVolume(name, volume);
    return 0;
}

struct VerbEntry {
    const char* word;
    Verb run;
};
constexpr VerbEntry kVerbs[] = {{"close", Close},   {"play", Play},        {"pause", Pause},
                                {"resume", Resume}, {"stop", Stop},        {"seek", Seek},
                                {"status", Status}, {"setaudio", SetAudio}};

uint32_t Run(const std::vector<std::string>& words, std::string& reply) {
    if (words.empty()) return win::MCIERR_MISSING_COMMAND_STRING;
    const Args rest = Args(words).subspan(1);
    if (SameWord(words[0], "open")) return MciOpen(rest, reply);
    const auto verb = std::find_if(std::begin(kVerbs), std::end(kVerbs),
                                   [&](const VerbEntry& v) { return SameWord(words[0], v.word); });
    if (verb == std::end(kVerbs)) return win::MCIERR_UNRECOGNIZED_COMMAND;
    if (rest.empty()) return win::MCIERR_MISSING_DEVICE_NAME;
    const MciDevice* device = FindMciDevice(rest[0]);
    if (!device) return win::MCIERR_INVALID_DEVICE_NAME;
    const std::string name = device->name;  // "close" forgets the device
    return verb->run(name, rest.subspan(1), reply);
}

}  // namespace

std::vector<MciDevice>& MciDevices() { return devices; }

const MciDevice* FindMciDevice(std::string_view name) {
    const auto found = std::find_if(devices.begin(), devices.end(),
                                    [&](const MciDevice& d) { return SameWord(d.name, name); });
    return found == devices.end() ? nullptr : &*found;
}

std::vector<std::string> TakeMciCommands() { return commands.take(); }

void CloseAllDevices() {
    for (const MciDevice& d : devices) Backend().closeSong(d.name);
    devices.clear();
}

}  // namespace media

namespace win {

uint32_t mciSendStringA(const char* command, char* returnString, uint32_t returnLength,
                        intptr_t /*callback*/) {
    const std::string text = command ? command : "";
    media::commands.add(text);
    std::string reply;
    const auto words = media::SplitMciWords(text);
    uint32_t error = words ? media::Run(*words, reply) : MCIERR_NO_CLOSING_QUOTE;
    if (error != 0) reply.clear();
    if (returnString && returnLength > 0) {
        const size_t kept = std::min<size_t>(reply.size(), returnLength - 1);
        std::memcpy(returnString, reply.data(), kept);
        returnString[kept] = '\0';
        if (kept < reply.size()) error = MCIERR_PARAM_OVERFLOW;
    }
    return error;
}

}  // namespace win
