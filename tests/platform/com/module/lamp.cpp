// A small class library for the com tests, built and loaded as a control library is: the
// class "ComTest.Lamp" with a Caption, a Level from 0 to 9 and a Click event. A click
// lights its surface's top-left pixel in the colour of its level and raises Click.

#include "platform/com/class_factory.h"
#include "platform/com/events.h"
#include "platform/com/loader.h"
#include "platform/com/registration.h"
#include "platform/com/user_control.h"
#include "platform/gdi/gdi32.h"

namespace {

using namespace com;

// Objects of this library alive now: the library may be unloaded at 0.
int32_t liveObjects = 0;

constexpr DISPID kCaption = 0x68030000, kLevel = 0x68030001, kClick = 1;

TypeLibrary MakeLibrary() {
    TypeLibrary lib;
    lib.name = "ComTest";
    lib.helpString = "Lamp test library";
    lib.libid = *ParseGuid("{A1B2C3D4-0001-4000-8000-00000000C0DE}");
    lib.major = 1;
    lib.lcid = 0x409;
    ClassInfo lamp;
    lamp.name = "Lamp";
    lamp.clsid = *ParseGuid("{A1B2C3D4-0002-4000-8000-00000000C0DE}");
    lamp.progId = "ComTest.Lamp";
    lamp.isControl = true;
    lamp.miscStatus = 0x20191;
    lamp.toolboxBitmap = 30000;
    lamp.defaultInterface = {
        "_Lamp",
        *ParseGuid("{A1B2C3D4-0003-4000-8000-00000000C0DE}"),
        {{"Caption", kCaption, VarType::String, kGet | kPut, Variant("Lamp")},
         {"Level", kLevel, VarType::Integer, kGet | kPut, Variant(int16_t{3})}},
        {},
        kDual | kOleAutomation};
    lamp.eventInterface = {"__Lamp",
                           *ParseGuid("{A1B2C3D4-0004-4000-8000-00000000C0DE}"),
                           {},
                           {{"Click", kClick, {}}},
                           kDispatchOnly};
    lib.classes.push_back(lamp);
    return lib;
}

const TypeLibrary& Library() {
    static const TypeLibrary lib = MakeLibrary();
    return lib;
}

class Lamp : public Object<IUserControl, IDispatch, IConnectionPoint> {
public:
    Lamp() { ++liveObjects; }
    ~Lamp() override { --liveObjects; }

    HRESULT SetSite(IControlSite* site) override {
        site_ = site;
        return S_OK;
    }
    const ClassInfo& GetClassInfo() override { return Library().classes[0]; }
    HRESULT InitNew() override {
        caption_ = "Lamp";
        level_ = 3;
        return S_OK;
    }
    HRESULT Load(const PropertyBag& bag) override {
        Variant caption, level;
        if (const HRESULT hr = bag.ReadProperty("Caption", "Lamp", caption); FAILED(hr)) return hr;
        if (const HRESULT hr = bag.ReadProperty("Level", int16_t{3}, level); FAILED(hr)) return hr;
        caption_ = *caption.get<std::string>();
        level_ = *level.get<int16_t>();
        return S_OK;
    }
    HRESULT Save(PropertyBag& bag) override {
        bag.WriteProperty("Caption", caption_, Variant("Lamp"));
        bag.WriteProperty("Level", level_, Variant(int16_t{3}));
        return S_OK;
    }
    HRESULT OnInput(const InputEvent& input) override {
        if (input.kind != Input::Click) return S_OK;
        if (site_) {
            win::SetPixel(site_->hDC(), 0, 0, static_cast<win::COLORREF>(0x1C1C1C * level_));
            site_->Present();
        }
        return events_.Fire(kClick);
    }

    HRESULT GetIDsOfNames(std::string_view name, DISPID* id) override {
        return IdOfName(GetClassInfo().defaultInterface, name, id);
    }
    HRESULT Invoke(DISPID id, InvokeKind kind, std::span<Variant> args, Variant* result) override {
        if (const HRESULT hr =
                CheckInvoke(GetClassInfo().defaultInterface, id, kind, args, nullptr);
            FAILED(hr))
            return hr;
        if (kind == InvokeKind::PropertyGet) {
            if (!result) return E_POINTER;
            *result = id == kCaption ? Variant(caption_) : Variant(level_);
            return S_OK;
        }
        return id == kCaption ? PutCaption(*args[0].get<std::string>())
                              : PutLevel(*args[0].get<int16_t>());
    }

    HRESULT Advise(IEventSink* sink, uint32_t* cookie) override {
        return events_.Advise(sink, cookie);
    }
    HRESULT Unadvise(uint32_t cookie) override { return events_.Unadvise(cookie); }

private:
    HRESULT PutCaption(const std::string& v) {
        if (v != caption_ && site_) site_->PropertyChanged("Caption");
        caption_ = v;
        return S_OK;
    }
    HRESULT PutLevel(int16_t v) {
        if (v < 0 || v > 9) return E_INVALIDARG;
        if (v != level_ && site_) site_->PropertyChanged("Level");
        level_ = v;
        return S_OK;
    }

    IControlSite* site_ = nullptr;
    std::string caption_ = "Lamp";
    int16_t level_ = 3;
    EventSource events_;
};

class LampFactory : public ClassFactory<Lamp> {
public:
    LampFactory() { ++liveObjects; }
    ~LampFactory() override { --liveObjects; }
};

}  // namespace

extern "C" {

HRESULT DllGetClassObject(const Guid& clsid, const Guid& iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (clsid != Library().classes[0].clsid) return CLASS_E_CLASSNOTAVAILABLE;
    return CreateObject<LampFactory>(iid, out);
}

HRESULT DllCanUnloadNow() { return liveObjects == 0 ? S_OK : S_FALSE; }

HRESULT DllRegisterServer() {
    return RegisterTypeLibrary(Library(),
                               ModulePath(reinterpret_cast<const void*>(&DllRegisterServer)));
}

HRESULT DllUnregisterServer() { return UnregisterTypeLibrary(Library()); }

const TypeLibrary* DllGetTypeLibrary() { return &Library(); }

}  // extern "C"
