#include "platform/forms/user_control_host.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <utility>

#include "platform/com/loader.h"
#include "platform/com/names.h"
#include "platform/com/registration.h"
#include "platform/forms/form.h"
#include "platform/forms/msgbox.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi32.h"
#include "platform/types/twips.h"
#include "platform/user32/capture.h"

namespace vb {
namespace {

int32_t ToPixels(int32_t twips) { return std::max(twips / kTwipsPerPixel, 1); }

// The extender's own properties, by name: the type a put converts to, how each is read and
// written. Every other name is the instance's.
struct ExtenderProperty {
    std::string_view name;
    com::VarType type;
    com::Variant (*get)(const UserControlHost&);
    void (*put)(UserControlHost&, const com::Variant&);
};

const ExtenderProperty kExtender[] = {
    {"Left", com::VarType::Long, [](const UserControlHost& c) { return com::Variant(c.Left()); },
     [](UserControlHost& c, const com::Variant& v) { c.setLeft(*v.get<int32_t>()); }},
    {"Top", com::VarType::Long, [](const UserControlHost& c) { return com::Variant(c.Top()); },
     [](UserControlHost& c, const com::Variant& v) { c.setTop(*v.get<int32_t>()); }},
    {"Width", com::VarType::Long, [](const UserControlHost& c) { return com::Variant(c.Width()); },
     [](UserControlHost& c, const com::Variant& v) { c.setWidth(*v.get<int32_t>()); }},
    {"Height", com::VarType::Long,
     [](const UserControlHost& c) { return com::Variant(c.Height()); },
     [](UserControlHost& c, const com::Variant& v) { c.setHeight(*v.get<int32_t>()); }},
    {"Visible", com::VarType::Boolean,
     [](const UserControlHost& c) { return com::Variant(c.Visible()); },
     [](UserControlHost& c, const com::Variant& v) { c.setVisible(*v.get<bool>()); }},
    {"Tag", com::VarType::String, [](const UserControlHost& c) { return com::Variant(c.Tag); },
     [](UserControlHost& c, const com::Variant& v) { c.Tag = *v.get<std::string>(); }},
    {"Default", com::VarType::Boolean,
     [](const UserControlHost& c) { return com::Variant(c.Default()); },
     [](UserControlHost& c, const com::Variant& v) { c.setDefault(*v.get<bool>()); }},
    {"Cancel", com::VarType::Boolean,
     [](const UserControlHost& c) { return com::Variant(c.Cancel()); },
     [](UserControlHost& c, const com::Variant& v) { c.setCancel(*v.get<bool>()); }},
};

const ExtenderProperty* FindExtender(std::string_view name) {
    const auto it = std::ranges::find_if(
        kExtender, [&](const ExtenderProperty& p) { return com::SameName(p.name, name); });
    return it == std::end(kExtender) ? nullptr : &*it;
}

template <class T>
T ArgAs(std::span<com::Variant> args, size_t i, com::VarType type) {
    com::Variant v;
    if (i >= args.size() || com::FAILED(com::ChangeType(args[i], type, v))) return T{};
    return *v.get<T>();
}

std::string HexOf(com::HRESULT hr) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        text += kDigits[(static_cast<uint32_t>(hr) >> shift) & 0xFu];
    return text;
}

std::string Lowered(std::string_view name) {
    std::string low(name);
    for (char& c : low) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return low;
}

// The window that lost the capture hears of it, when it is a hosted control.
void TellCaptureLost(win::HWND lost) {
    for (Form* form : AllForms())
        for (Control* c : form->Controls())
            if (c->hWnd() == lost)
                if (auto* hosted = dynamic_cast<UserControlHost*>(c)) hosted->RaiseCaptureLost();
}

// A surface with a 2x twin, as a picture box's has, so that the instance draws its face
// sharp for a screen of two device pixels to a pixel.
win::HBITMAP newSurfaceBitmap(int32_t width, int32_t height) {
    gdi::Bitmap pixels(width, height);
    pixels.addDoubledTwin();
    return gdi::CreateBitmapFromPixels(std::move(pixels));
}

}  // namespace

