#include "platform/types/picture.h"

namespace vb {

Picture::Picture(std::shared_ptr<const gdi::Bitmap> bitmap, std::string name)
    : bitmap_(std::move(bitmap)), name_(std::move(name)) {}

Picture Picture::Icon(std::shared_ptr<const gdi::Bitmap> colour,
                      std::shared_ptr<const gdi::Bitmap> mask, std::string name) {
    Picture icon(std::move(colour), std::move(name));
    icon.mask_ = std::move(mask);
    return icon;
}

}  // namespace vb
