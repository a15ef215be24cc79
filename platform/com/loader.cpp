#include "platform/com/loader.h"

#include <dlfcn.h>

#include <map>

#include "platform/com/registration.h"

namespace com {
namespace {

// Loaded libraries by path, each opened once.
std::map<std::string, void*>& Libraries() {
    static std::map<std::string, void*> loaded;
    return loaded;
}

void* LoadLibrary(const std::string& path) {
    auto& loaded = Libraries();
    if (const auto it = loaded.find(path); it != loaded.end()) return it->second;
    void* handle = path.empty() ? nullptr : dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle) loaded.emplace(path, handle);
    return handle;
}

template <class Fn>
Fn Export(void* library, const char* name) {
    return reinterpret_cast<Fn>(dlsym(library, name));
}

HRESULT RunRegistration(const std::string& libraryPath, const char* entry) {
    void* library = LoadLibrary(libraryPath);
    if (!library) return CO_E_DLLNOTFOUND;
    const auto run = Export<DllRegisterServerFn>(library, entry);
    return run ? run() : CO_E_ERRORINDLL;
}

}  // namespace

HRESULT CoCreateInstance(const Guid& clsid, IUnknown* outer, const Guid& iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    const std::string path = InprocServerOf(clsid);
    if (path.empty()) return REGDB_E_CLASSNOTREG;
    void* library = LoadLibrary(path);
    if (!library) return CO_E_DLLNOTFOUND;
    const auto getClassObject = Export<DllGetClassObjectFn>(library, "DllGetClassObject");
    if (!getClassObject) return CO_E_ERRORINDLL;
    ComPtr<IClassFactory> factory;
    if (const HRESULT hr = getClassObject(clsid, IClassFactory::IID, factory.put()); FAILED(hr))
        return hr;
    if (!factory) return CO_E_ERRORINDLL;
    const HRESULT hr = factory->CreateInstance(nullptr, iid, out);
    if (FAILED(hr)) *out = nullptr;
    return hr;
}

HRESULT CreateObjectByProgID(std::string_view progId, const Guid& iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    Guid clsid;
    if (const HRESULT hr = CLSIDFromProgID(progId, &clsid); FAILED(hr)) return hr;
    return CoCreateInstance(clsid, nullptr, iid, out);
}

HRESULT RegisterServer(const std::string& libraryPath) {
    return RunRegistration(libraryPath, "DllRegisterServer");
}

HRESULT UnregisterServer(const std::string& libraryPath) {
    return RunRegistration(libraryPath, "DllUnregisterServer");
}

HRESULT LoadLibraryResource(const std::string& libraryPath, int32_t id,
                            std::span<const uint8_t>* bytes) {
    if (!bytes) return E_POINTER;
    void* library = LoadLibrary(libraryPath);
    if (!library) return CO_E_DLLNOTFOUND;
    const auto get = Export<DllGetResourceFn>(library, "DllGetResource");
    if (!get) return CO_E_ERRORINDLL;
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (const HRESULT hr = get(id, &data, &size); FAILED(hr)) return hr;
    *bytes = {data, size};
    return S_OK;
}

void CoFreeUnusedLibraries() {
    auto& loaded = Libraries();
    for (auto it = loaded.begin(); it != loaded.end();) {
        const auto canUnload = Export<DllCanUnloadNowFn>(it->second, "DllCanUnloadNow");
        if (canUnload && canUnload() == S_OK) {
            dlclose(it->second);
            it = loaded.erase(it);
        } else {
            ++it;
        }
    }
}

std::string ModulePath(const void* address) {
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname) return "";
    return info.dli_fname;
}

}  // namespace com
