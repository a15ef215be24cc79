#include "platform/forms/picturebox_surface.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "platform/forms/form.h"
#include "platform/gdi/colours.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/handles.h"
#include "platform/types/twips.h"

namespace gdi {

namespace {

using vb::kTwipsPerPixel;

struct Surface {
    win::HDC dc;
    win::HBITMAP bitmap;
};

// Keyed by the box's window handle, which no other control ever gets.
std::unordered_map<intptr_t, Surface>& surfaces() {
    static std::unordered_map<intptr_t, Surface> all;
    return all;
}

int32_t toPixels(int32_t twips) { return std::max(twips / kTwipsPerPixel, 1); }

Bitmap* pixelsOf(win::HBITMAP handle) {
    detail::BitmapObject* bitmap = detail::FindBitmap(handle);
    return bitmap ? &detail::Pixels(*bitmap) : nullptr;
}

// What a fresh surface shows: the box's background colour with its picture at top left.
void paintBackground(const vb::PictureBox& box, Bitmap& pixels) {
    pixels.fill(ToPixel(ResolveColour(box.BackColor())));
    if (const auto& picture = box.Picture().bitmap()) pixels.draw(*picture, 0, 0);
}

// Every surface has a twin, so that what the game copies between surfaces stays sharp at
// 2x wherever its pictures have twins.
win::HBITMAP newSurfaceBitmap(const vb::PictureBox& box) {
    const win::HBITMAP handle =
        win::CreateBitmap(toPixels(box.Width()), toPixels(box.Height()), 1, 32, nullptr);
    if (Bitmap* pixels = pixelsOf(handle)) {
        pixels->addDoubledTwin();
        paintBackground(box, *pixels);
    }
    return handle;
}

// A box that was resized gets a surface of its new size, with what was drawn kept.
void fitToBox(const vb::PictureBox& box, Surface& surface) {
    const Bitmap* old = pixelsOf(surface.bitmap);
    if (!old || (old->width() == toPixels(box.Width()) && old->height() == toPixels(box.Height())))
        return;
    const win::HBITMAP resized = newSurfaceBitmap(box);
    if (Bitmap* pixels = pixelsOf(resized)) pixels->draw(*old, 0, 0);
    win::SelectObject(surface.dc, resized);
    win::DeleteObject(surface.bitmap);
    surface.bitmap = resized;
}

void freeSurfacesOfGoneBoxes() {
    std::unordered_set<intptr_t> live;
    for (const vb::Form* form : vb::AllForms())
        for (const vb::Control* control : form->Controls()) live.insert(control->hWnd());
    std::erase_if(surfaces(), [&live](const auto& entry) {
        if (live.contains(entry.first)) return false;
        win::DeleteDC(entry.second.dc);
        win::DeleteObject(entry.second.bitmap);
        return true;
    });
}

Surface& surfaceFor(vb::PictureBox& box) {
    auto& all = surfaces();
    if (const auto found = all.find(box.hWnd()); found != all.end()) {
        fitToBox(box, found->second);
        return found->second;
    }
    freeSurfacesOfGoneBoxes();
    const Surface made{win::CreateCompatibleDC(0), newSurfaceBitmap(box)};
    win::SelectObject(made.dc, made.bitmap);
    return all.emplace(box.hWnd(), made).first->second;
}

std::string imageName(const vb::PictureBox& box) {
    std::string name = box.Name();
    if (box.Index() >= 0) name += "(" + std::to_string(box.Index()) + ")";
    return name + ".Image";
}

}  // namespace

bool PictureChanged(vb::PictureBox& box) {
    const auto found = surfaces().find(box.hWnd());
    if (found == surfaces().end()) return false;
    Bitmap* pixels = pixelsOf(found->second.bitmap);
    if (pixels) paintBackground(box, *pixels);
    return pixels != nullptr;
}

const Bitmap* SurfaceOf(const vb::PictureBox& box) {
    const auto found = surfaces().find(box.hWnd());
    return found == surfaces().end() ? nullptr : SelectedBitmap(found->second.dc);
}

}  // namespace gdi

namespace vb {

intptr_t PictureBox::hDC() { return gdi::surfaceFor(*this).dc; }

Picture PictureBox::Image() { return gdi::PictureFromDC(hDC(), gdi::imageName(*this)); }

}  // namespace vb
