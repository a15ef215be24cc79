#pragma once
/// @file
/// The gdi32 calls the program and the control library make: memory device contexts,
/// bitmaps, solid brushes, pixels and BitBlt. Handles live in tables of the platform
/// library, which both share, so a DC made in one can be used by the other. All calls
/// belong to the one user-interface thread.
///
/// Colours are COLORREF values, 0x00BBGGRR (see bitmap.h for the pixel layout behind them).
/// Handles are never 0 and never reused, so a stale handle is simply a bad one.

#include <cstdint>

namespace win {

using BOOL = int32_t;
using DWORD = uint32_t;
using COLORREF = uint32_t;
using HDC = intptr_t;
using HGDIOBJ = intptr_t;
using HBITMAP = intptr_t;
using HBRUSH = intptr_t;

/// A COLORREF from its red, green and blue parts.
constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
    return COLORREF{r} | (COLORREF{g} << 8) | (COLORREF{b} << 16);
}

/// GetPixel's answer for a point outside the bitmap or a bad DC; SetPixel's for a failure.
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

/// Raster operations for BitBlt. Bits 16 to 23 of a code are its truth table: the result
/// bit for pattern bit P, source bit S and destination bit D is bit ((P << 2) | (S << 1) | D)
/// of that byte. The low word is ignored. Any of the 256 codes may be passed.
inline constexpr DWORD SRCCOPY = 0x00CC0020;      ///< S
inline constexpr DWORD SRCPAINT = 0x00EE0086;     ///< S | D
inline constexpr DWORD SRCAND = 0x008800C6;       ///< S & D
inline constexpr DWORD SRCINVERT = 0x00660046;    ///< S ^ D
inline constexpr DWORD SRCERASE = 0x00440328;     ///< S & ~D
inline constexpr DWORD NOTSRCCOPY = 0x00330008;   ///< ~S
inline constexpr DWORD NOTSRCERASE = 0x001100A6;  ///< ~(S | D)
inline constexpr DWORD MERGECOPY = 0x00C000CA;    ///< P & S
inline constexpr DWORD MERGEPAINT = 0x00BB0226;   ///< ~S | D
inline constexpr DWORD PATCOPY = 0x00F00021;      ///< P
inline constexpr DWORD PATPAINT = 0x00FB0A09;     ///< P | ~S | D
inline constexpr DWORD PATINVERT = 0x005A0049;    ///< P ^ D
inline constexpr DWORD DSTINVERT = 0x00550009;    ///< ~D
inline constexpr DWORD BLACKNESS = 0x00000042;    ///< 0
inline constexpr DWORD WHITENESS = 0x00FF0062;    ///< 1

/// Stock brushes for GetStockObject.
enum : int32_t {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4
};

/// What GetObjectA reports of a bitmap.
struct BITMAP {
    int32_t bmType;        ///< always 0
    int32_t bmWidth;       ///< pixels
    int32_t bmHeight;      ///< pixels
    int32_t bmWidthBytes;  ///< bytes a row takes, rounded up to an even number
    uint16_t bmPlanes;     ///< always 1
    uint16_t bmBitsPixel;  ///< 32, or 1 for a monochrome bitmap
    void* bmBits;          ///< always null: the pixels are reached through the DC
};

/// What GetObjectA reports of a brush.
struct LOGBRUSH {
    uint32_t lbStyle;  ///< BS_SOLID
    COLORREF lbColor;
    uintptr_t lbHatch;  ///< 0
};
inline constexpr uint32_t BS_SOLID = 0;

// Device contexts.

/// A memory DC. It starts with a 1 x 1 monochrome stock bitmap, the white stock brush,
/// black text and a white background. @p hdc may be 0 (the screen) or any DC; a bad one
/// gives 0.
HDC CreateCompatibleDC(HDC hdc);
/// Deletes a memory DC; what was selected into it is free to be deleted or selected
/// elsewhere. 0 for a bad handle.
BOOL DeleteDC(HDC hdc);
/// Selects a bitmap, brush, pen or font into @p hdc and returns the one of that kind it
/// replaces. 0 for a bad DC or object, an object of another kind (a region), or a bitmap
/// already selected into another DC.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
/// Sets the colours a monochrome source takes in a colour destination (text for 0 bits,
/// background for 1 bits) and, for the background, which colour of a colour source
/// becomes 1 in a monochrome destination. Each returns the previous colour, or
/// CLR_INVALID for a bad DC.
COLORREF SetTextColor(HDC hdc, COLORREF colour);
COLORREF SetBkColor(HDC hdc, COLORREF colour);

