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

// A memory DC over a bitmap of one size, with a 2x twin, cleared to the button face; the
// DC and bitmap go with it.
class GdiCanvas {
public:
    explicit GdiCanvas(QSize size);
    ~GdiCanvas();
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    win::HDC dc() const { return dc_; }
    // What was drawn, as a widget of device pixel ratio @p ratio shows it.
    QImage image(qreal ratio) const;

private:
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
