#pragma once
/// @file
/// The handle tables behind gdi32.h: device contexts and the objects selected into them.
/// Internal to platform/gdi.

#include <memory>
#include <variant>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi32.h"
#include "platform/gdi/region.h"
#include "platform/gdi/text.h"

namespace gdi::detail {

/// A memory device context.
struct DeviceContext {
    win::HBITMAP bitmap = 0;
    win::HBRUSH brush = 0;
    /// The selected brush's colour, kept here so that deleting a selected brush is safe:
    /// the DC paints on with it until another brush is selected.
    win::COLORREF brushColour = 0xFFFFFF;
    /// The selected pattern brush's tile (a copy kept for the same reason), or null.
    std::shared_ptr<const Bitmap> brushPattern;
    /// Where the pattern's top left pixel lands; the tiling repeats from there.
    win::POINT brushOrigin{0, 0};
    win::HFONT font = 0;
    /// The selected font's description, kept for the same reason as the brush's colour.
    win::LOGFONTA fontDesc{};
    win::HPEN pen = 0;
    win::COLORREF penColour = 0x000000;
    bool penVisible = true;
    win::COLORREF textColour = 0x000000;
    win::COLORREF backColour = 0xFFFFFF;
    int32_t bkMode = win::OPAQUE;
};

/// A bitmap of one colour, its pixels not made yet.
struct Blank {
    int32_t width = 0;
    int32_t height = 0;
    uint32_t colour = 0;
    bool twin = false;
};

struct BitmapObject {
    /// Null for a blank bitmap until something draws on it or reads it: a window's surface
    /// that only measures text never needs its pixels. Reach them through Pixels().
    mutable std::shared_ptr<Bitmap> pixels;
    /// The DC it is selected into, or 0. Stock bitmaps may sit in many DCs and keep 0.
    win::HDC selectedInto = 0;
    Blank blank{};
};

/// The bitmap's pixels, a blank one's made now.
Bitmap& Pixels(const BitmapObject& bitmap);

struct BrushObject {
    win::COLORREF colour = 0;
    /// The tile of a pattern brush: a copy of the bitmap it was made from, twin included.
    std::shared_ptr<const Bitmap> pattern;
};

struct FontObject {
    win::LOGFONTA desc{};
};

struct PenObject {
    win::COLORREF colour = 0;
    bool visible = true;
};

struct RegionObject {
    Region shape;
};

struct IconObject {
    std::shared_ptr<const Bitmap> colour;
    /// White where the icon is transparent, black where its colour shows.
    std::shared_ptr<const Bitmap> mask;
};

struct GdiObject {
    std::variant<BitmapObject, BrushObject, FontObject, PenObject, RegionObject, IconObject> kind;
    bool stock = false;
};

/// The DC behind @p hdc, or nullptr.
DeviceContext* FindDC(win::HDC hdc);
/// The object behind @p handle, or nullptr.
GdiObject* FindObject(win::HGDIOBJ handle);
/// The bitmap behind @p handle, or nullptr when it is not one.
BitmapObject* FindBitmap(win::HGDIOBJ handle);

/// The object of kind @p T behind @p handle, or nullptr.
template <typename T>
T* FindKind(win::HGDIOBJ handle) {
    GdiObject* object = FindObject(handle);
    return object ? std::get_if<T>(&object->kind) : nullptr;
}

/// Adds a DC holding the stock bitmap, the white stock brush, the black stock pen and the
/// system font.
win::HDC AddDC();
void EraseDC(win::HDC hdc);
win::HGDIOBJ AddObject(GdiObject object);
void EraseObject(win::HGDIOBJ handle);

/// The 1 x 1 monochrome bitmap every new memory DC holds.
win::HBITMAP StockBitmap();
/// Stock object @p index (win::WHITE_BRUSH ..., win::BLACK_PEN, win::SYSTEM_FONT), or 0.
win::HGDIOBJ StockObject(int32_t index);

/// The pixels selected into a DC that FindDC returned.
Bitmap& PixelsOf(const DeviceContext& dc);

}  // namespace gdi::detail