// Objects.

/// A bitmap in the format of the one selected into @p hdc: monochrome while a fresh memory
/// DC still holds its stock bitmap, 32 bits otherwise (and for @p hdc 0, the screen).
/// Pixels start black. A 0 width or height gives the 1 x 1 stock bitmap; a negative one,
/// a too large one or a bad DC gives 0.
HBITMAP CreateCompatibleBitmap(HDC hdc, int32_t width, int32_t height);
/// A bitmap of @p bitsPerPixel 32 or 1 in one plane. @p bits, when not null, holds the
/// rows top down, each padded to an even number of bytes: 32-bit pixels as B, G, R and an
/// unused byte; 1-bit pixels high bit first, 1 white. Without bits the pixels are black.
/// 0 for other formats or sizes out of range.
HBITMAP CreateBitmap(int32_t width, int32_t height, uint32_t planes, uint32_t bitsPerPixel,
                     const void* bits);
HBRUSH CreateSolidBrush(COLORREF colour);
/// One of the stock brushes, or the stock pens and font of drawing.h; 0 for another index.
/// Deleting a stock object does nothing.
HGDIOBJ GetStockObject(int32_t index);
/// Deletes a bitmap, brush, pen, font or region. A bitmap selected into a DC is refused
/// (0); a selected brush, pen or font goes at once, and its DCs draw on with it until
/// another of its kind is selected. 0 for a bad handle.
BOOL DeleteObject(HGDIOBJ object);
/// Fills @p buffer with a BITMAP or LOGBRUSH and returns the bytes written; with a null
/// @p buffer returns the size it would write. A bitmap needs the whole BITMAP (else 0); a
/// brush writes as much of its LOGBRUSH as fits (a pattern brush reports its style as
/// solid). 0 for a bad handle or another kind of object.
int32_t GetObjectA(HGDIOBJ object, int32_t size, void* buffer);

// Pixels.

/// The colour at (@p x, @p y) of the DC's bitmap, or CLR_INVALID outside it.
COLORREF GetPixel(HDC hdc, int32_t x, int32_t y);
/// Sets the pixel and returns the colour it took (black or white on a monochrome bitmap),
/// or CLR_INVALID outside the bitmap or for a bad DC.
COLORREF SetPixel(HDC hdc, int32_t x, int32_t y, COLORREF colour);

// Block transfer.

/// Combines a @p cx x @p cy area of @p hdcSrc's bitmap at (@p x1, @p y1), the brush of
/// @p hdcDest and its bitmap at (@p x, @p y) by raster operation @p rop into @p hdcDest.
/// A pattern brush (drawing.h) gives each pixel its tile's colour, counted from the brush
/// origin of @p hdcDest.
/// The area is cut to both bitmaps; a zero or negative size draws nothing. Source and
/// destination may overlap: the source is read whole before anything is written. A
/// monochrome source takes the destination's text and background colours; a colour source
/// in a monochrome destination gives 1 where it matches the source DC's background
/// colour. @p hdcSrc is not used (and may be 0) when @p rop does not read the source.
/// Nonzero on success, also when nothing is left after cutting; 0 for a bad handle.
/// When the destination bitmap has a 2x twin (see bitmap.h) the same transfer is made on
/// the twin at doubled coordinates, from the source's twin, or from the source with each
/// pixel doubled when it has none.
BOOL BitBlt(HDC hdcDest, int32_t x, int32_t y, int32_t cx, int32_t cy, HDC hdcSrc, int32_t x1,
            int32_t y1, DWORD rop);

}  // namespace win
