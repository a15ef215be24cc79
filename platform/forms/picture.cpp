#include "platform/forms/picture.h"

namespace vb {

Picture::Picture(std::shared_ptr<const gdi::Bitmap> bitmap, std::string name)
    : bitmap_(std::move(bitmap)), name_(std::move(name)) {}

}  // namespace vb
