#pragma once
/// @file
/// The stored properties of one control instance, by name: what a form's design holds for
/// each control and what the control reads when it is loaded and writes when it is saved.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com/variant.h"

namespace com {

class PropertyBag {
public:
    PropertyBag() = default;
    /// A bag holding @p values in the given order, as a design lists them.
    PropertyBag(std::initializer_list<std::pair<std::string, Variant>> values);

    /// The stored value of @p name (names compare without regard to case) converted to the
    /// type of @p defaultValue, or @p defaultValue when nothing is stored. An Empty default
    /// takes the stored value as it is. DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW when the
    /// stored value does not convert; *@p out is then untouched.
    HRESULT ReadProperty(std::string_view name, const Variant& defaultValue, Variant& out) const;

    /// Stores @p value as @p name, or leaves the name out (removing what was stored) when
    /// the value equals @p defaultValue; without a default the value is always stored.
    void WriteProperty(std::string_view name, const Variant& value,
                       const std::optional<Variant>& defaultValue = std::nullopt);

    /// The value stored under @p name as it is, or null.
    const Variant* Find(std::string_view name) const;
    /// The names stored, in the order they were first written.
    std::vector<std::string> Names() const;

private:
    std::vector<std::pair<std::string, Variant>> values_;
};

}  // namespace com