// What the instance sees of its host.
class UserControlHost::Site : public com::IControlSite {
public:
    explicit Site(UserControlHost& host) : host_(host) {}
    std::string Name() override { return host_.Name(); }
    intptr_t hWnd() override { return host_.hWnd(); }
    intptr_t hDC() override { return host_.hDC(); }
    int32_t ScaleWidth() override { return ToPixels(host_.Width()); }
    int32_t ScaleHeight() override { return ToPixels(host_.Height()); }
    intptr_t ContainerHWnd() override {
        return host_.Container() ? host_.Container()->hWnd() : host_.Parent().hWnd();
    }
    int32_t ContainerLeft() override { return host_.Left() / kTwipsPerPixel; }
    int32_t ContainerTop() override { return host_.Top() / kTwipsPerPixel; }
    bool UserMode() override { return true; }
    void PropertyChanged(const std::string& name) override {
        ++host_.dirty_;
        if (com::SameName(name, "Caption")) host_.changed(Prop::Caption);
    }
    void Present() override { host_.changed(Prop::Picture); }
    void ProcessMessages() override { DoEvents(); }
    vb::Font Font() override { return host_.font_; }
    void setFont(const vb::Font& font) override { host_.setFont(font); }
    bool Enabled() override { return host_.Enabled(); }
    void setEnabled(bool enabled) override { host_.setEnabled(enabled); }
    com::Variant Tag() override { return host_.Tag; }
    void setTag(const com::Variant& tag) override {
        com::Variant text;
        if (com::SUCCEEDED(com::ChangeType(tag, com::VarType::String, text)))
            host_.Tag = *text.get<std::string>();
    }

private:
    UserControlHost& host_;
};

// Hears the instance's events; the host lets go of it before the host goes.
class UserControlHost::Sink : public com::Object<com::IEventSink> {
public:
    explicit Sink(UserControlHost& host) : host_(&host) {}
    void detach() { host_ = nullptr; }
    com::HRESULT OnEvent(com::DISPID id, std::span<com::Variant> args) override {
        if (host_) host_->raiseEvent(id, args);
        return com::S_OK;
    }

private:
    UserControlHost* host_;
};

UserControlHost::UserControlHost(Form& owner, std::string name, std::string progId, int16_t index)
    : Control(owner, std::move(name), index),
      progId_(std::move(progId)),
      site_(std::make_unique<Site>(*this)) {
    win::SetCaptureLostHandler(TellCaptureLost);
}

UserControlHost::~UserControlHost() {
    Destroy();
    freeSurface();
}

com::HRESULT UserControlHost::Create(const com::PropertyBag* bag) {
    Destroy();
    fallback_ = false;
    loadError_.clear();
    com::ComPtr<com::IUserControl> made;
    if (const auto hr = com::CreateObjectByProgID(progId_, com::IUserControl::IID, made.put());
        com::FAILED(hr)) {
        standIn(bag, hr);
        return hr;
    }
    made->SetSite(site_.get());
    const com::HRESULT hr = bag ? made->Load(*bag) : made->InitNew();
    if (com::FAILED(hr)) {
        made->SetSite(nullptr);
        standIn(bag, hr);
        return hr;
    }
    instance_ = made;
    dispatch_ = made.As<com::IDispatch>();
    events_ = made.As<com::IConnectionPoint>();
    if (events_) {
        com::ComPtr<Sink> sink(new Sink(*this));
        if (com::SUCCEEDED(events_->Advise(sink.get(), &cookie_))) sink_ = sink.get();
    }
    changed(Prop::Caption);  // the caption the instance read, which gives the Alt key
    return com::S_OK;
}

// The stored Caption, Enabled and Font, as a standard button would have had them.
void UserControlHost::standIn(const com::PropertyBag* bag, com::HRESULT why) {
    fallback_ = true;
    fallbackProperties_.clear();
    loadError_ = "The control library " + libraryName() + " could not be loaded (error " +
                 HexOf(why) + ").\nIts buttons are shown as standard buttons.";
    com::Variant v;
    fallbackCaption_ = Name();
    if (bag && com::SUCCEEDED(bag->ReadProperty("Caption", com::Variant(Name()), v)))
        if (const auto* text = v.get<std::string>()) fallbackCaption_ = *text;
    if (bag && com::SUCCEEDED(bag->ReadProperty("Font", com::Variant(font_), v)))
        if (const auto* font = v.get<vb::Font>()) setFont(*font);
    bool enabled = true;
    if (bag && com::SUCCEEDED(bag->ReadProperty("Enabled", com::Variant(true), v)))
        if (const auto* flag = v.get<bool>()) enabled = *flag;
    setEnabled(enabled);
    changed(Prop::Caption);
}

// The library the class is registered with, else the ProgID: what the player can look for.
std::string UserControlHost::libraryName() const {
    com::Guid clsid;
    if (com::SUCCEEDED(com::CLSIDFromProgID(progId_, &clsid)))
        if (std::string path = com::InprocServerOf(clsid); !path.empty())
            return "\"" + path + "\" (" + progId_ + ")";
    return "of \"" + progId_ + "\" (not registered)";
}

