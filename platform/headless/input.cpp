#include "platform/headless/headless_host.h"

namespace headless {

void HeadlessHost::click(vb::Control& control) {
    const float x = static_cast<float>(control.Width()) / 2;
    const float y = static_cast<float>(control.Height()) / 2;
    control.RaiseMouseDown(vb::vbLeftButton, 0, x, y);
    control.RaiseMouseUp(vb::vbLeftButton, 0, x, y);
    control.RaiseClick();
}

void HeadlessHost::mouseDown(vb::Control& control, int16_t button, int16_t shift, float x,
                             float y) {
    control.RaiseMouseDown(button, shift, x, y);
}

void HeadlessHost::mouseUp(vb::Control& control, int16_t button, int16_t shift, float x, float y) {
    control.RaiseMouseUp(button, shift, x, y);
}

void HeadlessHost::mouseMove(vb::Control& control, int16_t button, int16_t shift, float x,
                             float y) {
    control.RaiseMouseMove(button, shift, x, y);
}

void HeadlessHost::keyPress(vb::Form& form, int16_t ascii) { form.RaiseKeyPress(ascii); }

void HeadlessHost::clickToolbarButton(vb::Toolbar& bar, const std::string& key) {
    bar.RaiseButtonClick(bar.Buttons(key));
}

// A menu item's container is its menu, so the item receives input only when every menu
// above it is visible and enabled.
void HeadlessHost::clickMenu(vb::Menu& menu) { menu.RaiseClick(); }

// A shortcut works only while its item could be clicked: a hidden or disabled item, or one
// under a hidden or disabled menu, lets the key pass.
bool HeadlessHost::pressShortcut(vb::Form& form, const std::string& keys) {
    if (keys.empty()) return false;
    for (vb::Control* control : form.Controls()) {
        auto* item = dynamic_cast<vb::Menu*>(control);
        if (!item || item->Shortcut() != keys || !item->ReceivesInput()) continue;
        item->RaiseClick();
        return true;
    }
    return false;
}

}  // namespace headless
