#include "platform/gdi/handles.h"

#include <array>
#include <unordered_map>

namespace gdi::detail {

namespace {

// Stock brush colours, by stock index (WHITE_BRUSH first).
constexpr std::array<win::COLORREF, 5> kStockBrushColours = {0xFFFFFF, 0xC0C0C0, 0x808080,
                                                             0x404040, 0x000000};

struct Tables {
    // DCs and objects draw from one sequence, so a DC's handle is never taken for an
    // object's. Handles start well above zero so that a small number is never valid.
    intptr_t next = 0x4000;
    std::unordered_map<win::HDC, DeviceContext> dcs;
    std::unordered_map<win::HGDIOBJ, GdiObject> objects;
    win::HBITMAP stockBitmap = 0;
    std::array<win::HBRUSH, kStockBrushColours.size()> stockBrushes{};

    Tables() {
        stockBitmap =
            add({BitmapObject{std::make_shared<Bitmap>(1, 1, Bitmap::Format::Mono)}, true});
        for (size_t i = 0; i < kStockBrushColours.size(); ++i)
            stockBrushes[i] = add({BrushObject{kStockBrushColours[i]}, true});
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
    t.dcs.emplace(t.next, DeviceContext{t.stockBitmap, t.stockBrushes[win::WHITE_BRUSH]});
    return t.next;
}

void EraseDC(win::HDC hdc) { tables().dcs.erase(hdc); }

win::HGDIOBJ AddObject(GdiObject object) { return tables().add(std::move(object)); }

void EraseObject(win::HGDIOBJ handle) { tables().objects.erase(handle); }

win::HBITMAP StockBitmap() { return tables().stockBitmap; }

win::HBRUSH StockBrush(int32_t index) {
    const auto& brushes = tables().stockBrushes;
    if (index < 0 || static_cast<size_t>(index) >= brushes.size()) return 0;
    return brushes[static_cast<size_t>(index)];
}

Bitmap& PixelsOf(const DeviceContext& dc) { return *FindBitmap(dc.bitmap)->pixels; }

}  // namespace gdi::detail
