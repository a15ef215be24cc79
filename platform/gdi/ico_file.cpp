// An icon file's first image as an icon picture: its colour pixels, and a mask that is
// white where the icon is see-through.

#include "platform/gdi/ico_file.h"

#include <memory>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/icon_image.h"

namespace gdi {

vb::Picture PictureFromIco(std::span<const uint8_t> b, std::string name) {
    constexpr uint32_t kWhite = 0xFFFFFF;
    const std::optional<IconImage> image = ReadIconImage(b, kIconFile);
    if (!image) return {};
    auto colour = std::make_shared<Bitmap>(image->width, image->height);
    auto mask = std::make_shared<Bitmap>(image->width, image->height);
    size_t at = 0;
    for (int32_t y = 0; y < image->height; ++y) {
        for (int32_t x = 0; x < image->width; ++x, ++at) {
            const uint32_t argb = image->pixels[at];
            const bool clear = image->masked[at] || (image->bits == 32 && (argb >> 24) == 0);
            // A see-through pixel leaves what lies under it: AND white, then XOR black.
            colour->row(y)[static_cast<size_t>(x)] = clear ? 0 : argb & kWhite;
            mask->row(y)[static_cast<size_t>(x)] = clear ? kWhite : 0;
        }
    }
    return vb::Picture::Icon(std::move(colour), std::move(mask), std::move(name));
}

}  // namespace gdi