void UserControlHost::ReportLoadError() const {
    static std::set<std::string> told;
    if (!fallback_ || !told.insert(progId_).second) return;
    MsgBox(loadError_, vbExclamation);
}

void UserControlHost::setDefault(bool v) { update(default_, v, Prop::Other); }
void UserControlHost::setCancel(bool v) { update(cancel_, v, Prop::Other); }

void UserControlHost::Destroy() {
    if (!instance_) return;
    if (sink_) {
        sink_->detach();
        events_->Unadvise(cookie_);
        sink_ = nullptr;
    }
    instance_->SetSite(nullptr);
    events_.reset();
    dispatch_.reset();
    instance_.reset();
}

com::HRESULT UserControlHost::Save(com::PropertyBag& bag) {
    return instance_ ? instance_->Save(bag) : com::E_UNEXPECTED;
}

// Enabled is the instance's when it has one (it then sets the host's own as it sees fit),
// else the host's.
bool UserControlHost::instanceHas(std::string_view name) {
    com::DISPID id = -1;
    return dispatch_ && com::SUCCEEDED(dispatch_->GetIDsOfNames(name, &id));
}

com::HRESULT UserControlHost::GetProperty(std::string_view name, com::Variant& out) {
    if (const ExtenderProperty* p = FindExtender(name)) {
        out = p->get(*this);
        return com::S_OK;
    }
    if (com::SameName(name, "Enabled") && (fallback_ || (dispatch_ && !instanceHas(name)))) {
        out = Enabled();
        return com::S_OK;
    }
    if (fallback_) return getStandIn(name, out);
    return dispatch_ ? com::GetProperty(*dispatch_, name, out) : com::E_UNEXPECTED;
}

// A standing-in button keeps what the form's code puts, and shows the caption.
com::HRESULT UserControlHost::getStandIn(std::string_view name, com::Variant& out) {
    if (com::SameName(name, "Caption")) {
        out = fallbackCaption_;
        return com::S_OK;
    }
    const auto found = fallbackProperties_.find(Lowered(name));
    if (found == fallbackProperties_.end()) return com::DISP_E_MEMBERNOTFOUND;
    out = found->second;
    return com::S_OK;
}

com::HRESULT UserControlHost::putStandIn(std::string_view name, com::Variant value) {
    if (!com::SameName(name, "Caption")) {
        fallbackProperties_[Lowered(name)] = std::move(value);
        return com::S_OK;
    }
    com::Variant text;
    if (const auto hr = com::ChangeType(value, com::VarType::String, text); com::FAILED(hr))
        return hr;
    update(fallbackCaption_, *text.get<std::string>(), Prop::Caption);
    return com::S_OK;
}

com::HRESULT UserControlHost::PutProperty(std::string_view name, com::Variant value) {
    const ExtenderProperty* p = FindExtender(name);
    if (!p && com::SameName(name, "Enabled") && (fallback_ || (dispatch_ && !instanceHas(name)))) {
        static const ExtenderProperty enabled{
            "Enabled", com::VarType::Boolean, nullptr,
            [](UserControlHost& c, const com::Variant& v) { c.setEnabled(*v.get<bool>()); }};
        p = &enabled;
    }
    if (!p && fallback_) return putStandIn(name, std::move(value));
    if (!p)
        return dispatch_ ? com::PutProperty(*dispatch_, name, std::move(value)) : com::E_UNEXPECTED;
    com::Variant v;
    if (const auto hr = com::ChangeType(value, p->type, v); com::FAILED(hr)) return hr;
    p->put(*this, v);
    return com::S_OK;
}

void UserControlHost::setFont(const vb::Font& v) { update(font_, v, Prop::Font); }

std::string UserControlHost::Caption() {
    com::Variant v, text;
    if (com::FAILED(GetProperty("Caption", v)) ||
        com::FAILED(com::ChangeType(v, com::VarType::String, text)))
        return {};
    return *text.get<std::string>();
}

// The instance's own Enabled sets the host's in turn, which then changes nothing.
void UserControlHost::enabledChanged() {
    Control::enabledChanged();
    if (!dispatch_ || !instanceHas("Enabled")) return;
    com::Variant now;
    if (com::SUCCEEDED(com::GetProperty(*dispatch_, "Enabled", now)) && now.get<bool>() &&
        *now.get<bool>() != Enabled())
        com::PutProperty(*dispatch_, "Enabled", com::Variant(Enabled()));
}

