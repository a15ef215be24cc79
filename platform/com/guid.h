#pragma once
/// @file
/// Globally unique identifiers of classes, interfaces and type libraries, and their
/// registry text "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace com {

/// A 128-bit identifier laid out as the registry text reads: one 32-bit group, two 16-bit
/// groups, then eight bytes.
struct Guid {
    uint32_t Data1 = 0;
    uint16_t Data2 = 0;
    uint16_t Data3 = 0;
    uint8_t Data4[8] = {};
    friend bool operator==(const Guid&, const Guid&) = default;
    friend auto operator<=>(const Guid&, const Guid&) = default;
};

/// The all-zero identifier, which names nothing.
inline constexpr Guid GUID_NULL{};

/// Reads "{8-4-4-4-12}" hex digits (either case), braces required; nullopt for any other
/// text, including spaces or a missing digit.
std::optional<Guid> ParseGuid(std::string_view text);

/// The registry text of @p id, upper-case hex digits, with braces.
std::string FormatGuid(const Guid& id);

}  // namespace com
