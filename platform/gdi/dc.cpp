// Device contexts: making and deleting them, selecting objects, their colours and pixels.

#include "platform/gdi/dc.h"

#include "platform/gdi/handles.h"

namespace gdi {

using detail::DeviceContext;

namespace {

win::HGDIOBJ selectBitmap(DeviceContext& dc, win::HDC hdc, win::HBITMAP handle,
                          detail::BitmapObject& bitmap, bool stock) {
    if (dc.bitmap == handle) return handle;
    // A bitmap sits in one DC at a time; only the stock bitmap is shared.
    if (!stock && bitmap.selectedInto != 0) return 0;
    const win::HBITMAP previous = dc.bitmap;
    if (detail::BitmapObject* old = detail::FindBitmap(previous)) old->selectedInto = 0;
    if (!stock) bitmap.selectedInto = hdc;
    dc.bitmap = handle;
    return previous;
}

win::HGDIOBJ selectBrush(DeviceContext& dc, win::HBRUSH handle, const detail::BrushObject& brush) {
    const win::HBRUSH previous = dc.brush;
    dc.brush = handle;
    dc.brushColour = brush.colour;
    dc.brushPattern = brush.pattern;
    return previous;
}

win::HGDIOBJ selectFont(DeviceContext& dc, win::HFONT handle, const detail::FontObject& font) {
    const win::HFONT previous = dc.font;
    dc.font = handle;
    dc.fontDesc = font.desc;
    return previous;
}

win::HGDIOBJ selectPen(DeviceContext& dc, win::HPEN handle, const detail::PenObject& pen) {
    const win::HPEN previous = dc.pen;
    dc.pen = handle;
    dc.penColour = pen.colour;
    dc.penVisible = pen.visible;
    return previous;
}

}  // namespace

const Bitmap* SelectedBitmap(win::HDC hdc) {
    const DeviceContext* dc = detail::FindDC(hdc);
    return dc ? &detail::PixelsOf(*dc) : nullptr;
}

vb::Picture PictureFromDC(win::HDC hdc, std::string name) {
    const Bitmap* bitmap = SelectedBitmap(hdc);
    if (!bitmap) return {};
    return vb::Picture(std::make_shared<const Bitmap>(*bitmap), std::move(name));
}

}  // namespace gdi

namespace win {

using namespace gdi::detail;

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc != 0 && !FindDC(hdc)) return 0;
    return AddDC();
}

BOOL DeleteDC(HDC hdc) {
    const DeviceContext* dc = FindDC(hdc);
    if (!dc) return 0;
    if (BitmapObject* bitmap = FindBitmap(dc->bitmap)) bitmap->selectedInto = 0;
    EraseDC(hdc);
    return 1;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    DeviceContext* dc = FindDC(hdc);
    GdiObject* found = FindObject(object);
    if (!dc || !found) return 0;
    if (auto* bitmap = std::get_if<BitmapObject>(&found->kind))
        return gdi::selectBitmap(*dc, hdc, object, *bitmap, found->stock);
    if (const auto* brush = std::get_if<BrushObject>(&found->kind))
        return gdi::selectBrush(*dc, object, *brush);
    if (const auto* font = std::get_if<FontObject>(&found->kind))
        return gdi::selectFont(*dc, object, *font);
    if (const auto* pen = std::get_if<PenObject>(&found->kind))
        return gdi::selectPen(*dc, object, *pen);
    return 0;
}

int32_t SetBkMode(HDC hdc, int32_t mode) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    const int32_t previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

BOOL SetBrushOrgEx(HDC hdc, int32_t x, int32_t y, POINT* previous) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return 0;
    if (previous) *previous = dc->brushOrigin;
    dc->brushOrigin = {x, y};
    return 1;
}

int32_t GetDeviceCaps(HDC hdc, int32_t index) {
    if (hdc != 0 && !FindDC(hdc)) return 0;
    return index == LOGPIXELSX || index == LOGPIXELSY ? 96 : 0;
}

COLORREF SetTextColor(HDC hdc, COLORREF colour) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return CLR_INVALID;
    const COLORREF previous = dc->textColour;
    dc->textColour = colour;
    return previous;
}

COLORREF SetBkColor(HDC hdc, COLORREF colour) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return CLR_INVALID;
    const COLORREF previous = dc->backColour;
    dc->backColour = colour;
    return previous;
}

COLORREF GetPixel(HDC hdc, int32_t x, int32_t y) {
    const DeviceContext* dc = FindDC(hdc);
    if (!dc) return CLR_INVALID;
    const gdi::Bitmap& pixels = PixelsOf(*dc);
    return pixels.contains(x, y) ? gdi::ToColorref(pixels.pixel(x, y)) : CLR_INVALID;
}

COLORREF SetPixel(HDC hdc, int32_t x, int32_t y, COLORREF colour) {
    const DeviceContext* dc = FindDC(hdc);
    if (!dc) return CLR_INVALID;
    gdi::Bitmap& pixels = PixelsOf(*dc);
    if (!pixels.contains(x, y)) return CLR_INVALID;
    pixels.setPixel(x, y, gdi::ToPixel(colour));
    return gdi::ToColorref(pixels.pixel(x, y));
}

}  // namespace win
