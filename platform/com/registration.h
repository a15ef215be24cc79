#pragma once
/// @file
/// A library's classes in the registry, laid out as Win32 lays them out under
/// HKEY_CLASSES_ROOT:
///
///     <ProgID>\CLSID                          = {clsid}
///     CLSID\{clsid}                           = <ProgID>
///     CLSID\{clsid}\InprocServer32            = <library path>, ThreadingModel
///     CLSID\{clsid}\ProgID, \TypeLib, \Version, and for a control \Control,
///                    \MiscStatus\1, \ToolboxBitmap32
///     Interface\{iid}                         = <interface name>, with \TypeLib
///     TypeLib\{libid}\<major.minor>           = <help string>, with \0\linux = <library path>
///
/// Every value is a REG_SZ stored with its terminating zero.

#include <string>
#include <string_view>

#include "platform/com/type_library.h"

namespace com {

/// Writes @p lib and every class in it, served by the library at @p libraryPath.
/// SELFREG_E_CLASS when the registry cannot be written.
HRESULT RegisterTypeLibrary(const TypeLibrary& lib, const std::string& libraryPath);
/// Removes every key RegisterTypeLibrary wrote for @p lib. SELFREG_E_CLASS when the
/// registry cannot be written.
HRESULT UnregisterTypeLibrary(const TypeLibrary& lib);

/// The class registered under @p progId. CO_E_CLASSSTRING when there is none or its
/// CLSID value is not a GUID; *@p clsid is then GUID_NULL.
HRESULT CLSIDFromProgID(std::string_view progId, Guid* clsid);
/// The library path registered for @p clsid, or "" when the class is not registered.
std::string InprocServerOf(const Guid& clsid);

}  // namespace com
