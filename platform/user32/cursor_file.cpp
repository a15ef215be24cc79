// A cursor file's first image as a cursor picture, with its hot spot.

#include "platform/gdi/icon_image.h"
#include "platform/user32/cursors.h"

namespace win {

std::shared_ptr<const CursorImage> ParseCursorFile(const std::vector<uint8_t>& b) {
    const std::optional<gdi::IconImage> read = gdi::ReadIconImage(b, gdi::kCursorFile);
    if (!read) return nullptr;
    auto image = std::make_shared<CursorImage>();
    image->width = read->width;
    image->height = read->height;
    image->hotX = static_cast<int32_t>(gdi::U16At(b, 10));
    image->hotY = static_cast<int32_t>(gdi::U16At(b, 12));
    image->pixels = read->pixels;
    // Below 32 bits a pixel, a set mask bit is see-through; at 32 the alpha says it.
    if (read->bits != 32)
        for (size_t i = 0; i < image->pixels.size(); ++i)
            if (read->masked[i]) image->pixels[i] = 0;
    return image;
}

}  // namespace win
