#include "platform/forms/image_list.h"

#include "platform/runtime/errors.h"

namespace vb {

void ImageList::Add(const Picture& picture) {
    images_.push_back(picture);
    changed(Prop::Items);
}

void ImageList::Clear() {
    if (images_.empty()) return;
    images_.clear();
    changed(Prop::Items);
}

void ImageList::setMaskColor(OleColor v) { update(maskColor_, v, Prop::Colour); }

const Picture& ImageList::ListImages(int16_t index) const {
    if (index < 1 || index > Count()) Raise(35600);
    return images_[static_cast<size_t>(index - 1)];
}

}  // namespace vb
