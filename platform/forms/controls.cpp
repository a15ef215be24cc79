#include "platform/forms/controls.h"

#include "platform/forms/form_windows.h"
#include "platform/forms/picturebox_surface.h"

namespace vb {

void Label::setCaption(const std::string& v) { update(caption_, v, Prop::Caption); }
void Label::setBackColor(OleColor v) { update(backColor_, v, Prop::Colour); }
void Label::setForeColor(OleColor v) { update(foreColor_, v, Prop::Colour); }
void Label::setBackStyle(int16_t v) { update(backStyle_, v, Prop::Colour); }
void Label::setAlignment(int16_t v) { update(alignment_, v, Prop::Other); }
void Label::setBorderStyle(int16_t v) { update(borderStyle_, v, Prop::Other); }
void Label::setFont(const vb::Font& v) { update(font_, v, Prop::Font); }

void CommandButton::setCaption(const std::string& v) { update(caption_, v, Prop::Caption); }
void CommandButton::setPicture(const vb::Picture& v) { update(picture_, v, Prop::Picture); }
void CommandButton::setDisabledPicture(const vb::Picture& v) {
    update(disabledPicture_, v, Prop::Picture);
}
void CommandButton::setStyle(int16_t v) { update(style_, v, Prop::Other); }
void CommandButton::setBackColor(OleColor v) { update(backColor_, v, Prop::Colour); }
void CommandButton::setFont(const vb::Font& v) { update(font_, v, Prop::Font); }
void CommandButton::setDefault(bool v) { update(default_, v, Prop::Other); }
void CommandButton::setCancel(bool v) { update(cancel_, v, Prop::Other); }

// Setting a picture draws it onto the box's surface again, even when it is the same one,
// wiping what was drawn over it: the host then has something new to show.
void PictureBox::setPicture(const vb::Picture& v) {
    const bool same = picture_ == v;
    picture_ = v;
    if (gdi::PictureChanged(*this) || !same) changed(Prop::Picture);
}
void PictureBox::setBackColor(OleColor v) { update(backColor_, v, Prop::Colour); }
void PictureBox::setBorderStyle(int16_t v) { update(borderStyle_, v, Prop::Other); }
void PictureBox::setAutoRedraw(bool v) { update(autoRedraw_, v, Prop::Other); }
// What was drawn on the device context reaches the screen only now.
void PictureBox::Refresh() { changed(Prop::Picture); }

void Image::setPicture(const vb::Picture& v) { update(picture_, v, Prop::Picture); }
void Image::setStretch(bool v) { update(stretch_, v, Prop::Other); }

void Shape::setKind(int16_t v) { update(kind_, v, Prop::Other); }
void Shape::setBackColor(OleColor v) { update(backColor_, v, Prop::Colour); }
void Shape::setBackStyle(int16_t v) { update(backStyle_, v, Prop::Colour); }
void Shape::setBorderColor(OleColor v) { update(borderColor_, v, Prop::Colour); }
void Shape::setBorderWidth(int16_t v) { update(borderWidth_, v, Prop::Other); }
void Shape::setBorderStyle(int16_t v) { update(borderStyle_, v, Prop::Other); }

void Line::setX1(int32_t v) { setEnds(v, y1_, x2_, y2_); }
void Line::setY1(int32_t v) { setEnds(x1_, v, x2_, y2_); }
void Line::setX2(int32_t v) { setEnds(x1_, y1_, v, y2_); }
void Line::setY2(int32_t v) { setEnds(x1_, y1_, x2_, v); }

void Line::setEnds(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) return;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    changed(Prop::Position);
}

void Line::setBorderColor(OleColor v) { update(borderColor_, v, Prop::Colour); }
void Line::setBorderWidth(int16_t v) { update(borderWidth_, v, Prop::Other); }

Menu::Menu(Form& owner, std::string name, std::string caption, Menu* parentMenu, int16_t index)
    : Control(owner, std::move(name), index),
      caption_(std::move(caption)),
      parentMenu_(parentMenu) {
    setContainer(parentMenu);
}

void Menu::setCaption(const std::string& v) { update(caption_, v, Prop::Caption); }
void Menu::setChecked(bool v) { update(checked_, v, Prop::Value); }
void Menu::setShortcut(const std::string& v) { update(shortcut_, v, Prop::Caption); }

void Menu::changed(Prop what) {
    MenuItemChanged(*this, what);
    Control::changed(what);
}

}  // namespace vb
