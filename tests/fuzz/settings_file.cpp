// The settings reader on any bytes: whatever it keeps is written back as text that reads
// again, line for line, to the same keys and values.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/registry/registry_text.h"

namespace {

bool Same(const registry::Keys& a, const registry::Keys& b) {
    if (a.size() != b.size()) return false;
    for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j) {
        if (i->first != j->first || i->second.path != j->second.path) return false;
        const auto& x = i->second.values;
        const auto& y = j->second.values;
        if (x.size() != y.size()) return false;
        for (auto v = x.begin(), w = y.begin(); v != x.end(); ++v, ++w)
            if (v->first != w->first || v->second.value != w->second.value) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    registry::Keys keys;
    registry::ParseSettingsText(std::string_view(reinterpret_cast<const char*>(data), size), keys);
    registry::Keys again;
    if (registry::ParseSettingsText(registry::SettingsText(keys), again) != 0) std::abort();
    if (!Same(keys, again)) std::abort();
    return 0;
}
