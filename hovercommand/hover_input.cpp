// The hover and press states: 0 at rest, 1 under the mouse, 2 pressed. Every change
// repaints at once; the mouse is captured while the pointer is inside so that the first
// move outside still arrives and puts the button back at rest.

#include <array>

#include "hovercommand/hover_command.h"
#include "hovercommand/hover_library.h"
#include "platform/types/input.h"
#include "platform/user32/capture.h"

namespace kantrel {
namespace {

using vb::vbKeyReturn;
using vb::vbKeySpace;
using vb::vbLeftButton;

bool PressKey(int16_t keyCode) { return keyCode == vbKeySpace || keyCode == vbKeyReturn; }

}  // namespace

using com::HRESULT;

HRESULT HoverCommand::OnInput(const com::InputEvent& input) {
    using com::Input;
    switch (input.kind) {
        case Input::MouseMove:
        case Input::MouseDown:
        case Input::MouseUp:
            return m_Enabled ? onMouse(input) : com::S_OK;
        case Input::Click: {
            const HRESULT hr = setState(0);
            if (com::FAILED(hr) || !m_Enabled) return hr;
            return events_.Fire(kEvClick);
        }
        case Input::KeyDown:
        case Input::KeyUp:
            return m_Enabled ? onKey(input) : com::S_OK;
        case Input::GotFocus:
            if (!m_Enabled) return com::S_OK;
            m_HasFocus = true;
            return UserControl_Paint();
        case Input::LostFocus:
            // A press the focus leaves behind would never be released.
            if (m_State == 2) backToRest();
            if (!m_Enabled) return com::S_OK;
            m_HasFocus = false;
            return UserControl_Paint();
        case Input::CaptureLost:
            // Without the capture no move tells the button that the pointer left it.
            if (m_State == 0) return com::S_OK;
            m_State = 0;
            return UserControl_Paint();
        case Input::Resize:
            return UserControl_Paint();
        default:
            return com::S_OK;
    }
}

// A move exactly on the left or top edge counts as outside.
HRESULT HoverCommand::onMouse(const com::InputEvent& input) {
    if (input.kind == com::Input::MouseDown) {
        if (input.button == vbLeftButton) {
            if (const HRESULT hr = setState(2); com::FAILED(hr)) return hr;
        }
        return fireMouse(kEvMouseDown, input);
    }
    if (input.kind == com::Input::MouseUp) {
        if (const HRESULT hr = setState(1); com::FAILED(hr)) return hr;
        return fireMouse(kEvMouseUp, input);
    }
    if (!site_ || !site_->UserMode()) return com::S_OK;
    const bool inside = input.x > 0 && input.x < static_cast<float>(site_->ScaleWidth()) &&
                        input.y > 0 && input.y < static_cast<float>(site_->ScaleHeight());
    if (!inside) {
        m_State = 0;  // before the release, which tells the button the capture is gone
        win::ReleaseCapture();
        if (const HRESULT hr = UserControl_Paint(); com::FAILED(hr)) return hr;
        return events_.Fire(kEvMouseLeave);
    }
    win::SetCapture(site_->hWnd());
    // A drag with the left button keeps whatever look the press left.
    if (input.button != vbLeftButton && m_State != 1) {
        if (const HRESULT hr = setState(1); com::FAILED(hr)) return hr;
    }
    return fireMouse(kEvMouseMove, input);
}

// Holding the key repeats key-downs, which change nothing while pressed.
HRESULT HoverCommand::onKey(const com::InputEvent& input) {
    if (!PressKey(input.keyCode)) return com::S_OK;
    if (input.kind == com::Input::KeyDown) return m_State == 2 ? com::S_OK : setState(2);
    if (m_State != 2) return com::S_OK;
    if (const HRESULT hr = setState(0); com::FAILED(hr)) return hr;
    return events_.Fire(kEvClick);
}

// Rest look without a repaint; the capture is let go when the button holds it.
void HoverCommand::backToRest() {
    m_State = 0;
    if (site_ && win::GetCapture() == site_->hWnd()) win::ReleaseCapture();
}

HRESULT HoverCommand::setState(int16_t state) {
    m_State = state;
    return UserControl_Paint();
}

// The arguments go by reference; what a handler writes into them is ignored.
HRESULT HoverCommand::fireMouse(com::DISPID id, const com::InputEvent& input) {
    std::array<com::Variant, 4> args{input.button, input.shift, input.x, input.y};
    return events_.Fire(id, args);
}

}  // namespace kantrel
