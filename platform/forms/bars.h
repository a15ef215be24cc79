#pragma once
/// @file
/// The common controls of the main window: Toolbar (buttons by position and by key, their
/// pictures from an image list) and StatusBar (panels by number).

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "platform/forms/control.h"
#include "platform/forms/image_list.h"
#include "platform/types/picture.h"

namespace vb {

class Toolbar;

/// The Style of a toolbar button that is a separator.
inline constexpr int16_t tbrSeparator = 3;

/// A toolbar button. Style tbrSeparator is a separator.
class ToolbarButton {
public:
    ToolbarButton(Toolbar& bar, int16_t index, std::string key, int16_t image, int16_t style);
    int16_t Index() const { return index_; }
    const std::string& Key() const { return key_; }
    int16_t Style() const { return style_; }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool Visible() const { return visible_; }
    void setVisible(bool v);
    /// The picture's index in the toolbar's image list (1-based).
    int16_t Image() const { return image_; }
    void setImage(int16_t v);
    const std::string& ToolTipText() const { return toolTip_; }
    void setToolTipText(const std::string& v);

private:
    Toolbar& bar_;
    int16_t index_;
    std::string key_;
    int16_t image_;
    int16_t style_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string toolTip_;
};

class Toolbar : public Control {
public:
    using Control::Control;
    /// Adds a button at the end (design time); returns it.
    ToolbarButton& AddButton(std::string key, int16_t image, int16_t style = 0);
    /// The button at @p index, counted from 1. Raises run-time error 9 when there is none.
    ToolbarButton& Buttons(int16_t index);
    /// The button with key @p key. Raises run-time error 9 when there is none.
    ToolbarButton& Buttons(std::string_view key);
    int16_t ButtonCount() const { return static_cast<int16_t>(buttons_.size()); }
    /// Where the buttons' pictures come from, or nullptr.
    vb::ImageList* ImageList() const { return imageList_; }
    void setImageList(vb::ImageList* list);
    /// Shows the bar anew.
    void Refresh() { changed(Prop::Other); }

    std::function<void(ToolbarButton&)> ButtonClick;
    /// Raises ButtonClick when the bar and the button receive input.
    void RaiseButtonClick(ToolbarButton& button);

    /// A button's state changed (buttons call this).
    void buttonChanged() { changed(Prop::Items); }

private:
    std::deque<ToolbarButton> buttons_;
    vb::ImageList* imageList_ = nullptr;
};

/// A status-bar panel.
class Panel {
public:
    Panel(class StatusBar& bar, int16_t index) : bar_(bar), index_(index) {}
    int16_t Index() const { return index_; }
    const std::string& Text() const { return text_; }
    void setText(const std::string& v);
    int32_t Width() const { return width_; }
    void setWidth(int32_t v);
    bool Visible() const { return visible_; }
    void setVisible(bool v);
    /// 0 no auto size, 1 spring, 2 contents.
    int16_t AutoSize() const { return autoSize_; }
    void setAutoSize(int16_t v);

private:
    StatusBar& bar_;
    int16_t index_;
    std::string text_;
    int32_t width_ = 1440;
    bool visible_ = true;
    int16_t autoSize_ = 0;
};

class StatusBar : public Control {
public:
    using Control::Control;
    /// Adds a panel at the end (design time); returns it.
    Panel& AddPanel(int32_t width);
    /// The panel numbered @p index, counted from 1. Raises run-time error 9 when there is
    /// none.
    Panel& Panels(int16_t index);
    int16_t PanelCount() const { return static_cast<int16_t>(panels_.size()); }

    /// A panel's state changed (panels call this).
    void panelChanged() { changed(Prop::Items); }

private:
    std::deque<Panel> panels_;
};

}  // namespace vb
