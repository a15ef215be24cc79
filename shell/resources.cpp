#include "shell/resources.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/gdi/bmp_file.h"
#include "platform/runtime/errors.h"
#include "shell/resource_table.h"

namespace vb {

namespace {

std::string Lower(std::string s) {
    std::ranges::transform(s, s.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

// A picture is decoded when it is first shown or drawn from: the main window's design holds
// many that its first screen does not show (the held dice, the one-column rows).
Picture LoadResPicture(const std::string& name) {
    static std::map<std::string, Picture> loaded;
    const std::string key = Lower(name);
    if (const auto found = loaded.find(key); found != loaded.end()) return found->second;
    for (const resources::PictureResource& r : resources::PictureTable()) {
        if (Lower(r.name) != key) continue;
        const Picture picture = Picture::Deferred(
            [&r] { return gdi::PictureFromBmp(r.bmp, r.bmp2x, r.name).bitmap(); }, r.name);
        return loaded.emplace(key, picture).first->second;
    }
    return {};
}

std::vector<uint8_t> LoadResData(int32_t id, const std::string& type) {
    for (const resources::CustomResource& r : resources::CustomTable())
        if (r.id == id && Lower(r.type) == Lower(type)) return {r.data.begin(), r.data.end()};
    throw RuntimeError(326, "Resource with identifier '" + std::to_string(id) + "' not found");
}

}  // namespace vb
