// The property gets and puts of HoverCommand: a put that changes nothing neither marks the
// form's design dirty nor repaints.

#include "hovercommand/hover_command.h"
#include "hovercommand/hover_library.h"

namespace kantrel {

using com::HRESULT;
using com::Variant;

HRESULT HoverCommand::getProperty(com::DISPID id, Variant& out) {
    switch (id) {
        case kHighlightColor:
            out = m_HighlightColor;
            break;
        case kBackColor:
            out = m_BackColor;
            break;
        case kForeColor:
            out = m_ForeColor;
            break;
        case kEnabled:
            out = m_Enabled;
            break;
        case kCaption:
            out = m_Caption;
            break;
        case kBGPicture:
            out = m_BGPicture;
            break;
        case kHovPicture:
            out = m_HovPicture;
            break;
        case kPicture:
            out = m_Picture;
            break;
        case kStyle:
            out = m_Style;
            break;
        case kFont:
            out = site_ ? site_->Font() : vb::Font();
            break;
        case kBorderOffset:
            out = m_BorderOffset;
            break;
        case kImageOffset:
            out = m_ImageOffset;
            break;
        case kHAlign:
            out = m_HAlign;
            break;
        case kGrabBG:
            out = m_GrabBG;
            break;
        case kHwnd:
            out = static_cast<int32_t>(site_ ? site_->hWnd() : 0);
            break;
        case kTag:
            out = site_ ? site_->Tag() : Variant();
            break;
        default:
            return com::DISP_E_MEMBERNOTFOUND;
    }
    return com::S_OK;
}

// The put's argument already has the member's type (CheckInvoke converted it).
HRESULT HoverCommand::putProperty(com::DISPID id, const Variant& v) {
    switch (id) {
        case kHighlightColor:
            return putValue(m_HighlightColor, *v.get<com::Color>(), "HighlightColor");
        case kBackColor:
            return putValue(m_BackColor, *v.get<com::Color>(), "BackColor");
        case kForeColor:
            return putValue(m_ForeColor, *v.get<com::Color>(), "ForeColor");
        case kEnabled:
            return putEnabled(*v.get<bool>());
        case kCaption:
            return putCaption(*v.get<std::string>());
        case kBGPicture:
            return putPicture(m_BGPicture, *v.get<vb::Picture>(), "BGPicture");
        case kHovPicture:
            return putPicture(m_HovPicture, *v.get<vb::Picture>(), "HovPicture");
        case kPicture:
            return putPicture(m_Picture, *v.get<vb::Picture>(), "Picture");
        case kStyle:
            return putValue(m_Style, *v.get<int32_t>(), "Style");
        case kFont:
            if (!site_) return com::E_UNEXPECTED;
            site_->setFont(*v.get<vb::Font>());
            site_->PropertyChanged("Font");
            return UserControl_Paint();
        case kBorderOffset:
            return putValue(m_BorderOffset, *v.get<int16_t>(), "BorderOffset");
        case kImageOffset:
            return putValue(m_ImageOffset, *v.get<int16_t>(), "ImageOffset");
        case kHAlign:
            return putValue(m_HAlign, *v.get<int32_t>(), "HAlign");
        case kGrabBG:
            return putValue(m_GrabBG, *v.get<bool>(), "GrabBG");
        case kTag:
            if (!site_) return com::E_UNEXPECTED;
            site_->setTag(v);
            return com::S_OK;
        default:
            return com::DISP_E_MEMBERNOTFOUND;
    }
}

template <class T>
HRESULT HoverCommand::putValue(T& field, const T& value, const char* name) {
    if (field == value) return com::S_OK;
    field = value;
    if (site_) site_->PropertyChanged(name);
    return UserControl_Paint();
}

HRESULT HoverCommand::putCaption(const std::string& value) {
    if (m_Caption == value) return com::S_OK;
    m_Caption = value;
    if (site_) {
        site_->PropertyChanged("Caption");
        site_->ProcessMessages();
    }
    return UserControl_Paint();
}

// The host's own Enabled follows in every case, so a disabled button cannot take the focus.
// A button disabled while lit or pressed goes back to rest and lets the capture go: no
// input would ever bring it back.
HRESULT HoverCommand::putEnabled(bool value) {
    HRESULT hr = com::S_OK;
    if (m_Enabled != value) {
        m_Enabled = value;
        if (!value) backToRest();
        if (site_) {
            site_->PropertyChanged("Enabled");
            site_->ProcessMessages();
        }
        hr = UserControl_Paint();
    }
    if (site_) site_->setEnabled(value);
    return hr;
}

HRESULT HoverCommand::putPicture(vb::Picture& field, const vb::Picture& value, const char* name) {
    field = value;
    if (site_) site_->PropertyChanged(name);
    return UserControl_Paint();
}

}  // namespace kantrel
