#pragma once
/// @file
/// The user32 drawing calls the owner-drawn menus and the hover button use: filled and
/// framed rectangles, 3-D edges, the focus rectangle, icons, drawing in the disabled
/// (embossed) look, and the system colours. Each draws on the DC's bitmap and, at doubled
/// coordinates, on its 2x twin.

#include <cstdint>

#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi32.h"

namespace gdi {
class Bitmap;
}

namespace win {

using HICON = intptr_t;
using LPARAM = intptr_t;
using WPARAM = uintptr_t;

/// System colour indexes for GetSysColor (and, plus one, in place of a brush for FillRect).
enum : int32_t {
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22
};
/// System colour @p index, 0 to 30, from the fixed palette of platform/gdi/colours.h; 0
/// for another index.
DWORD GetSysColor(int32_t index);

/// Fills *@p rect with @p brush, tiling a pattern from the DC's brush origin. @p brush may
/// also be a system colour index plus one. Nonzero on success, also for an empty
/// rectangle; 0 for a bad DC or brush or a null @p rect.
int32_t FillRect(HDC hdc, const RECT* rect, HBRUSH brush);

/// Edge kinds for DrawEdge: an outer and an inner ring, each raised or sunken.
inline constexpr uint32_t BDR_RAISEDOUTER = 0x1;
inline constexpr uint32_t BDR_SUNKENOUTER = 0x2;
inline constexpr uint32_t BDR_RAISEDINNER = 0x4;
inline constexpr uint32_t BDR_SUNKENINNER = 0x8;
inline constexpr uint32_t EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr uint32_t EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr uint32_t EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr uint32_t EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
/// Sides and options for DrawEdge.
inline constexpr uint32_t BF_LEFT = 0x1;
inline constexpr uint32_t BF_TOP = 0x2;
inline constexpr uint32_t BF_RIGHT = 0x4;
inline constexpr uint32_t BF_BOTTOM = 0x8;
inline constexpr uint32_t BF_RECT = 0xF;
inline constexpr uint32_t BF_MIDDLE = 0x800;   ///< fill the inside with the button face
inline constexpr uint32_t BF_ADJUST = 0x2000;  ///< shrink *rect by what was drawn

/// Draws the rings of @p edge along the sides of *@p rect that @p flags name: the outer
/// ring on the rectangle, the inner one a pixel inside (a lone inner ring on the
/// rectangle). The top and left lines stop a pixel short of a drawn bottom or right side,
/// whose lines take the corners. 0 for a bad DC or a null @p rect.
BOOL DrawEdge(HDC hdc, RECT* rect, uint32_t edge, uint32_t flags);

/// XORs a dotted outline one pixel wide along the inside of *@p rect: every other pixel,
/// those where x + y is even, is combined with the background colour, the others with the
/// text colour (so black text and a white background invert every other pixel). Drawing it
/// twice restores the bitmap. 0 for a bad DC or a null @p rect.
BOOL DrawFocusRect(HDC hdc, const RECT* rect);

/// An icon over copies of @p colour and @p mask (white where the icon is transparent),
/// which must have the same size; twins are kept. 0 otherwise.
HICON CreateIconFromPixels(const gdi::Bitmap& colour, const gdi::Bitmap& mask);
/// Deletes an icon; 0 for a bad handle.
BOOL DestroyIcon(HICON icon);
/// Draws @p icon with its top left at (@p x, @p y): each pixel ANDed with the mask, then
/// XORed with the colour. 0 for a bad DC or icon.
BOOL DrawIcon(HDC hdc, int32_t x, int32_t y, HICON icon);

/// DrawStateA's kinds of content and states.
inline constexpr uint32_t DST_TEXT = 0x1;  ///< @p data a text of @p length bytes (0: to its zero)
inline constexpr uint32_t DST_PREFIXTEXT = 0x2;  ///< the same, "&" underlining the next letter
inline constexpr uint32_t DST_ICON = 0x3;        ///< @p data an HICON
inline constexpr uint32_t DST_BITMAP = 0x4;      ///< @p data an HBITMAP
inline constexpr uint32_t DSS_NORMAL = 0x00;
inline constexpr uint32_t DSS_DISABLED = 0x20;

/// Draws text, an icon or a bitmap at (@p x, @p y) at its own size (@p cx and @p cy are not
/// used). Normal: text as TextOutA draws it, an icon as DrawIcon, a bitmap copied.
/// Disabled, embossed: the content's shape drawn in the button highlight colour a pixel
/// right and down, then in the button shadow colour in place. The shape of text is its
/// glyphs; of a bitmap, its pixels that are not white; of an icon, its opaque pixels that
/// are not white. @p brush and @p callback are not used; a non-null callback, other kinds
/// or states, or a bad DC or content give 0.
BOOL DrawStateA(HDC hdc, HBRUSH brush, const void* callback, LPARAM data, WPARAM length, int32_t x,
                int32_t y, int32_t cx, int32_t cy, uint32_t flags);

}  // namespace win
