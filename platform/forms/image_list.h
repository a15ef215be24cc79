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

private:
    std::vector<Picture> images_;
};

}  // namespace vb
