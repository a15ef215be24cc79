// Registering the lamp library, making lamps by ProgID through the registry, talking to
// them by dispatch and hearing their events; and the failures a container must survive.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/com/dispatch.h"
#include "platform/com/events.h"
#include "platform/com/registered_lamp.h"
#include "platform/com/registration.h"
#include "platform/com/user_control.h"

namespace {

using namespace com;
using comtest::kLampClsid;
using comtest::kLampPath;
using comtest::kLampProgID;
using Lamp = comtest::RegisteredLamp;

std::string Text(const std::string& key, const std::string& name = "") {
    const auto value = registry::GetValue("HKEY_CLASSES_ROOT\\" + key, name);
    if (!value) return "<none>";
    return std::string(value->data.begin(), value->data.end());  // with its terminating zero
}

// Whether the library at @p path is in the process now (asking does not load it).
bool Loaded(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
}

ComPtr<IDispatch> NewLamp() {
    ComPtr<IDispatch> lamp;
    EXPECT_EQ(CreateObjectByProgID(kLampProgID, IDispatch::IID, lamp.put()), S_OK);
    return lamp;
}

class CountingSink : public Object<IEventSink> {
public:
    HRESULT OnEvent(DISPID id, std::span<Variant> args) override {
        heard.push_back(id);
        EXPECT_TRUE(args.empty());
        return S_OK;
    }
    std::vector<DISPID> heard;
};

TEST_F(Lamp, RegistersAsWin32LaysOutAClass) {
    const std::string cls = "CLSID\\{A1B2C3D4-0002-4000-8000-00000000C0DE}";
    using namespace std::string_literals;
    const std::pair<std::string, std::string> rows[] = {
        {Text("ComTest.Lamp\\CLSID"), "{A1B2C3D4-0002-4000-8000-00000000C0DE}"s + '\0'},
        {Text(cls), "ComTest.Lamp"s + '\0'},
        {Text(cls + "\\InprocServer32"), kLampPath + '\0'},
        {Text(cls + "\\InprocServer32", "ThreadingModel"), "Apartment"s + '\0'},
        {Text(cls + "\\MiscStatus\\1"), "131473"s + '\0'},
        {Text(cls + "\\ToolboxBitmap32"), kLampPath + ", 30000" + '\0'},
        {Text(cls + "\\TypeLib"), "{A1B2C3D4-0001-4000-8000-00000000C0DE}"s + '\0'},
        {Text(cls + "\\Version"), "1.0"s + '\0'},
        {Text("Interface\\{A1B2C3D4-0004-4000-8000-00000000C0DE}"), "__Lamp"s + '\0'},
        {Text("TypeLib\\{A1B2C3D4-0001-4000-8000-00000000C0DE}\\1.0\\0\\linux"), kLampPath + '\0'},
    };
    for (const auto& [got, want] : rows) EXPECT_EQ(got, want);
    EXPECT_TRUE(registry::KeyExists("HKEY_CLASSES_ROOT\\" + cls + "\\Control"));
    EXPECT_EQ(InprocServerOf(kLampClsid), kLampPath);
}

TEST_F(Lamp, UnregisteringRemovesEveryKeyItWrote) {
    ASSERT_EQ(UnregisterServer(kLampPath), S_OK);
    for (const char* key : {"ComTest.Lamp", "CLSID\\{A1B2C3D4-0002-4000-8000-00000000C0DE}",
                            "Interface\\{A1B2C3D4-0003-4000-8000-00000000C0DE}",
                            "Interface\\{A1B2C3D4-0004-4000-8000-00000000C0DE}",
                            "TypeLib\\{A1B2C3D4-0001-4000-8000-00000000C0DE}"}) {
        SCOPED_TRACE(key);
        EXPECT_FALSE(registry::KeyExists(std::string("HKEY_CLASSES_ROOT\\") + key));
    }
    EXPECT_TRUE(registry::KeyExists("HKEY_CLASSES_ROOT\\CLSID"));  // shared keys stay
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateObjectByProgID(kLampProgID, IUnknown::IID, &out), CO_E_CLASSSTRING);
    EXPECT_EQ(out, nullptr);
}

