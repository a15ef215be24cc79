#pragma once
// HoverCommand: a push button that draws its own face, lights up under the mouse and
// raises Click when pressed with the mouse, Space or Enter.

#include <string>

#include "hovercommand/hover_library.h"
#include "platform/com/events.h"
#include "platform/com/user_control.h"
#include "platform/gdi/drawing.h"

namespace kantrel {

// Instances and factories of the library alive now; the library may unload at 0.
int32_t& LiveObjects();

class HoverCommand : public com::Object<com::IUserControl, com::IDispatch, com::IConnectionPoint> {
public:
    HoverCommand();
    ~HoverCommand() override;

    com::HRESULT SetSite(com::IControlSite* site) override;
    const com::ClassInfo& GetClassInfo() override;
    com::HRESULT InitNew() override;
    com::HRESULT Load(const com::PropertyBag& bag) override;
    com::HRESULT Save(com::PropertyBag& bag) override;
    com::HRESULT OnInput(const com::InputEvent& input) override;

    com::HRESULT GetIDsOfNames(std::string_view name, com::DISPID* id) override;
    com::HRESULT Invoke(com::DISPID id, com::InvokeKind kind, std::span<com::Variant> args,
                        com::Variant* result) override;

    com::HRESULT Advise(com::IEventSink* sink, uint32_t* cookie) override;
    com::HRESULT Unadvise(uint32_t cookie) override;

private:
    com::HRESULT getProperty(com::DISPID id, com::Variant& out);
    com::HRESULT putProperty(com::DISPID id, const com::Variant& value);
    template <class T>
    com::HRESULT putValue(T& field, const T& value, const char* name);
    com::HRESULT putCaption(const std::string& value);
    com::HRESULT putEnabled(bool value);
    com::HRESULT putPicture(vb::Picture& field, const vb::Picture& value, const char* name);

    // Input (hover_input.cpp).
    com::HRESULT onMouse(const com::InputEvent& input);
    com::HRESULT onKey(const com::InputEvent& input);
    com::HRESULT setState(int16_t state);
    void backToRest();
    com::HRESULT fireMouse(com::DISPID id, const com::InputEvent& input);

    // Painting (hover_paint.cpp).
    com::HRESULT UserControl_Paint();
    void DrawPicture(win::HDC dc, int32_t w, int32_t h, int32_t d, int32_t textW);
    void paintBackground(win::HDC dc, int32_t w, int32_t h, int32_t d);
    void grabBackground(win::HDC dc, int32_t w, int32_t h, int32_t d);
    void DrawCaption(win::HDC dc, int32_t w, int32_t h, int32_t d, win::SIZE text);
    void DrawBorder(win::HDC dc, int32_t w, int32_t h);
    void DrawFocus(win::HDC dc, int32_t w, int32_t h);
    void drawTransparent(win::HDC dc, const vb::Picture& picture, int32_t x, int32_t y);
    void drawIcon(win::HDC dc, const vb::Picture& picture, int32_t x, int32_t y);
    win::COLORREF TranslateColor(com::Color colour) const;
    const vb::Picture* shownPicture() const;

    com::IControlSite* site_ = nullptr;
    com::EventSource events_;

    std::string m_Caption = "HoverCommand";
    vb::Picture m_Picture, m_HovPicture, m_BGPicture;
    int32_t m_Style = 2;
    int16_t m_State = 0;
    bool m_GrabBG = false;
    int32_t m_HAlign = 0;
    int16_t m_ImageOffset = 10;
    int16_t m_BorderOffset = 10;
    bool m_Enabled = true;
    bool m_HasFocus = false;
    com::Color m_ForeColor{kDefaultForeColor}, m_BackColor{kDefaultBackColor},
        m_HighlightColor{kDefaultHighlightColor};
};

}  // namespace kantrel
