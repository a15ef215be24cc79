#pragma once
/// @file
/// An image list: pictures kept for other controls (a list view's column headers) by their
/// place in the list, counted from 1. It shows nothing itself.

#include <cstdint>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/picture.h"

namespace vb {

class ImageList : public Control {
public:
    using Control::Control;
    /// Adds a picture at the end (design time).
    void Add(const Picture& picture);
    int16_t Count() const { return static_cast<int16_t>(images_.size()); }
    /// The picture at @p index, counted from 1. Raises 35600 when there is none.
    const Picture& ListImages(int16_t index) const;
    /// The colour that is see-through where a picture is drawn.
    OleColor MaskColor() const { return maskColor_; }
    void setMaskColor(OleColor v);

private:
    std::vector<Picture> images_;
    OleColor maskColor_ = 0xC0C0C0;
};

}  // namespace vb
