#pragma once
// The settings: read from the registry at start, written back whole when they change.

#include <cstddef>
#include <cstdint>
#include <string>

namespace Module1 {

// Where the settings live, under HKEY_CURRENT_USER.
inline constexpr const char* kSettingsKey = "Software\\Tolvarin\\Tolvarin2.2";
// The most characters a name read from the settings keeps: more than any window shows.
inline constexpr size_t kLongestSettingText = 64;

// The text of REG_SZ value @p valueName of key @p subKey under @p hKey, cut at its first
// zero character; @p Default when the key or value is missing or of another type.
std::string GetRegString(intptr_t hKey, const std::string& subKey, const std::string& valueName,
                         const std::string& Default);
// Stores @p data as REG_SZ value @p valueName (no terminating zero), creating the key.
void SaveRegString(intptr_t hKey, const std::string& subKey, const std::string& valueName,
                   const std::string& data);

// Fills the settings from the registry, or with the first-run defaults; says once when the
// settings file could not be read, or lines of it were set aside.
void LoadSettings();
// Writes all fifteen settings.
void SaveSettings();

}  // namespace Module1
