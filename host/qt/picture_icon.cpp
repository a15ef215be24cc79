#include "host/qt/picture_icon.h"

#include <QImage>
#include <QPixmap>

#include "host/qt/units.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/colours.h"

namespace qthost {

namespace {

// @p bitmap with its @p mask colour made transparent; @p greyed washes it out to a light
// grey, as a disabled button shows it.
QPixmap ToolPixmap(const gdi::Bitmap& bitmap, QRgb mask, bool greyed, qreal ratio) {
    QImage image = ToQImage(bitmap).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            if ((p & 0xFFFFFFu) == (mask & 0xFFFFFFu)) {
                row[x] = 0;
            } else if (greyed) {
                const int light = 150 + qGray(p) * 90 / 255;
                row[x] = qRgba(light, light, light, 200);
            }
        }
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

QIcon PictureIcon(const vb::Picture& picture, vb::OleColor maskColour) {
    QIcon icon;
    const gdi::Bitmap* bitmap = picture.bitmap().get();
    if (!bitmap) return icon;
    const QRgb mask = gdi::ToPixel(gdi::ResolveColour(maskColour));
    for (const bool greyed : {false, true}) {
        const QIcon::Mode mode = greyed ? QIcon::Disabled : QIcon::Normal;
        icon.addPixmap(ToolPixmap(*bitmap, mask, greyed, 1), mode);
        if (bitmap->twin()) icon.addPixmap(ToolPixmap(*bitmap->twin(), mask, greyed, 2), mode);
    }
    return icon;
}

}  // namespace qthost
