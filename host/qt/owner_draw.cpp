#include "host/qt/owner_draw.h"

#include <algorithm>
#include <utility>

#include "host/qt/units.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/colours.h"
#include "platform/gdi/dc.h"
#include "platform/user32/draw.h"

namespace qthost {

namespace {

// The item's identifier, item value and type; nothing for a missing item.
std::optional<win::MENUITEMINFOA> ItemInfo(win::HMENU menu, int32_t position) {
    win::MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = win::MIIM_ID | win::MIIM_DATA | win::MIIM_FTYPE;
    if (position < 0 || !win::GetMenuItemInfoA(menu, static_cast<win::UINT>(position), 1, &info))
        return std::nullopt;
    return info;
}

}  // namespace

GdiCanvas::GdiCanvas(QSize size, qreal ratio) : ratio_(ratio), dc_(win::CreateCompatibleDC(0)) {
    const int32_t w = std::max(1, size.width()), h = std::max(1, size.height());
    const uint32_t face = gdi::ToPixel(gdi::SysColour(win::COLOR_BTNFACE));
    gdi::Bitmap pixels(w, h, gdi::Bitmap::Format::Rgb32, face);
    if (ratio >= 2) pixels.setTwin(gdi::Bitmap(2 * w, 2 * h, gdi::Bitmap::Format::Rgb32, face));
    bitmap_ = gdi::CreateBitmapFromPixels(std::move(pixels));
    stock_ = win::SelectObject(dc_, bitmap_);
}

GdiCanvas::~GdiCanvas() {
    win::SelectObject(dc_, stock_);
    win::DeleteObject(bitmap_);
    win::DeleteDC(dc_);
}

QImage GdiCanvas::image() const {
    const gdi::Bitmap* pixels = gdi::SelectedBitmap(dc_);
    return pixels ? SharpImage(*pixels, ratio_) : QImage();
}

bool OwnerDrawn(win::HMENU menu, int32_t position) {
    const auto info = ItemInfo(menu, position);
    return info && (info->fType & win::MFT_OWNERDRAW);
}

std::optional<QSize> MeasureItem(win::HWND owner, win::HMENU menu, int32_t position) {
    const auto info = ItemInfo(menu, position);
    if (!info || !(info->fType & win::MFT_OWNERDRAW)) return std::nullopt;
    win::MEASUREITEMSTRUCT record{win::ODT_MENU, 0, info->wID, 0, 0, info->dwItemData};
    win::SendMessageA(owner, win::WM_MEASUREITEM, 0, reinterpret_cast<win::LPARAM>(&record));
    return QSize(static_cast<int>(record.itemWidth), static_cast<int>(record.itemHeight));
}

void DrawItem(win::HWND owner, win::HMENU menu, int32_t position, win::UINT state,
              const QRect& rect, win::HDC dc) {
    const auto info = ItemInfo(menu, position);
    if (!info) return;
    win::DRAWITEMSTRUCT record{win::ODT_MENU,
                               0,
                               info->wID,
                               win::ODA_DRAWENTIRE,
                               state,
                               menu,
                               dc,
                               {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1},
                               info->dwItemData};
    win::SendMessageA(owner, win::WM_DRAWITEM, 0, reinterpret_cast<win::LPARAM>(&record));
}

}  // namespace qthost
