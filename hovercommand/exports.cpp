// The entry points by which hosts make HoverCommands and the library registers itself.

#include "hovercommand/hover_command.h"
#include "hovercommand/hover_library.h"
#include "platform/com/class_factory.h"
#include "platform/com/loader.h"
#include "platform/com/registration.h"

namespace {

using namespace com;

class HoverCommandFactory : public ClassFactory<kantrel::HoverCommand> {
public:
    HoverCommandFactory() { ++kantrel::LiveObjects(); }
    ~HoverCommandFactory() override { --kantrel::LiveObjects(); }
};

}  // namespace

extern "C" {

HRESULT DllGetClassObject(const Guid& clsid, const Guid& iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (clsid != kantrel::HoverCommandClass().clsid) return CLASS_E_CLASSNOTAVAILABLE;
    return CreateObject<HoverCommandFactory>(iid, out);
}

HRESULT DllCanUnloadNow() { return kantrel::LiveObjects() == 0 ? S_OK : S_FALSE; }

HRESULT DllRegisterServer() {
    return RegisterTypeLibrary(kantrel::Library(),
                               ModulePath(reinterpret_cast<const void*>(&DllRegisterServer)));
}

HRESULT DllUnregisterServer() { return UnregisterTypeLibrary(kantrel::Library()); }

const TypeLibrary* DllGetTypeLibrary() { return &kantrel::Library(); }

HRESULT DllGetResource(int32_t id, const uint8_t** data, size_t* size) {
    if (!data || !size) return E_POINTER;
    if (id != kantrel::HoverCommandClass().toolboxBitmap) return E_INVALIDARG;
    const auto bytes = kantrel::ToolboxBitmap();
    *data = bytes.data();
    *size = bytes.size();
    return S_OK;
}

}  // extern "C"
