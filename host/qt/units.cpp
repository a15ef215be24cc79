#include "host/qt/units.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/colours.h"
#include "platform/runtime/strings.h"

namespace qthost {

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kPixelsPerInch = 96;

}  // namespace

int Px(int32_t twips) {
    return static_cast<int>(std::floor(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect PxRect(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

float TwipsX(const QPointF& px) { return static_cast<float>(px.x() * kTwipsPerPixel); }
float TwipsY(const QPointF& px) { return static_cast<float>(px.y() * kTwipsPerPixel); }

QColor ToQColor(vb::OleColor stored) {
    const uint32_t rgb = gdi::ToPixel(gdi::ResolveColour(stored));
    return QColor::fromRgb(rgb | 0xFF000000u);
}

QFont ToQFont(const vb::Font& font) {
    QFont f(QString::fromStdString(font.Name));
    const double px = static_cast<double>(font.Size) * kPixelsPerInch / kPointsPerInch;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    // The system draws a run of simple text as its characters' glyphs side by side, with no
    // kerning or ligatures; scripts that need shaping are still shaped.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

// The Windows faces the design names, each with the metric-compatible free face first.
void InstallFontSubstitutes() {
    const QStringList sans{"Liberation Sans", "Arimo", "DejaVu Sans"};
    QFont::insertSubstitutions("MS Sans Serif", sans);
    QFont::insertSubstitutions("Arial", sans);
    QFont::insertSubstitutions("Tahoma", sans);
    QFont::insertSubstitutions("Verdana", {"DejaVu Sans", "Liberation Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
}

QString ToQString(const std::string& text) {
    const std::string shown = vb::CutToCharacters(vb::Utf8Text(text), kLongestShownText);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

std::string FromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

QString WithoutMnemonics(const std::string& caption) {
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == '&')
            continue;
        shown += caption[i];
    }
    return ToQString(shown);
}

// The GDI keeps the top byte of every pixel 0; Qt's RGB32 wants it 0xFF.
QImage ToQImage(const gdi::Bitmap& bitmap) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
        const auto source = bitmap.row(y);
        for (size_t x = 0; x < source.size(); ++x) line[x] = source[x] | 0xFF000000u;
    }
    return image;
}

gdi::Bitmap FromQImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    gdi::Bitmap bitmap(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(rgb.constScanLine(y));
        auto target = bitmap.row(y);
        for (size_t x = 0; x < target.size(); ++x) target[x] = line[x] & 0xFFFFFFu;
    }
    return bitmap;
}

QImage SharpImage(const gdi::Bitmap& bitmap, qreal ratio) {
    constexpr qreal kTwinRatio = 2;
    const gdi::Bitmap* twin = bitmap.twin();
    if (ratio < kTwinRatio || !twin) return ToQImage(bitmap);
    QImage image = ToQImage(*twin);
    image.setDevicePixelRatio(kTwinRatio);
    return image;
}

}  // namespace qthost
