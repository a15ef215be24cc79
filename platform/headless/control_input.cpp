#include "platform/headless/headless_host.h"

namespace headless {

void HeadlessHost::typeText(vb::TextBox& box, const std::string& text) { box.RaiseTyped(text); }

void HeadlessHost::moveSlider(vb::Slider& slider, int32_t value) { slider.RaiseScroll(value); }

// The tab strip runs along the top of the control; the pointer lands in the tab's middle.
void HeadlessHost::clickTab(vb::TabControl& tabs, int16_t index) {
    if (!tabs.ReceivesInput()) return;
    const float width = static_cast<float>(tabs.Width()) / static_cast<float>(tabs.Tabs());
    const float x = width * (static_cast<float>(index) + 0.5f);
    const float y = 120;
    tabs.RaiseMouseDown(vb::vbLeftButton, 0, x, y);
    tabs.setTab(index);
    tabs.RaiseMouseUp(vb::vbLeftButton, 0, x, y);
}

void HeadlessHost::clickListItem(vb::ListView& list, const std::string& key) {
    list.RaiseItemClick(list.ListItems(key));
}

}  // namespace headless
