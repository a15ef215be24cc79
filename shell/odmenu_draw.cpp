// Drawing one owner-drawn menu item: composed in a memory bitmap over the tiled background
// and copied onto the menu in one block, so that menus never flicker. Every drawing object
// is made and deleted within the one draw.

#include <cmath>
#include <cstring>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/user32/draw.h"
#include "platform/user32/metrics.h"
#include "shell/modODMenus.h"
#include "shell/resources.h"

namespace modODMenus {

namespace {

constexpr int32_t kCaptionLeft = kPictureColumn + 6;
constexpr int32_t kShortcutMargin = 10;
constexpr int32_t kPictureLeft = 2;
constexpr int32_t kSeparatorInset = 5;
constexpr int32_t kColumnStrip = 4;

// Half of @p n in whole pixels, a half going to the even neighbour.
int32_t Half(int32_t n) { return static_cast<int32_t>(std::nearbyint(n / 2.0)); }

// A bitmap to compose on, with a 2x twin when the target has one.
win::HBITMAP MakeCanvas(win::HDC target, int32_t w, int32_t h) {
    gdi::Bitmap canvas(std::max(w, 1), std::max(h, 1));
    const gdi::Bitmap* surface = gdi::SelectedBitmap(target);
    if (surface && surface->twin()) canvas.addDoubledTwin();
    return gdi::CreateBitmapFromPixels(canvas);
}

// The part of a caption before "&"s are taken as marks: what DrawState shows.
std::string Shown(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

win::SIZE Extent(win::HDC hdc, const std::string& text) {
    win::SIZE size{0, 0};
    win::GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int32_t>(text.size()), &size);
    return size;
}

void DrawPrefixText(win::HDC hdc, const std::string& text, int32_t x, int32_t y, bool disabled) {
    win::DrawStateA(hdc, 0, nullptr, reinterpret_cast<win::LPARAM>(text.c_str()), text.size(), x, y,
                    0, 0, win::DST_PREFIXTEXT | (disabled ? win::DSS_DISABLED : 0));
}

// Fills [left, right) x [top, bottom) of the target with the background, for the parts of
// a row the items do not cover.
void FillTarget(win::HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const win::RECT r{left, top, right, bottom};
    const win::HBRUSH brush = BackgroundBrush();
    win::FillRect(hdc, &r, brush);
    win::DeleteObject(brush);
}

// Where a row of the menu bar ends: the window less its borders.
int32_t BarRowEnd(win::HWND hwnd) {
    win::RECT r{};
    win::GetWindowRect(hwnd, &r);
    return (r.right - r.left) - 2 * win::GetSystemMetrics(win::SM_CXBORDER) - 2;
}

// The ends of rows the bar items leave: the previous row once an item starts a new one,
// and the last item's row.
void FillBarRows(win::HWND hwnd, const win::DRAWITEMSTRUCT& d) {
    const win::RECT& r = d.rcItem;
    const auto id = static_cast<int32_t>(d.itemID);
    if (id == PrevBarItem.ItemID + 1 && PrevBarItem.Top < r.top && id > kFirstBarItemID &&
        PrevBarItem.Right != 0)
        FillTarget(d.hDC, PrevBarItem.Right, PrevBarItem.Top, BarRowEnd(hwnd), PrevBarItem.Bottom);
    PrevBarItem = {r.left, r.top, r.right, r.bottom, id};
    if (id == LastTopMenuID) FillTarget(d.hDC, r.right, r.top, BarRowEnd(hwnd), r.bottom);
}

void DrawBarItem(win::HDC mem, const win::DRAWITEMSTRUCT& d, const std::string& caption, int32_t w,
                 int32_t h) {
    const bool disabled = (d.itemState & win::ODS_DISABLED) != 0;
    win::HPEN pen = 0;
    win::HBRUSH fill = 0;
    if (d.itemState & win::ODS_HOTLIGHT) {
        win::RECT frame{0, 0, w, h};
        win::DrawEdge(mem, &frame, win::BDR_RAISEDINNER, win::BF_RECT);
    } else if ((d.itemState & win::ODS_SELECTED) && !disabled) {
        pen = win::CreatePen(win::PS_SOLID, 1, GetMenuColor("BorderColor"));
        fill = win::CreateSolidBrush(GetMenuColor("Selected"));
        const win::HGDIOBJ oldPen = win::SelectObject(mem, pen);
        const win::HGDIOBJ oldBrush = win::SelectObject(mem, fill);
        win::Rectangle(mem, 0, 0, w, h);
        win::SelectObject(mem, oldPen);
        win::SelectObject(mem, oldBrush);
        win::SetTextColor(mem, GetMenuColor("SelectedText"));
    } else {
        win::SetTextColor(mem, GetMenuColor("GeneralText"));
    }
    const win::SIZE size = Extent(mem, Shown(caption));
    DrawPrefixText(mem, caption, Half(w - size.cx), Half(h - size.cy), disabled);
    win::DeleteObject(pen);
    win::DeleteObject(fill);
}

// A menu picture and its mask as bitmaps; empty when the caption has none or a resource is
// missing.
struct ItemPicture {
    win::HBITMAP bitmap = 0;
    win::HBITMAP mask = 0;
    int32_t width = 0;
    int32_t height = 0;
    ~ItemPicture() {
        win::DeleteObject(bitmap);
        win::DeleteObject(mask);
    }
};

void LoadPicture(const std::string& caption, ItemPicture& picture) {
    const auto found = MenuImages.find(caption);
    if (found == MenuImages.end()) return;
    const vb::Picture bitmap = vb::LoadResPicture(found->second[0]);
    const vb::Picture mask = vb::LoadResPicture(found->second[1]);
    if (!bitmap.bitmap() || !mask.bitmap()) return;
    picture.bitmap = gdi::CreateBitmapFromPixels(*bitmap.bitmap());
    picture.mask = gdi::CreateBitmapFromPixels(*mask.bitmap());
    picture.width = bitmap.bitmap()->width();
    picture.height = bitmap.bitmap()->height();
}

// The mask cuts the picture's shape out of the background (black where it is drawn), the
// picture, white around its shape, is laid into it.
void DrawPicture(win::HDC mem, const ItemPicture& picture, int32_t h, bool disabled) {
    const int32_t y = Half(h - picture.height);
    if (disabled) {
        win::DrawStateA(mem, 0, nullptr, picture.bitmap, 0, Half(kPictureColumn - picture.width), y,
                        0, 0, win::DST_BITMAP | win::DSS_DISABLED);
        return;
    }
    const win::HDC source = win::CreateCompatibleDC(mem);
    const win::HGDIOBJ old = win::SelectObject(source, picture.mask);
    win::BitBlt(mem, kPictureLeft, y, picture.width, picture.height, source, 0, 0, win::MERGEPAINT);
    win::SelectObject(source, picture.bitmap);
    win::BitBlt(mem, kPictureLeft, y, picture.width, picture.height, source, 0, 0, win::SRCAND);
    win::SelectObject(source, old);
    win::DeleteDC(source);
}

void DrawDropDownItem(win::HDC mem, const win::DRAWITEMSTRUCT& d, const std::string& text,
                      int32_t w, int32_t h) {
    const bool disabled = (d.itemState & win::ODS_DISABLED) != 0;
    const bool selected = (d.itemState & win::ODS_SELECTED) && !disabled;
    const size_t tab = text.find('\t');
    const std::string caption = text.substr(0, tab);
    ItemPicture picture;
    LoadPicture(caption, picture);
    if (picture.bitmap && selected) {
        win::RECT column{0, 0, kPictureColumn, h};
        win::DrawEdge(mem, &column, win::BDR_RAISEDINNER, win::BF_RECT);
    }
    if (selected) {
        const win::RECT band{picture.bitmap ? kPictureColumn : 0, 0, w, h};
        const win::HBRUSH brush = win::CreateSolidBrush(GetMenuColor("Selected"));
        win::FillRect(mem, &band, brush);
        win::DeleteObject(brush);
    }
    win::SetTextColor(mem, GetMenuColor(selected ? "SelectedText" : "menutext"));
    win::SetBkColor(mem, GetMenuColor(selected ? "Selected" : "menubg"));
    const int32_t y = Half(h - Extent(mem, Shown(caption)).cy);
    DrawPrefixText(mem, caption, kCaptionLeft, y, disabled);
    if (tab != std::string::npos) {
        const std::string shortcut = text.substr(tab + 1);
        const int32_t width = Extent(mem, Shown(shortcut)).cx;
        DrawPrefixText(mem, shortcut, w - kShortcutMargin - width, y, disabled);
    }
    if (picture.bitmap) DrawPicture(mem, picture, h, disabled);
}

}  // namespace

win::HBRUSH BackgroundBrush() {
    if (UsePictureScheme && MenuPicture.bitmap()) {
        const win::HBITMAP tile = gdi::CreateBitmapFromPixels(*MenuPicture.bitmap());
        const win::HBRUSH brush = win::CreatePatternBrush(tile);
        win::DeleteObject(tile);
        return brush;
    }
    return win::CreateSolidBrush(GetMenuColor("menubg"));
}

void DrawMenuItem(win::HWND hwnd, const win::DRAWITEMSTRUCT* drawItem) {
    if (!drawItem) return;
    const win::DRAWITEMSTRUCT d = *drawItem;
    win::MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = win::MIIM_FTYPE;
    win::GetMenuItemInfoA(static_cast<win::HMENU>(d.hwndItem), d.itemID, 0, &info);
    const bool separator = (info.fType & win::MFT_SEPARATOR) != 0;
    const bool bar = d.itemData == kBarItemData;
    const int32_t w = d.rcItem.right - d.rcItem.left, h = d.rcItem.bottom - d.rcItem.top;

    const win::HDC mem = win::CreateCompatibleDC(d.hDC);
    const win::HBITMAP canvas = MakeCanvas(d.hDC, w, h);
    const win::HGDIOBJ oldBitmap = win::SelectObject(mem, canvas);
    if (bar) FillBarRows(hwnd, d);
    const win::HBRUSH background = BackgroundBrush();
    win::SetBrushOrgEx(mem, -d.rcItem.left, -d.rcItem.top, nullptr);
    const win::RECT all{0, 0, w, h};
    win::FillRect(mem, &all, background);
    win::DeleteObject(background);

    const win::HFONT font = CreateMenuFont(mem);
    const win::HGDIOBJ oldFont = win::SelectObject(mem, font);
    // Captions lie on the tiled picture, not on cells of a flat colour.
    win::SetBkMode(mem, win::TRANSPARENT);
    if (separator) {
        win::RECT line{kSeparatorInset, Half(h - 2), w - kSeparatorInset, h - 2};
        win::DrawEdge(mem, &line, win::EDGE_ETCHED, win::BF_TOP);
    } else if (bar) {
        DrawBarItem(mem, d, StoredCaption(d.itemID, hwnd), w, h);
    } else {
        DrawDropDownItem(mem, d, StoredCaption(d.itemID, hwnd), w, h);
    }
    if (!bar && d.rcItem.left > 0)
        FillTarget(d.hDC, d.rcItem.left - kColumnStrip, d.rcItem.top, d.rcItem.left,
                   d.rcItem.bottom);
    win::BitBlt(d.hDC, d.rcItem.left, d.rcItem.top, w, h, mem, 0, 0, win::SRCCOPY);
    win::SelectObject(mem, oldFont);
    win::DeleteObject(font);
    win::SelectObject(mem, oldBitmap);
    win::DeleteObject(canvas);
    win::DeleteDC(mem);
}

}  // namespace modODMenus
