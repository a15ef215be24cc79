#pragma once
/// @file
/// Fonts and text: fonts described as gdi32 describes them, drawn through FreeType from
/// the Liberation fonts. Face names the game asks for are substituted: "MS Sans Serif",
/// "Tahoma", "Arial", "Verdana" and any unknown name become Liberation Sans, "Times New
/// Roman" Liberation Serif, "Courier New" Liberation Mono. A weight of 600 or more takes
/// the bold face, a nonzero lfItalic the italic one.
///
/// Heights are in pixels as gdi32 counts them: a negative height is the character height
/// (the em), a positive one the cell height (ascent plus descent), 0 the default, a
/// character height of 12. Text is anti-aliased; on a bitmap with a 2x twin it is drawn
/// again on the twin from fonts of twice the size, each glyph at twice its position.
/// Text is Windows-1252 (Latin-1 with the typographic marks in 0x80 to 0x9F).

#include <cstdint>

#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi32.h"

namespace win {

using HFONT = intptr_t;

inline constexpr int32_t LF_FACESIZE = 32;

/// A font's description. lfWidth, lfEscapement, lfOrientation and the precision, quality
/// and pitch fields are kept but do not change the glyphs.
struct LOGFONTA {
    int32_t lfHeight;
    int32_t lfWidth;
    int32_t lfEscapement;
    int32_t lfOrientation;
    int32_t lfWeight;  ///< 400 normal, 700 bold; 0 is normal
    uint8_t lfItalic;
    uint8_t lfUnderline;
    uint8_t lfStrikeOut;
    uint8_t lfCharSet;
    uint8_t lfOutPrecision;
    uint8_t lfClipPrecision;
    uint8_t lfQuality;
    uint8_t lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];  ///< terminated by a zero byte
};

/// What GetTextMetricsA reports of the DC's font, in pixels.
struct TEXTMETRICA {
    int32_t tmHeight;  ///< ascent + descent: the height of a line's cells
    int32_t tmAscent;
    int32_t tmDescent;
    int32_t tmInternalLeading;  ///< tmHeight less the character height
    int32_t tmExternalLeading;
    int32_t tmAveCharWidth;
    int32_t tmMaxCharWidth;
    int32_t tmWeight;
    int32_t tmOverhang;
    int32_t tmDigitizedAspectX;
    int32_t tmDigitizedAspectY;
    char tmFirstChar;
    char tmLastChar;
    char tmDefaultChar;
    char tmBreakChar;
    uint8_t tmItalic;
    uint8_t tmUnderlined;
    uint8_t tmStruckOut;
    uint8_t tmPitchAndFamily;
    uint8_t tmCharSet;
};

inline constexpr int32_t FW_NORMAL = 400;
inline constexpr int32_t FW_BOLD = 700;

/// A font from its description; @p face is cut at 31 characters and may be null (the
/// default face). Always succeeds: the glyphs are looked for when the font is used.
HFONT CreateFontA(int32_t height, int32_t width, int32_t escapement, int32_t orientation,
                  int32_t weight, uint32_t italic, uint32_t underline, uint32_t strikeOut,
                  uint32_t charSet, uint32_t outPrecision, uint32_t clipPrecision, uint32_t quality,
                  uint32_t pitchAndFamily, const char* face);
/// A font from @p font; 0 when it is null.
HFONT CreateFontIndirectA(const LOGFONTA* font);

/// The metrics of the DC's font. FALSE for a bad DC, a null @p metrics or a font whose
/// glyphs cannot be found.
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);
/// The width (sum of the glyphs' advances) and height (tmHeight) of the first @p count
/// bytes of @p text in the DC's font. FALSE for a bad DC, a negative count, null pointers
/// (a null @p text is allowed with a count of 0) or missing glyphs.
BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int32_t count, SIZE* size);
/// Draws the first @p count bytes of @p text with the top left of its first cell at
/// (@p x, @p y), in the text colour, over cells filled with the background colour when the
/// background mode is OPAQUE. FALSE for a bad DC, a negative count or missing glyphs.
BOOL TextOutA(HDC hdc, int32_t x, int32_t y, const char* text, int32_t count);

}  // namespace win
