#include "platform/registry/advapi32.h"

#include <cstring>
#include <map>
#include <string>

#include "platform/registry/registry_store.h"

namespace win {
namespace {

// Open handles and the full key path each stands for. Handles are small even numbers, so
// they never meet the predefined roots.
std::map<HKEY, std::string>& Handles() {
    static std::map<HKEY, std::string> handles;
    return handles;
}

HKEY NextHandle() {
    static HKEY next = 0x100;
    next += 4;
    return next;
}

const char* RootName(HKEY key) {
    if (key == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
    if (key == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
    if (key == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
    return nullptr;
}

// The full path of an open or predefined key; false for a handle that is neither.
bool PathOf(HKEY key, std::string& path) {
    if (const char* root = RootName(key)) {
        path = root;
        return true;
    }
    const auto it = Handles().find(key);
    if (it == Handles().end()) return false;
    path = it->second;
    return true;
}

std::string Join(const std::string& path, const char* subKey) {
    std::string sub = subKey ? subKey : "";
    while (!sub.empty() && sub.back() == '\\') sub.pop_back();
    return sub.empty() ? path : path + "\\" + sub;
}

LONG OpenOrCreate(HKEY key, const char* subKey, HKEY* result, bool create) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = 0;
    std::string path;
    if (!PathOf(key, path)) return ERROR_INVALID_HANDLE;
    const std::string full = Join(path, subKey);
    if (full == path && RootName(key)) {
        *result = key;
        return ERROR_SUCCESS;
    }
    if (create ? !registry::CreateKey(full) : !registry::KeyExists(full))
        return create ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND;
    *result = NextHandle();
    Handles()[*result] = full;
    return ERROR_SUCCESS;
}

}  // namespace

LONG RegOpenKeyA(HKEY key, const char* subKey, HKEY* result) {
    return OpenOrCreate(key, subKey, result, false);
}

LONG RegCreateKeyA(HKEY key, const char* subKey, HKEY* result) {
    return OpenOrCreate(key, subKey, result, true);
}

LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, uint8_t* data,
                      DWORD* cbData) {
    std::string path;
    if (!PathOf(key, path)) return ERROR_INVALID_HANDLE;
    if (reserved || (data && !cbData)) return ERROR_INVALID_PARAMETER;
    const auto value = registry::GetValue(path, valueName ? valueName : "");
    if (!value) return ERROR_FILE_NOT_FOUND;
    if (type) *type = value->type;
    const auto size = static_cast<DWORD>(value->data.size());
    if (!cbData) return ERROR_SUCCESS;
    if (data && *cbData < size) {
        *cbData = size;
        return ERROR_MORE_DATA;
    }
    if (data && size) std::memcpy(data, value->data.data(), size);
    *cbData = size;
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, const char* valueName, DWORD reserved, DWORD type,
                    const uint8_t* data, DWORD cbData) {
    std::string path;
    if (!PathOf(key, path)) return ERROR_INVALID_HANDLE;
    if (reserved || (!data && cbData)) return ERROR_INVALID_PARAMETER;
    if (RootName(key) && !registry::KeyExists(path) && !registry::CreateKey(path))
        return ERROR_ACCESS_DENIED;
    registry::Value value{
        type, data ? std::vector<uint8_t>(data, data + cbData) : std::vector<uint8_t>{}};
    return registry::SetValue(path, valueName ? valueName : "", value) ? ERROR_SUCCESS
                                                                       : ERROR_ACCESS_DENIED;
}

LONG RegCloseKey(HKEY key) {
    if (RootName(key)) return ERROR_SUCCESS;
    return Handles().erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace win
