#include <sys/stat.h>

#include <map>

#include "platform/files/atomic_file.h"
#include "platform/media/sound_length.h"

namespace media {

namespace {

// Which version of a file a length was found for.
struct Version {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t changedNs = 0;
    friend bool operator==(const Version&, const Version&) = default;
};

struct Known {
    Version version;
    bool wave = false;
    std::optional<uint32_t> length;
};

std::map<std::string, Known>& Lengths() {
    static std::map<std::string, Known> lengths;
    return lengths;
}

std::optional<Version> VersionOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return Version{info.st_dev, info.st_ino, info.st_size,
                   int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec};
}

Known Measure(const std::string& path, const Version& version) {
    Known known{version, false, std::nullopt};
    std::vector<uint8_t> bytes;
    if (vb::ReadRegularFile(path, kLongestSoundFile, bytes) != vb::ReadOutcome::Read) return known;
    known.wave = IsWaveFile(bytes);
    known.length = known.wave ? WaveLengthMs(bytes) : Mp3LengthMs(bytes);
    return known;
}

}  // namespace

std::optional<uint32_t> SoundFileLengthMs(const std::string& path, bool waveOnly) {
    const auto version = VersionOf(path);
    if (!version) return std::nullopt;
    auto found = Lengths().find(path);
    if (found == Lengths().end() || !(found->second.version == *version))
        found = Lengths().insert_or_assign(path, Measure(path, *version)).first;
    if (waveOnly && !found->second.wave) return std::nullopt;
    return found->second.length;
}

}  // namespace media
