#pragma once
/// @file
/// The handle tables behind gdi32.h: device contexts and the objects selected into them.
/// Internal to platform/gdi.

#include <memory>
#include <variant>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi32.h"

namespace gdi::detail {

/// A memory device context.
struct DeviceContext {
    win::HBITMAP bitmap = 0;
    win::HBRUSH brush = 0;
    /// The selected brush's colour, kept here so that deleting a selected brush is safe:
    /// the DC paints on with it until another brush is selected.
    win::COLORREF brushColour = 0xFFFFFF;
    win::COLORREF textColour = 0x000000;
    win::COLORREF backColour = 0xFFFFFF;
};

struct BitmapObject {
    std::shared_ptr<Bitmap> pixels;
    /// The DC it is selected into, or 0. Stock bitmaps may sit in many DCs and keep 0.
    win::HDC selectedInto = 0;
};

struct BrushObject {
    win::COLORREF colour = 0;
};

struct GdiObject {
    std::variant<BitmapObject, BrushObject> kind;
    bool stock = false;
};

/// The DC behind @p hdc, or nullptr.
DeviceContext* FindDC(win::HDC hdc);
/// The object behind @p handle, or nullptr.
GdiObject* FindObject(win::HGDIOBJ handle);
/// The bitmap behind @p handle, or nullptr when it is not one.
BitmapObject* FindBitmap(win::HGDIOBJ handle);

/// Adds a DC holding the stock bitmap and the white stock brush.
win::HDC AddDC();
void EraseDC(win::HDC hdc);
win::HGDIOBJ AddObject(GdiObject object);
void EraseObject(win::HGDIOBJ handle);

/// The 1 x 1 monochrome bitmap every new memory DC holds.
win::HBITMAP StockBitmap();
/// Stock brush @p index (win::WHITE_BRUSH ...), or 0.
win::HBRUSH StockBrush(int32_t index);

/// The pixels selected into a DC that FindDC returned.
Bitmap& PixelsOf(const DeviceContext& dc);

}  // namespace gdi::detail
