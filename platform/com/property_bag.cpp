#include "platform/com/property_bag.h"

#include <algorithm>

#include "platform/com/names.h"

namespace com {
namespace {

// Whether @p value is its default, compared as the default's type: a Long 2 written for an
// Integer property whose default is 2 is left out too.
bool IsDefault(const Variant& value, const std::optional<Variant>& defaultValue) {
    if (!defaultValue) return false;
    Variant converted;
    return SUCCEEDED(ChangeType(value, defaultValue->type(), converted)) &&
           converted == *defaultValue;
}

}  // namespace

PropertyBag::PropertyBag(std::initializer_list<std::pair<std::string, Variant>> values) {
    for (const auto& [name, value] : values) WriteProperty(name, value);
}

HRESULT PropertyBag::ReadProperty(std::string_view name, const Variant& defaultValue,
                                  Variant& out) const {
    const Variant* stored = Find(name);
    if (!stored) {
        out = defaultValue;
        return S_OK;
    }
    if (defaultValue.empty()) {
        out = *stored;
        return S_OK;
    }
    return ChangeType(*stored, defaultValue.type(), out);
}

void PropertyBag::WriteProperty(std::string_view name, const Variant& value,
                                const std::optional<Variant>& defaultValue) {
    const auto it =
        std::ranges::find_if(values_, [&](const auto& v) { return SameName(v.first, name); });
    if (IsDefault(value, defaultValue)) {
        if (it != values_.end()) values_.erase(it);
    } else if (it != values_.end()) {
        it->second = value;
    } else {
        values_.emplace_back(std::string(name), value);
    }
}

const Variant* PropertyBag::Find(std::string_view name) const {
    const auto it =
        std::ranges::find_if(values_, [&](const auto& v) { return SameName(v.first, name); });
    return it == values_.end() ? nullptr : &it->second;
}

std::vector<std::string> PropertyBag::Names() const {
    std::vector<std::string> names;
    for (const auto& [name, value] : values_) names.push_back(name);
    return names;
}

}  // namespace com
