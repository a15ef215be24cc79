#pragma once
// Menus that their window draws: the request to measure an owner-drawn menu item and to
// draw it, sent to the window procedure of the menu's window, and a GDI canvas for the
// drawing, made at the screen's sharpness.

#include <QImage>
#include <QRect>
#include <QSize>
#include <optional>

#include "platform/user32/menus.h"

namespace qthost {

// A memory DC over a bitmap of one size, cleared to the button face, for a widget of
// device pixel ratio @p ratio: with a 2x twin where the ratio is 2 or more (drawing on a
// twin that is never shown would cost four times the drawing). The DC and bitmap go with it.
class GdiCanvas {
public:
    GdiCanvas(QSize size, qreal ratio);
    ~GdiCanvas();
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    win::HDC dc() const { return dc_; }
    // What was drawn, as the widget shows it.
    QImage image() const;

private:
    qreal ratio_;
    win::HDC dc_;
    win::HBITMAP bitmap_;
    win::HGDIOBJ stock_;
};

// Whether the item at @p position of @p menu is owner-drawn.
bool OwnerDrawn(win::HMENU menu, int32_t position);
// The size @p owner gives the owner-drawn item at @p position of @p menu (WM_MEASUREITEM),
// or nothing when the item is not owner-drawn.
std::optional<QSize> MeasureItem(win::HWND owner, win::HMENU menu, int32_t position);
// Asks @p owner to draw the item at @p position of @p menu on @p dc within @p rect
// (WM_DRAWITEM) in the state @p state (ODS_ flags).
void DrawItem(win::HWND owner, win::HMENU menu, int32_t position, win::UINT state,
              const QRect& rect, win::HDC dc);

}  // namespace qthost
