#pragma once
/// @file
/// The intrinsic controls: Label, CommandButton, PictureBox, Image, Shape, Line, Timer and
/// menu items.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/forms/control.h"
#include "platform/types/picture.h"

namespace vb {

/// Text alignment of labels.
enum : int16_t { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

/// The BorderStyle of a label or picture box with a single line around it.
inline constexpr int16_t vbFixedSingle = 1;

class Label : public Control {
public:
    using Control::Control;
    /// The text; "" when empty.
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& v);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor v);
    OleColor ForeColor() const { return foreColor_; }
    void setForeColor(OleColor v);
    /// 0 transparent, 1 opaque.
    int16_t BackStyle() const { return backStyle_; }
    void setBackStyle(int16_t v);
    int16_t Alignment() const { return alignment_; }
    void setAlignment(int16_t v);
    /// 0 none, 1 fixed single (a thin dark border inside the label's rectangle).
    int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int16_t v);
    const vb::Font& Font() const { return font_; }
    void setFont(const vb::Font& v);

private:
    std::string caption_;
    OleColor backColor_ = vbButtonFace;
    OleColor foreColor_ = vbButtonText;
    int16_t backStyle_ = 1;
    int16_t alignment_ = vbLeftJustify;
    int16_t borderStyle_ = 0;
    vb::Font font_;
};

class CommandButton : public Control {
public:
    using Control::Control;
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& v);
    /// The picture a graphical button shows while enabled.
    const vb::Picture& Picture() const { return picture_; }
    void setPicture(const vb::Picture& v);
    /// The picture a graphical button shows while disabled.
    const vb::Picture& DisabledPicture() const { return disabledPicture_; }
    void setDisabledPicture(const vb::Picture& v);
    /// 0 standard, 1 graphical.
    int16_t Style() const { return style_; }
    void setStyle(int16_t v);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor v);
    const vb::Font& Font() const { return font_; }
    void setFont(const vb::Font& v);
    /// The button Enter presses when the focused control does not take Enter itself.
    bool Default() const { return default_; }
    void setDefault(bool v);
    /// The button Escape presses.
    bool Cancel() const { return cancel_; }
    void setCancel(bool v);

private:
    std::string caption_;
    vb::Picture picture_;
    vb::Picture disabledPicture_;
    int16_t style_ = 0;
    OleColor backColor_ = vbButtonFace;
    vb::Font font_;
    bool default_ = false;
    bool cancel_ = false;
};

/// A picture box. Its Picture is what it shows; drawing on its device context changes
/// the picture it shows (see platform/gdi).
class PictureBox : public Control {
public:
    using Control::Control;
    const vb::Picture& Picture() const { return picture_; }
    void setPicture(const vb::Picture& v);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor v);
    /// 0 none, 1 fixed single.
    int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int16_t v);
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool v);
    /// Shows what was drawn since the last refresh.
    void Refresh();
    /// A device context that draws on the box's persistent picture: made on first use,
    /// sized to the box in pixels, filled with BackColor, with Picture drawn at its top left.
    /// Setting Picture draws it there again.
    intptr_t hDC();
    /// The persistent picture as drawn so far.
    vb::Picture Image();

private:
    vb::Picture picture_;
    OleColor backColor_ = vbButtonFace;
    int16_t borderStyle_ = 0;
    bool autoRedraw_ = false;
};

class Image : public Control {
public:
    using Control::Control;
    const vb::Picture& Picture() const { return picture_; }
    void setPicture(const vb::Picture& v);
    bool Stretch() const { return stretch_; }
    void setStretch(bool v);

private:
    vb::Picture picture_;
    bool stretch_ = false;
};

/// Shape kinds.
enum : int16_t {
    vbShapeRectangle = 0,
    vbShapeSquare = 1,
    vbShapeOval = 2,
    vbShapeCircle = 3,
    vbShapeRoundedRectangle = 4,
    vbShapeRoundedSquare = 5
};

class Shape : public Control {
public:
    using Control::Control;
    int16_t Kind() const { return kind_; }
    void setKind(int16_t v);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor v);
    /// 0 transparent, 1 opaque.
    int16_t BackStyle() const { return backStyle_; }
    void setBackStyle(int16_t v);
    OleColor BorderColor() const { return borderColor_; }
    void setBorderColor(OleColor v);
    int16_t BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int16_t v);
    /// 0 transparent border, 1 solid.
    int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int16_t v);

private:
    int16_t kind_ = vbShapeRectangle;
    OleColor backColor_ = vbWhite;
    int16_t backStyle_ = 0;
    OleColor borderColor_ = vbBlack;
    int16_t borderWidth_ = 1;
    int16_t borderStyle_ = 1;
};

/// A line from (X1, Y1) to (X2, Y2), in twips of its container.
class Line : public Control {
public:
    using Control::Control;
    int32_t X1() const { return x1_; }
    int32_t Y1() const { return y1_; }
    int32_t X2() const { return x2_; }
    int32_t Y2() const { return y2_; }
    void setX1(int32_t v);
    void setY1(int32_t v);
    void setX2(int32_t v);
    void setY2(int32_t v);
    void setEnds(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    OleColor BorderColor() const { return borderColor_; }
    void setBorderColor(OleColor v);
    int16_t BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int16_t v);

private:
    int32_t x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    OleColor borderColor_ = vbBlack;
    int16_t borderWidth_ = 1;
};

/// A timer: one Timer event per Interval milliseconds while it is enabled and its form is
/// loaded. Timers are made enabled with Interval 0. Enabling it (Control::setEnabled) or
/// changing its interval starts the countdown afresh.
class Timer : public Control {
public:
    Timer(Form& owner, std::string name, int16_t index = -1);
    uint32_t Interval() const { return interval_; }
    void setInterval(uint32_t ms);
    /// The Timer event.
    std::function<void()> Tick;
    /// Whether it would tick now: enabled, a non-zero interval, and its form loaded.
    bool Running() const;
    /// Delivers one tick (the host calls this); nothing when the timer is not running.
    void RaiseTimer();

protected:
    /// Tells the host the countdown starts afresh (or stops).
    void enabledChanged() override;

private:
    uint32_t interval_ = 0;
};

/// A menu item. Items with children are menus; the host builds the menu bar from the
/// form's top-level items in design order. An item's container is its parent menu, so an
/// item under a hidden or disabled menu cannot be clicked.
class Menu : public Control {
public:
    Menu(Form& owner, std::string name, std::string caption, Menu* parentMenu = nullptr,
         int16_t index = -1);
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& v);
    bool Checked() const { return checked_; }
    void setChecked(bool v);
    /// The shortcut key text shown beside the caption ("F2", "Ctrl+Z"), or "".
    const std::string& Shortcut() const { return shortcut_; }
    void setShortcut(const std::string& v);
    Menu* ParentMenu() const { return parentMenu_; }

protected:
    /// Brings the form's system menus up to date, then tells the host.
    void changed(Prop what) override;

private:
    std::string caption_;
    bool checked_ = false;
    std::string shortcut_;
    Menu* parentMenu_;
};

}  // namespace vb
