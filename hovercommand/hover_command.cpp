#include "hovercommand/hover_command.h"

#include "hovercommand/hover_library.h"

namespace kantrel {
namespace {

using com::HRESULT;
using com::Variant;

// The user control's own Name is its class name: the caption of a fresh button.
constexpr const char* kClassName = "HoverCommand";

// Reads @p name from @p bag converted to the type of @p fallback into @p field. A stored
// value that is not of the property's type reads as the default, so that one bad value
// in a design does not cost the dialog its button.
template <class T>
void ReadInto(const com::PropertyBag& bag, const char* name, const Variant& fallback, T& field) {
    Variant v;
    if (com::FAILED(bag.ReadProperty(name, fallback, v)) || !v.get<T>()) v = fallback;
    field = *v.get<T>();
}

}  // namespace

int32_t& LiveObjects() {
    static int32_t live = 0;
    return live;
}

HoverCommand::HoverCommand() { ++LiveObjects(); }
HoverCommand::~HoverCommand() { --LiveObjects(); }

HRESULT HoverCommand::SetSite(com::IControlSite* site) {
    site_ = site;
    return com::S_OK;
}

const com::ClassInfo& HoverCommand::GetClassInfo() { return HoverCommandClass(); }

// The host has no paint notification of its own: a button set up by InitNew or Load draws
// its first face at once, as the host's first paint would.
HRESULT HoverCommand::InitNew() {
    m_Caption = kClassName;
    m_Style = hcsThinBorder;
    m_HovPicture = m_Picture = m_BGPicture = vb::Picture();
    m_ImageOffset = 10;
    m_BorderOffset = 10;
    m_HAlign = hcaLeft;
    m_GrabBG = false;
    m_Enabled = true;
    m_ForeColor = com::Color{kDefaultForeColor};
    m_BackColor = com::Color{kDefaultBackColor};
    m_HighlightColor = com::Color{kDefaultHighlightColor};
    return UserControl_Paint();
}

HRESULT HoverCommand::Load(const com::PropertyBag& bag) {
    const vb::Picture none;
    auto read = [&](const char* name, const Variant& fallback, auto& field) {
        ReadInto(bag, name, fallback, field);
    };
    read("Caption", Variant(kClassName), m_Caption);
    read("Style", Variant(int32_t{hcsThinBorder}), m_Style);
    read("HovPicture", Variant(none), m_HovPicture);
    read("Picture", Variant(none), m_Picture);
    read("BGPicture", Variant(none), m_BGPicture);
    if (site_) {
        vb::Font font = site_->Font();
        read("Font", Variant(font), font);
        site_->setFont(font);
    }
    read("ImageOffset", Variant(int16_t{10}), m_ImageOffset);
    read("BorderOffset", Variant(int16_t{10}), m_BorderOffset);
    read("HAlign", Variant(int32_t{hcaLeft}), m_HAlign);
    read("GrabBG", Variant(false), m_GrabBG);
    read("Enabled", Variant(true), m_Enabled);
    read("ForeColor", Variant(com::Color{kDefaultForeColor}), m_ForeColor);
    read("BackColor", Variant(com::Color{kDefaultBackColor}), m_BackColor);
    read("HighlightColor", Variant(com::Color{kDefaultHighlightColor}), m_HighlightColor);
    return UserControl_Paint();
}

// Picture is written before HovPicture here, the other way round from reading.
HRESULT HoverCommand::Save(com::PropertyBag& bag) {
    const Variant none{vb::Picture()};
    bag.WriteProperty("Caption", m_Caption, Variant(kClassName));
    bag.WriteProperty("Style", m_Style, Variant(int32_t{hcsThinBorder}));
    bag.WriteProperty("Picture", m_Picture, none);
    bag.WriteProperty("HovPicture", m_HovPicture, none);
    bag.WriteProperty("BGPicture", m_BGPicture, none);
    bag.WriteProperty("Font", site_ ? site_->Font() : vb::Font());
    bag.WriteProperty("ImageOffset", m_ImageOffset, Variant(int16_t{10}));
    bag.WriteProperty("BorderOffset", m_BorderOffset, Variant(int16_t{10}));
    bag.WriteProperty("HAlign", m_HAlign, Variant(int32_t{hcaLeft}));
    bag.WriteProperty("GrabBG", m_GrabBG, Variant(false));
    bag.WriteProperty("Enabled", m_Enabled, Variant(true));
    bag.WriteProperty("ForeColor", m_ForeColor, Variant(com::Color{kDefaultForeColor}));
    bag.WriteProperty("BackColor", m_BackColor, Variant(com::Color{kDefaultBackColor}));
    bag.WriteProperty("HighlightColor", m_HighlightColor,
                      Variant(com::Color{kDefaultHighlightColor}));
    return com::S_OK;
}

HRESULT HoverCommand::GetIDsOfNames(std::string_view name, com::DISPID* id) {
    return com::IdOfName(GetClassInfo().defaultInterface, name, id);
}

HRESULT HoverCommand::Invoke(com::DISPID id, com::InvokeKind kind, std::span<Variant> args,
                             Variant* result) {
    if (const HRESULT hr =
            com::CheckInvoke(GetClassInfo().defaultInterface, id, kind, args, nullptr);
        com::FAILED(hr))
        return hr;
    if (kind == com::InvokeKind::Method) return UserControl_Paint();
    if (kind == com::InvokeKind::PropertyGet) {
        if (!result) return com::E_POINTER;
        return getProperty(id, *result);
    }
    return putProperty(id, args[0]);
}

HRESULT HoverCommand::Advise(com::IEventSink* sink, uint32_t* cookie) {
    return events_.Advise(sink, cookie);
}
HRESULT HoverCommand::Unadvise(uint32_t cookie) { return events_.Unadvise(cookie); }

}  // namespace kantrel
