#pragma once
/// @file
/// Making objects of classes that live in libraries: the class is found in the registry,
/// its library loaded once (and kept until CoFreeUnusedLibraries finds it unused), and its
/// DllGetClassObject asked for the factory.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/com/class_factory.h"

namespace com {

/// Makes an object of class @p clsid and hands out its interface @p iid. On failure *@p out
/// is null and the result says why: REGDB_E_CLASSNOTREG (no such class registered),
/// CO_E_DLLNOTFOUND (its library cannot be loaded), CO_E_ERRORINDLL (the library lacks
/// DllGetClassObject), CLASS_E_NOAGGREGATION for a non-null @p outer, or the factory's
/// own failure (CLASS_E_CLASSNOTAVAILABLE, E_NOINTERFACE).
HRESULT CoCreateInstance(const Guid& clsid, IUnknown* outer, const Guid& iid, void** out);

/// CoCreateInstance of the class registered as @p progId ("Lumbrix1.HoverCommand");
/// CO_E_CLASSSTRING when no class is registered by that name.
HRESULT CreateObjectByProgID(std::string_view progId, const Guid& iid, void** out);

/// Loads the library at @p libraryPath and runs its DllRegisterServer or
/// DllUnregisterServer, as the system's registration tool does. CO_E_DLLNOTFOUND or
/// CO_E_ERRORINDLL when it cannot; the library's own result otherwise.
HRESULT RegisterServer(const std::string& libraryPath);
HRESULT UnregisterServer(const std::string& libraryPath);

/// The bytes of resource @p id of the library at @p libraryPath (a BMP file for a
/// picture), through its DllGetResource; they stay valid while the library is loaded.
/// CO_E_DLLNOTFOUND or CO_E_ERRORINDLL when the library cannot give it; E_INVALIDARG when
/// it has no such resource.
HRESULT LoadLibraryResource(const std::string& libraryPath, int32_t id,
                            std::span<const uint8_t>* bytes);

/// Unloads every loaded library whose DllCanUnloadNow says S_OK.
void CoFreeUnusedLibraries();

/// The path of the loaded library (or program) that holds @p address; a library uses it to
/// register itself. "" when the address belongs to none.
std::string ModulePath(const void* address);

}  // namespace com
