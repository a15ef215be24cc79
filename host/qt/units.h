#pragma once
// How the forms model's units and values look in Qt: twips as logical pixels, stored
// colours, fonts, texts and the GDI's pixels.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <cstdint>
#include <string>

#include "platform/forms/control.h"
#include "platform/types/twips.h"

namespace gdi {
class Bitmap;
}

namespace qthost {

// Qt's device pixel ratio scales the logical pixels.
using vb::kTwipsPerPixel;

// Twips as logical pixels, rounded down as the GDI sizes a picture box's surface.
int Px(int32_t twips);
// A rectangle given in twips, in pixels.
QRect PxRect(int32_t left, int32_t top, int32_t width, int32_t height);
// A point in pixels as the twips a mouse event reports.
float TwipsX(const QPointF& px);
float TwipsY(const QPointF& px);

// A stored colour (system colours resolved) as a Qt colour.
QColor ToQColor(vb::OleColor stored);
// A control's font at 96 dpi: point sizes become fixed pixel sizes, so that text fits the
// twips the design gave it on any screen.
QFont ToQFont(const vb::Font& font);
// Lets the face names the design uses find the fonts this system has.
void InstallFontSubstitutes();

// The program's text (UTF-8) as Qt shows it. Every title, caption and message reaches Qt
// through here, cut to kLongestShownText characters: a text read from outside (a player's
// name) must not reach the window system at any length.
inline constexpr size_t kLongestShownText = 1024;
QString ToQString(const std::string& text);
// The player's text as the program keeps it, in UTF-8: every letter typed stays.
std::string FromQString(const QString& text);
// A caption as a label shows it: "&&" is an ampersand, a single "&" marks a mnemonic and
// is not shown.
QString WithoutMnemonics(const std::string& caption);

// The GDI's pixels as an opaque Qt image.
QImage ToQImage(const gdi::Bitmap& bitmap);
// A Qt image's pixels for the GDI (its device pixel ratio is not looked at).
gdi::Bitmap FromQImage(const QImage& image);
// What a widget of device pixel ratio @p ratio paints for @p bitmap: its 2x twin, marked
// as of ratio 2, where the ratio is 2 or more and the bitmap has one (sharp pixels instead
// of blown-up ones); otherwise its own pixels. Either way it covers the bitmap's size in
// logical pixels.
QImage SharpImage(const gdi::Bitmap& bitmap, qreal ratio);

}  // namespace qthost