// The instance is kept alive through the call: a handler of the event it raises may
// make the host drop it.
void UserControlHost::deliver(const com::InputEvent& input) {
    if (const auto keep = instance_) keep->OnInput(input);
}

void UserControlHost::RaiseClick() {
    if (fallback_)
        Control::RaiseClick();
    else if (ReceivesInput())
        deliver({com::Input::Click});
}

void UserControlHost::RaiseMouseDown(int16_t button, int16_t shift, float x, float y) {
    if (ReceivesInput())
        deliver({com::Input::MouseDown, button, shift, x / kTwipsPerPixel, y / kTwipsPerPixel});
}

// A captured move reaches the instance even when the control no longer receives input, so
// that it sees the pointer leave and lets the capture go.
void UserControlHost::RaiseMouseMove(int16_t button, int16_t shift, float x, float y) {
    if (ReceivesInput() || win::GetCapture() == hWnd())
        deliver({com::Input::MouseMove, button, shift, x / kTwipsPerPixel, y / kTwipsPerPixel});
}

void UserControlHost::RaiseMouseUp(int16_t button, int16_t shift, float x, float y) {
    if (ReceivesInput())
        deliver({com::Input::MouseUp, button, shift, x / kTwipsPerPixel, y / kTwipsPerPixel});
}

void UserControlHost::RaiseMouseEnter() {
    if (ReceivesInput()) deliver({com::Input::MouseEnter});
}

void UserControlHost::RaiseMouseLeave() { deliver({com::Input::MouseLeave}); }

void UserControlHost::RaiseKeyDown(int16_t keyCode, int16_t shift) {
    if (ReceivesInput()) deliver({.kind = com::Input::KeyDown, .shift = shift, .keyCode = keyCode});
}

void UserControlHost::RaiseKeyUp(int16_t keyCode, int16_t shift) {
    if (ReceivesInput()) deliver({.kind = com::Input::KeyUp, .shift = shift, .keyCode = keyCode});
}

void UserControlHost::RaiseGotFocus() { deliver({com::Input::GotFocus}); }
void UserControlHost::RaiseLostFocus() { deliver({com::Input::LostFocus}); }
void UserControlHost::RaiseCaptureLost() { deliver({com::Input::CaptureLost}); }

// Click and the mouse events go to the form's handlers as a standard control's do, with
// positions back in twips; the rest to Events by name.
void UserControlHost::raiseEvent(com::DISPID id, std::span<com::Variant> args) {
    if (!instance_) return;
    const com::EventInfo* event = com::FindEvent(instance_->GetClassInfo().eventInterface, id);
    if (!event) return;
    const auto button = ArgAs<int16_t>(args, 0, com::VarType::Integer);
    const auto shift = ArgAs<int16_t>(args, 1, com::VarType::Integer);
    const float x = ArgAs<float>(args, 2, com::VarType::Single) * kTwipsPerPixel;
    const float y = ArgAs<float>(args, 3, com::VarType::Single) * kTwipsPerPixel;
    if (event->name == "Click")
        Control::RaiseClick();
    else if (event->name == "MouseDown")
        Control::RaiseMouseDown(button, shift, x, y);
    else if (event->name == "MouseMove")
        Control::RaiseMouseMove(button, shift, x, y);
    else if (event->name == "MouseUp")
        Control::RaiseMouseUp(button, shift, x, y);
    else if (const auto it = Events.find(event->name); it != Events.end() && it->second) {
        const EventHandler handler = it->second;  // it may rewire itself while it runs
        handler(args);
    }
}

intptr_t UserControlHost::hDC() {
    if (dc_) return dc_;
    dc_ = win::CreateCompatibleDC(0);
    bitmap_ = newSurfaceBitmap(ToPixels(Width()), ToPixels(Height()));
    oldBitmap_ = win::SelectObject(dc_, bitmap_);
    return dc_;
}

const gdi::Bitmap* UserControlHost::Surface() const {
    return dc_ ? gdi::SelectedBitmap(dc_) : nullptr;
}

vb::Picture UserControlHost::Image() { return gdi::PictureFromDC(hDC(), Name()); }

void UserControlHost::positionChanged() {
    Control::positionChanged();
    if (dc_) {
        freeSurface();
        deliver({com::Input::Resize});
    }
}

void UserControlHost::freeSurface() {
    if (!dc_) return;
    win::SelectObject(dc_, oldBitmap_);
    win::DeleteObject(bitmap_);
    win::DeleteDC(dc_);
    dc_ = bitmap_ = oldBitmap_ = 0;
}

}  // namespace vb
