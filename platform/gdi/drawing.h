#pragma once
/// @file
/// The gdi32 calls beyond bitmaps and solid brushes that the owner-drawn menus and the
/// hover button draw with: rectangles and points, pens, pattern brushes and their origin,
/// the background mode of text, the device's resolution and regions.

#include <cstdint>

#include "platform/gdi/gdi32.h"

namespace win {

using HPEN = intptr_t;
using HRGN = intptr_t;

/// A rectangle: left and top inside it, right and bottom just outside.
struct RECT {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

struct POINT {
    int32_t x;
    int32_t y;
};

struct SIZE {
    int32_t cx;
    int32_t cy;
};

/// Stock objects beside the brushes of gdi32.h.
enum : int32_t { NULL_PEN = 8, BLACK_PEN = 7, SYSTEM_FONT = 13 };

/// Pen styles for CreatePen: a solid line, or none at all.
enum : int32_t { PS_SOLID = 0, PS_NULL = 5 };

/// A pen of @p style PS_SOLID or PS_NULL in @p colour. Lines are one pixel wide whatever
/// @p width says. 0 for another style.
HPEN CreatePen(int32_t style, int32_t width, COLORREF colour);

/// A brush tiling a copy of @p bitmap (twin included): later changes to the bitmap do not
/// reach it, and the bitmap may be deleted. A monochrome tile paints its 0 bits in the
/// text colour and its 1 bits in the background colour of the DC it paints on. 0 for a
/// bad handle.
HBRUSH CreatePatternBrush(HBITMAP bitmap);

/// Moves the point of the DC's bitmap where the pattern's top left pixel lands, so that
/// tiles line up across separately drawn areas. Writes the old origin to @p previous when
/// it is not null. 0 for a bad DC.
BOOL SetBrushOrgEx(HDC hdc, int32_t x, int32_t y, POINT* previous);

/// Background modes of text: TRANSPARENT leaves the cells alone, OPAQUE fills them with
/// the background colour first. A new DC is OPAQUE.
enum : int32_t { TRANSPARENT = 1, OPAQUE = 2 };
/// Sets the background mode and returns the previous one; 0 (and no change) for a bad
/// DC or a mode other than the two.
int32_t SetBkMode(HDC hdc, int32_t mode);

/// Fills [left, right) x [top, bottom) with the DC's brush and outlines it one pixel
/// wide, inside that area, with the DC's pen. An empty area draws nothing. 0 for a bad DC.
BOOL Rectangle(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom);

/// Device capabilities asked for by index; the screen is 96 dots per inch both ways.
enum : int32_t { LOGPIXELSX = 88, LOGPIXELSY = 90 };
/// 96 for LOGPIXELSX and LOGPIXELSY, 0 for another index or a bad DC.
int32_t GetDeviceCaps(HDC hdc, int32_t index);

/// A rectangular region [left, right) x [top, bottom); corners may come in any order.
HRGN CreateRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom);
/// The rectangle [left, right) x [top, bottom) with its corners rounded by quarter
/// ellipses @p ellipseWidth wide and @p ellipseHeight high (at most the rectangle's size).
HRGN CreateRoundRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom,
                        int32_t ellipseWidth, int32_t ellipseHeight);

}  // namespace win
