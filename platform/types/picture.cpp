#include "platform/types/picture.h"

namespace vb {

Picture::Picture(std::shared_ptr<const gdi::Bitmap> bitmap, std::string name)
    : pixels_(bitmap ? std::make_shared<Pixels>(Pixels{std::move(bitmap), {}}) : nullptr),
      name_(std::move(name)) {}

Picture Picture::Deferred(Decoder decode, std::string name) {
    Picture picture;
    picture.pixels_ = std::make_shared<Pixels>(Pixels{nullptr, std::move(decode)});
    picture.name_ = std::move(name);
    return picture;
}

// A picture not decoded yet shares its pixels only with its own copies.
bool operator==(const Picture& a, const Picture& b) {
    if (a.name_ != b.name_ || a.mask_ != b.mask_) return false;
    if (a.pixels_ == b.pixels_) return true;
    const bool decoded = (!a.pixels_ || !a.pixels_->decode) && (!b.pixels_ || !b.pixels_->decode);
    return decoded && a.bitmap() == b.bitmap();
}

const std::shared_ptr<const gdi::Bitmap>& Picture::bitmap() const {
    static const std::shared_ptr<const gdi::Bitmap> none;
    if (!pixels_) return none;
    if (pixels_->decode) {
        const Decoder decode = std::move(pixels_->decode);
        pixels_->decode = nullptr;
        pixels_->bitmap = decode();
    }
    return pixels_->bitmap;
}

Picture Picture::Icon(std::shared_ptr<const gdi::Bitmap> colour,
                      std::shared_ptr<const gdi::Bitmap> mask, std::string name) {
    Picture icon(std::move(colour), std::move(name));
    icon.mask_ = std::move(mask);
    return icon;
}

}  // namespace vb
