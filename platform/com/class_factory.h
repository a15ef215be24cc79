#pragma once
/// @file
/// How a library hands out instances of its classes, and the functions every library
/// exports by these names (extern "C"):
///
///     HRESULT DllGetClassObject(const com::Guid& clsid, const com::Guid& iid, void** out);
///     HRESULT DllCanUnloadNow();            // S_OK when no object of the library lives
///     HRESULT DllRegisterServer();          // writes its classes into the registry
///     HRESULT DllUnregisterServer();        // removes them again
///     const com::TypeLibrary* DllGetTypeLibrary();
///     HRESULT DllGetResource(int32_t id, const uint8_t** data, size_t* size);  // optional

#include "platform/com/type_library.h"

namespace com {

struct IClassFactory : IUnknown {
    static constexpr Guid IID{0x6C0D0000, 0x7A11, 0x4E10, {0x9B, 0x01, 0, 0, 0, 0, 0, 0x06}};
    /// Makes an instance and hands out its interface @p iid. CLASS_E_NOAGGREGATION for a
    /// non-null @p outer: our classes are never parts of another object.
    virtual HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** out) = 0;

protected:
    ~IClassFactory() = default;
};

using DllGetClassObjectFn = HRESULT (*)(const Guid& clsid, const Guid& iid, void** out);
using DllCanUnloadNowFn = HRESULT (*)();
using DllRegisterServerFn = HRESULT (*)();
using DllGetTypeLibraryFn = const TypeLibrary* (*)();
using DllGetResourceFn = HRESULT (*)(int32_t id, const uint8_t** data, size_t* size);

/// The factory of class @p T, which must be default-constructible.
template <class T>
class ClassFactory : public Object<IClassFactory> {
public:
    HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return CreateObject<T>(iid, out);
    }
};

}  // namespace com
