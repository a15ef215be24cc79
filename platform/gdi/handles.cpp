#include "platform/gdi/handles.h"

#include <array>
#include <cstring>
#include <unordered_map>

namespace gdi::detail {

namespace {

// Stock brush colours, by stock index (WHITE_BRUSH first).
constexpr std::array<win::COLORREF, 5> kStockBrushColours = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040,
                                                             0x000000};

// The font a new DC holds: the bold system font, a cell 16 pixels high.
win::LOGFONTA systemFont() {
    win::LOGFONTA font{};
    font.lfHeight = 16;
    font.lfWeight = win::FW_BOLD;
    std::strcpy(font.lfFaceName, "System");
    return font;
}

struct Tables {
    // DCs and objects draw from one sequence, so a DC's handle is never taken for an
    // object's. Handles start well above zero so that a small number is never valid.
    intptr_t next = 0x4000;
    std::unordered_map<win::HDC, DeviceContext> dcs;
    std::unordered_map<win::HGDIOBJ, GdiObject> objects;
    win::HBITMAP stockBitmap = 0;
    std::array<win::HBRUSH, kStockBrushColours.size()> stockBrushes{};
    win::HPEN blackPen = 0;
    win::HPEN nullPen = 0;
    win::HFONT systemFont = 0;

    Tables() {
        stockBitmap =
            add({BitmapObject{std::make_shared<Bitmap>(1, 1, Bitmap::Format::Mono)}, true});
        for (size_t i = 0; i < kStockBrushColours.size(); ++i)
            stockBrushes[i] = add({BrushObject{kStockBrushColours[i], nullptr}, true});
        blackPen = add({PenObject{0x000000, true}, true});
        nullPen = add({PenObject{0x000000, false}, true});
        systemFont = add({FontObject{gdi::detail::systemFont()}, true});
    }

    win::HGDIOBJ add(GdiObject object) {
        next += 4;
        objects.emplace(next, std::move(object));
        return next;
    }
};

Tables& tables() {
    static Tables t;
    return t;
}

}  // namespace

DeviceContext* FindDC(win::HDC hdc) {
    auto& dcs = tables().dcs;
    const auto it = dcs.find(hdc);
    return it == dcs.end() ? nullptr : &it->second;
}

GdiObject* FindObject(win::HGDIOBJ handle) {
    auto& objects = tables().objects;
    const auto it = objects.find(handle);
    return it == objects.end() ? nullptr : &it->second;
}

BitmapObject* FindBitmap(win::HGDIOBJ handle) {
    GdiObject* object = FindObject(handle);
    return object ? std::get_if<BitmapObject>(&object->kind) : nullptr;
}

win::HDC AddDC() {
    Tables& t = tables();
    t.next += 4;
    DeviceContext dc;
    dc.bitmap = t.stockBitmap;
    dc.brush = t.stockBrushes[win::WHITE_BRUSH];
    dc.pen = t.blackPen;
    dc.font = t.systemFont;
    dc.fontDesc = std::get<FontObject>(t.objects.at(t.systemFont).kind).desc;
    t.dcs.emplace(t.next, std::move(dc));
    return t.next;
}

void EraseDC(win::HDC hdc) { tables().dcs.erase(hdc); }

win::HGDIOBJ AddObject(GdiObject object) { return tables().add(std::move(object)); }

void EraseObject(win::HGDIOBJ handle) { tables().objects.erase(handle); }

win::HBITMAP StockBitmap() { return tables().stockBitmap; }

win::HGDIOBJ StockObject(int32_t index) {
    const Tables& t = tables();
    if (index == win::BLACK_PEN) return t.blackPen;
    if (index == win::NULL_PEN) return t.nullPen;
    if (index == win::SYSTEM_FONT) return t.systemFont;
    if (index < 0 || static_cast<size_t>(index) >= t.stockBrushes.size()) return 0;
    return t.stockBrushes[static_cast<size_t>(index)];
}

Bitmap& Pixels(const BitmapObject& bitmap) {
    if (!bitmap.pixels) {
        const Blank& b = bitmap.blank;
        bitmap.pixels =
            std::make_shared<Bitmap>(b.width, b.height, Bitmap::Format::Rgb32, b.colour);
        if (b.twin)
            bitmap.pixels->setTwin(
                Bitmap(2 * b.width, 2 * b.height, Bitmap::Format::Rgb32, b.colour));
    }
    return *bitmap.pixels;
}

Bitmap& PixelsOf(const DeviceContext& dc) { return Pixels(*FindBitmap(dc.bitmap)); }

}  // namespace gdi::detail
