#pragma once
/// @file
/// An image list: a numbered row of pictures that other controls (a list view's column
/// headers, a toolbar's buttons) show by index. It is never seen on the window itself.

#include <cstdint>
#include <deque>

#include "platform/forms/control.h"
#include "platform/types/picture.h"

namespace vb {

class ImageList : public Control {
public:
    using Control::Control;
    /// Adds @p picture at the end (design time).
    void Add(const Picture& picture);
    /// Removes every picture.
    void Clear();
    int16_t Count() const { return static_cast<int16_t>(images_.size()); }
    /// The picture numbered @p index, counted from 1. Raises 35600 when there is none.
    const Picture& ListImages(int16_t index) const;
    /// The colour that is see-through where a picture is drawn.
    OleColor MaskColor() const { return maskColor_; }
    void setMaskColor(OleColor v);

private:
    std::deque<Picture> images_;  // a picture handed out stays where it is
    OleColor maskColor_ = 0xC0C0C0;
};

}  // namespace vb
