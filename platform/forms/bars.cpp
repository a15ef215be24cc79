#include "platform/forms/bars.h"

#include <algorithm>
#include <cctype>

#include "platform/runtime/errors.h"

namespace vb {

namespace {

// Stores @p v and reports whether it changed.
template <class T>
bool assign(T& field, const T& v) {
    if (field == v) return false;
    field = v;
    return true;
}

// Keys are matched as the runtime's collections match them: without regard to case.
bool sameKey(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

ToolbarButton::ToolbarButton(Toolbar& bar, int16_t index, std::string key, int16_t image,
                             int16_t style)
    : bar_(bar), index_(index), key_(std::move(key)), image_(image), style_(style) {}

void ToolbarButton::setEnabled(bool v) {
    if (assign(enabled_, v)) bar_.buttonChanged();
}

void ToolbarButton::setVisible(bool v) {
    if (assign(visible_, v)) bar_.buttonChanged();
}

void ToolbarButton::setImage(int16_t v) {
    if (assign(image_, v)) bar_.buttonChanged();
}

void ToolbarButton::setToolTipText(const std::string& v) {
    if (assign(toolTip_, v)) bar_.buttonChanged();
}

void Toolbar::setImageList(vb::ImageList* list) {
    if (list == imageList_) return;
    imageList_ = list;
    changed(Prop::Picture);
}

ToolbarButton& Toolbar::AddButton(std::string key, int16_t image, int16_t style) {
    const auto index = static_cast<int16_t>(buttons_.size() + 1);
    ToolbarButton& b = buttons_.emplace_back(*this, index, std::move(key), image, style);
    changed(Prop::Items);
    return b;
}

ToolbarButton& Toolbar::Buttons(int16_t index) {
    if (index < 1 || index > ButtonCount()) Raise(errSubscriptOutOfRange);
    return buttons_[static_cast<size_t>(index - 1)];
}

ToolbarButton& Toolbar::Buttons(std::string_view key) {
    for (ToolbarButton& b : buttons_)
        if (!b.Key().empty() && sameKey(b.Key(), key)) return b;
    Raise(errSubscriptOutOfRange);
}

// A separator is no button: pressing on it raises nothing.
void Toolbar::RaiseButtonClick(ToolbarButton& button) {
    if (!ButtonClick || !ReceivesInput()) return;
    if (!button.Enabled() || !button.Visible() || button.Style() == tbrSeparator) return;
    auto handler = ButtonClick;
    handler(button);
}

void Panel::setText(const std::string& v) {
    if (assign(text_, v)) bar_.panelChanged();
}

void Panel::setWidth(int32_t v) {
    if (assign(width_, v)) bar_.panelChanged();
}

void Panel::setVisible(bool v) {
    if (assign(visible_, v)) bar_.panelChanged();
}

void Panel::setAutoSize(int16_t v) {
    if (assign(autoSize_, v)) bar_.panelChanged();
}

Panel& StatusBar::AddPanel(int32_t width) {
    const auto index = static_cast<int16_t>(panels_.size() + 1);
    Panel& p = panels_.emplace_back(*this, index);
    p.setWidth(width);
    changed(Prop::Items);
    return p;
}

Panel& StatusBar::Panels(int16_t index) {
    if (index < 1 || index > PanelCount()) Raise(errSubscriptOutOfRange);
    return panels_[static_cast<size_t>(index - 1)];
}

}  // namespace vb
