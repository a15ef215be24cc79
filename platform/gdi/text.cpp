// Fonts and text: creating fonts, their metrics, measuring and drawing text.

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/gdi/font_engine.h"
#include "platform/gdi/handles.h"
#include "platform/gdi/text_shape.h"

namespace win {

using namespace gdi::detail;

namespace {

uint8_t byteOf(uint32_t value) { return static_cast<uint8_t>(value); }

}  // namespace

HFONT CreateFontA(int32_t height, int32_t width, int32_t escapement, int32_t orientation,
                  int32_t weight, uint32_t italic, uint32_t underline, uint32_t strikeOut,
                  uint32_t charSet, uint32_t outPrecision, uint32_t clipPrecision, uint32_t quality,
                  uint32_t pitchAndFamily, const char* face) {
    LOGFONTA font{height,
                  width,
                  escapement,
                  orientation,
                  weight,
                  byteOf(italic),
                  byteOf(underline),
                  byteOf(strikeOut),
                  byteOf(charSet),
                  byteOf(outPrecision),
                  byteOf(clipPrecision),
                  byteOf(quality),
                  byteOf(pitchAndFamily),
                  {}};
    if (face) std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}

HFONT CreateFontIndirectA(const LOGFONTA* font) {
    if (!font) return 0;
    LOGFONTA copy = *font;
    copy.lfFaceName[LF_FACESIZE - 1] = '\0';
    return AddObject({FontObject{copy}});
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) {
    const DeviceContext* dc = FindDC(hdc);
    if (!dc || !metrics) return 0;
    const auto font = ScaledFont::Open(dc->fontDesc, 1);
    if (!font) return 0;
    *metrics = font->metrics();
    return 1;
}

BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int32_t count, SIZE* size) {
    const DeviceContext* dc = FindDC(hdc);
    if (!dc || !size || count < 0 || (!text && count > 0)) return 0;
    const auto measured =
        MeasureText(dc->fontDesc, std::string_view(text ? text : "", static_cast<size_t>(count)));
    if (!measured) return 0;
    *size = *measured;
    return 1;
}

BOOL TextOutA(HDC hdc, int32_t x, int32_t y, const char* text, int32_t count) {
    const DeviceContext* dc = FindDC(hdc);
    if (!dc || count < 0 || (!text && count > 0)) return 0;
    const auto shape = ShapeText(
        dc->fontDesc, PlainRun(std::string_view(text ? text : "", static_cast<size_t>(count))));
    if (!shape) return 0;
    gdi::Bitmap& pixels = PixelsOf(*dc);
    if (dc->bkMode == OPAQUE)
        FillSolid(pixels, x, y, int64_t{x} + shape->one.width, int64_t{y} + shape->one.height,
                  gdi::ToPixel(dc->backColour));
    PaintShape(pixels, *shape, x, y, gdi::ToPixel(dc->textColour));
    return 1;
}

}  // namespace win
