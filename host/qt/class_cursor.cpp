#include "host/qt/class_cursor.h"

#include <QImage>
#include <QPixmap>
#include <cstring>

namespace qthost {

// The cursor's pixels are 0xAARRGGBB row by row, as Qt's ARGB32 images hold them.
std::optional<QCursor> CursorFor(win::HCURSOR cursor) {
    const auto picture = win::CursorPicture(cursor);
    if (!picture || picture->width <= 0 || picture->height <= 0) return std::nullopt;
    const auto count = static_cast<size_t>(picture->width) * static_cast<size_t>(picture->height);
    if (picture->pixels.size() < count) return std::nullopt;
    QImage image(picture->width, picture->height, QImage::Format_ARGB32);
    const auto rowBytes = static_cast<size_t>(picture->width) * sizeof(uint32_t);
    for (int y = 0; y < picture->height; ++y)
        std::memcpy(image.scanLine(y),
                    picture->pixels.data() + static_cast<size_t>(y) * picture->width, rowBytes);
    return QCursor(QPixmap::fromImage(image), picture->hotX, picture->hotY);
}

}  // namespace qthost
