#include "platform/com/registration.h"

#include <optional>
#include <vector>

#include "platform/registry/advapi32.h"
#include "platform/registry/registry_store.h"

namespace com {
namespace {

const std::string kRoot = "HKEY_CLASSES_ROOT\\";

std::string ClassKey(const Guid& clsid) { return kRoot + "CLSID\\" + FormatGuid(clsid); }
std::string InterfaceKey(const Guid& iid) { return kRoot + "Interface\\" + FormatGuid(iid); }
std::string TypeLibKey(const TypeLibrary& lib) {
    return kRoot + "TypeLib\\" + FormatGuid(lib.libid);
}

std::string VersionText(const TypeLibrary& lib) {
    return std::to_string(lib.major) + "." + std::to_string(lib.minor);
}

// Collects the keys and values to write, so that one failed write stops the rest.
class Writer {
public:
    void Put(const std::string& key, const std::string& name, const std::string& text) {
        if (!ok_) return;
        std::vector<uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        ok_ = registry::CreateKey(key) && registry::SetValue(key, name, {win::REG_SZ, bytes});
    }
    void Key(const std::string& key) { ok_ = ok_ && registry::CreateKey(key); }
    bool ok() const { return ok_; }

private:
    bool ok_ = true;
};

void WriteClass(Writer& w, const TypeLibrary& lib, const ClassInfo& c, const std::string& path) {
    const std::string key = ClassKey(c.clsid), clsid = FormatGuid(c.clsid);
    w.Put(kRoot + c.progId, "", c.name);
    w.Put(kRoot + c.progId + "\\CLSID", "", clsid);
    w.Put(key, "", c.progId);
    w.Put(key + "\\InprocServer32", "", path);
    w.Put(key + "\\InprocServer32", "ThreadingModel", c.threadingModel);
    w.Put(key + "\\ProgID", "", c.progId);
    w.Put(key + "\\TypeLib", "", FormatGuid(lib.libid));
    w.Put(key + "\\Version", "", VersionText(lib));
    if (c.isControl) {
        w.Key(key + "\\Control");
        w.Put(key + "\\MiscStatus", "", "0");
        w.Put(key + "\\MiscStatus\\1", "", std::to_string(c.miscStatus));
        w.Put(key + "\\ToolboxBitmap32", "", path + ", " + std::to_string(c.toolboxBitmap));
    }
    for (const InterfaceInfo* in : {&c.defaultInterface, &c.eventInterface}) {
        w.Put(InterfaceKey(in->iid), "", in->name);
        w.Put(InterfaceKey(in->iid) + "\\TypeLib", "", FormatGuid(lib.libid));
        w.Put(InterfaceKey(in->iid) + "\\TypeLib", "Version", VersionText(lib));
    }
}

std::optional<std::string> TextValue(const std::string& key, const std::string& name) {
    const auto value = registry::GetValue(key, name);
    if (!value || (value->type != win::REG_SZ && value->type != win::REG_EXPAND_SZ))
        return std::nullopt;
    std::string text(value->data.begin(), value->data.end());
    if (const auto end = text.find('\0'); end != std::string::npos) text.resize(end);
    return text;
}

}  // namespace

HRESULT RegisterTypeLibrary(const TypeLibrary& lib, const std::string& libraryPath) {
    registry::WriteBatch batch;  // every key of the library in one write of the registry
    Writer w;
    const std::string version = TypeLibKey(lib) + "\\" + VersionText(lib);
    w.Put(version, "", lib.helpString);
    w.Put(version + "\\0\\linux", "", libraryPath);
    w.Put(version + "\\FLAGS", "", "0");
    w.Put(version + "\\HELPDIR", "", libraryPath.substr(0, libraryPath.find_last_of('/') + 1));
    for (const ClassInfo& c : lib.classes) WriteClass(w, lib, c, libraryPath);
    return w.ok() && batch.Commit() ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterTypeLibrary(const TypeLibrary& lib) {
    registry::WriteBatch batch;
    bool ok = registry::DeleteKey(TypeLibKey(lib));
    for (const ClassInfo& c : lib.classes) {
        ok = registry::DeleteKey(kRoot + c.progId) && ok;
        ok = registry::DeleteKey(ClassKey(c.clsid)) && ok;
        ok = registry::DeleteKey(InterfaceKey(c.defaultInterface.iid)) && ok;
        ok = registry::DeleteKey(InterfaceKey(c.eventInterface.iid)) && ok;
    }
    return batch.Commit() && ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT CLSIDFromProgID(std::string_view progId, Guid* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = GUID_NULL;
    if (progId.empty() || progId.find('\\') != std::string_view::npos) return CO_E_CLASSSTRING;
    const auto text = TextValue(kRoot + std::string(progId) + "\\CLSID", "");
    const auto id = text ? ParseGuid(*text) : std::nullopt;
    if (!id) return CO_E_CLASSSTRING;
    *clsid = *id;
    return S_OK;
}

std::string InprocServerOf(const Guid& clsid) {
    return TextValue(ClassKey(clsid) + "\\InprocServer32", "").value_or("");
}

}  // namespace com