TEST_F(Lamp, DispatchGetsAndPutsByNameAndByDispid) {
    const ComPtr<IDispatch> lamp = NewLamp();
    ASSERT_TRUE(lamp);
    DISPID level = 0;
    EXPECT_EQ(lamp->GetIDsOfNames("LEVEL", &level), S_OK);
    EXPECT_EQ(level, 0x68030001);
    DISPID missing = 0;
    EXPECT_EQ(lamp->GetIDsOfNames("Colour", &missing), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(missing, -1);

    Variant v;
    EXPECT_EQ(GetProperty(*lamp, "Caption", v), S_OK);
    EXPECT_EQ(v, Variant("Lamp"));
    EXPECT_EQ(PutProperty(*lamp, "Caption", int32_t{42}), S_OK);  // converted to text
    EXPECT_EQ(GetProperty(*lamp, "caption", v), S_OK);
    EXPECT_EQ(v, Variant("42"));

    Variant seven = "7";
    EXPECT_EQ(lamp->Invoke(level, InvokeKind::PropertyPut, std::span(&seven, 1), nullptr), S_OK);
    EXPECT_EQ(lamp->Invoke(level, InvokeKind::PropertyGet, {}, &v), S_OK);
    EXPECT_EQ(v, Variant(int16_t{7}));
}

TEST_F(Lamp, DispatchFailuresComeBackExactly) {
    const ComPtr<IDispatch> lamp = NewLamp();
    ASSERT_TRUE(lamp);
    Variant arg = int16_t{1}, out = "untouched";
    struct Row {
        const char* what;
        DISPID id;
        InvokeKind kind;
        size_t args;
        Variant value;
        HRESULT hr;
    };
    const Row rows[] = {
        {"unknown id", 0x68030009, InvokeKind::PropertyGet, 0, {}, DISP_E_MEMBERNOTFOUND},
        {"property called as a method",
         0x68030001,
         InvokeKind::Method,
         0,
         {},
         DISP_E_MEMBERNOTFOUND},
        {"put without its value", 0x68030001, InvokeKind::PropertyPut, 0, {}, DISP_E_BADPARAMCOUNT},
        {"get with an argument", 0x68030001, InvokeKind::PropertyGet, 1, int16_t{1},
         DISP_E_BADPARAMCOUNT},
        {"value of the wrong type", 0x68030001, InvokeKind::PropertyPut, 1, "bright",
         DISP_E_TYPEMISMATCH},
        {"value out of range", 0x68030001, InvokeKind::PropertyPut, 1, int32_t{70000},
         DISP_E_OVERFLOW},
        {"the member's own refusal", 0x68030001, InvokeKind::PropertyPut, 1, int16_t{12},
         E_INVALIDARG},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        arg = r.value;
        EXPECT_EQ(lamp->Invoke(r.id, r.kind, std::span(&arg, r.args), &out), r.hr);
        EXPECT_EQ(out, Variant("untouched"));
    }
    EXPECT_EQ(GetProperty(*lamp, "Level", out), S_OK);
    EXPECT_EQ(out, Variant(int16_t{3}));  // no failed put changed it
}

TEST_F(Lamp, ClickReachesEveryAdvisedSinkUntilUnadvised) {
    ComPtr<IUserControl> lamp;
    ASSERT_EQ(CreateObjectByProgID(kLampProgID, IUserControl::IID, lamp.put()), S_OK);
    const auto points = lamp.As<IConnectionPoint>();
    ASSERT_TRUE(points);
    const ComPtr<CountingSink> first(new CountingSink), second(new CountingSink);
    uint32_t a = 0, b = 0;
    ASSERT_EQ(points->Advise(first.get(), &a), S_OK);
    ASSERT_EQ(points->Advise(second.get(), &b), S_OK);
    EXPECT_NE(a, b);
    EXPECT_EQ(lamp->OnInput({Input::Click}), S_OK);
    EXPECT_EQ(points->Unadvise(a), S_OK);
    EXPECT_EQ(points->Unadvise(a), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(lamp->OnInput({Input::Click}), S_OK);
    EXPECT_EQ(lamp->OnInput({Input::MouseDown, 1}), S_OK);  // no event of its own
    EXPECT_EQ(first->heard, std::vector<DISPID>{1});
    EXPECT_EQ(second->heard, (std::vector<DISPID>{1, 1}));
    EXPECT_EQ(points->Advise(nullptr, &a), E_POINTER);
    EXPECT_EQ(points->Unadvise(b), S_OK);
}

TEST_F(Lamp, CountsReferencesAndUnloadsWhenTheLastGoes) {
    IUnknown* raw = nullptr;
    ASSERT_EQ(CreateObjectByProgID(kLampProgID, IUnknown::IID, reinterpret_cast<void**>(&raw)),
              S_OK);
    EXPECT_EQ(raw->AddRef(), 2u);
    IDispatch* dispatch = nullptr;
    EXPECT_EQ(raw->QueryInterface(IDispatch::IID, reinterpret_cast<void**>(&dispatch)), S_OK);
    EXPECT_EQ(dispatch->AddRef(), 4u);  // one object, one count, whichever interface
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(raw->QueryInterface(IClassFactory::IID, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(raw->QueryInterface(IUnknown::IID, nullptr), E_POINTER);

    CoFreeUnusedLibraries();  // a lamp lives: the library stays
    EXPECT_TRUE(Loaded(kLampPath));
    EXPECT_EQ(dispatch->Release(), 3u);
    EXPECT_EQ(dispatch->Release(), 2u);
    EXPECT_EQ(raw->Release(), 1u);
    EXPECT_EQ(raw->Release(), 0u);
    CoFreeUnusedLibraries();
    EXPECT_FALSE(Loaded(kLampPath));
}

TEST_F(Lamp, CreationFailsCleanly) {
    const Guid unknownClass = *ParseGuid("{A1B2C3D4-00FF-4000-8000-00000000C0DE}");
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateObjectByProgID("ComTest.Nothing", IUnknown::IID, &out), CO_E_CLASSSTRING);
    EXPECT_EQ(out, nullptr);
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(CoCreateInstance(unknownClass, nullptr, IUnknown::IID, &out), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(out, nullptr);
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateObjectByProgID(kLampProgID, IClassFactory::IID, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    IUnknown* outer = reinterpret_cast<IUnknown*>(&out);
    EXPECT_EQ(CoCreateInstance(kLampClsid, outer, IUnknown::IID, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);

    // The registry names a library that is not there, or one that serves no classes.
    registry::SetValue(
        "HKEY_CLASSES_ROOT\\CLSID\\{A1B2C3D4-0002-4000-8000-00000000C0DE}\\InprocServer32", "",
        {1, {'/', 'n', 'o', '.', 's', 'o', 0}});
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateObjectByProgID(kLampProgID, IUnknown::IID, &out), CO_E_DLLNOTFOUND);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(RegisterServer("/no/such/library.so"), CO_E_DLLNOTFOUND);
}

}  // namespace
