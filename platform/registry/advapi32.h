#pragma once
/// @file
/// The registry calls of advapi32, with their Win32 results, over one per-user settings
/// file (see registry_store.h). Key and value names compare without regard to case; values
/// keep their type and their bytes exactly as they were stored.

#include <cstdint>

namespace win {

using HKEY = intptr_t;
using LONG = int32_t;
using DWORD = uint32_t;

/// The predefined root keys.
inline constexpr HKEY HKEY_CLASSES_ROOT = static_cast<HKEY>(0x80000000u);
inline constexpr HKEY HKEY_CURRENT_USER = static_cast<HKEY>(0x80000001u);
inline constexpr HKEY HKEY_LOCAL_MACHINE = static_cast<HKEY>(0x80000002u);

/// Value types.
enum : DWORD { REG_NONE = 0, REG_SZ = 1, REG_EXPAND_SZ = 2, REG_BINARY = 3, REG_DWORD = 4 };

/// Result codes.
enum : LONG {
    ERROR_SUCCESS = 0,
    ERROR_FILE_NOT_FOUND = 2,
    ERROR_ACCESS_DENIED = 5,
    ERROR_INVALID_HANDLE = 6,
    ERROR_INVALID_PARAMETER = 87,
    ERROR_MORE_DATA = 234,
};

/// Opens @p subKey under @p key (null or "" opens @p key itself). On success *@p result is
/// a new handle; on failure it is set to 0 and ERROR_FILE_NOT_FOUND (no such key) or
/// ERROR_INVALID_HANDLE is returned.
LONG RegOpenKeyA(HKEY key, const char* subKey, HKEY* result);

/// Opens @p subKey under @p key, creating every missing key on the path.
LONG RegCreateKeyA(HKEY key, const char* subKey, HKEY* result);

/// Reads the value @p valueName (null or "" for the key's default value). *@p type gets
/// its type when @p type is not null. With @p data null, *@p cbData gets the size of the
/// data. With a buffer, *@p cbData is its size on entry and the data's size on return;
/// ERROR_MORE_DATA when the buffer is too small (the buffer is left as it was).
/// ERROR_FILE_NOT_FOUND when there is no such value. @p reserved must be null.
LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, uint8_t* data,
                      DWORD* cbData);

/// Stores @p cbData bytes of @p data as the value @p valueName with type @p type, exactly
/// as given (a REG_SZ is kept with or without a terminating zero). The settings file is
/// replaced atomically; ERROR_ACCESS_DENIED when it cannot be written.
LONG RegSetValueExA(HKEY key, const char* valueName, DWORD reserved, DWORD type,
                    const uint8_t* data, DWORD cbData);

/// Closes a handle made by RegOpenKeyA or RegCreateKeyA. ERROR_INVALID_HANDLE for 0 or
/// a handle that is not open; closing a root key succeeds and does nothing.
LONG RegCloseKey(HKEY key);

}  // namespace win
