// A button picture drawn transparent on the colour of its top-left pixel: every pixel of
// that colour, inside the picture too, lets the background show. An icon brings its own
// mask instead.

#include "hovercommand/hover_command.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/user32/draw.h"

namespace kantrel {
namespace {

constexpr win::COLORREF kWhite = 0xFFFFFF, kBlack = 0;

// A memory DC holding @p bitmap, which it puts back and deletes with itself.
class MemoryDC {
public:
    MemoryDC(win::HDC like, win::HBITMAP bitmap)
        : dc_(win::CreateCompatibleDC(like)),
          bitmap_(bitmap),
          old_(win::SelectObject(dc_, bitmap)) {}
    ~MemoryDC() {
        release();
        win::DeleteObject(bitmap_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    win::HDC dc() const { return dc_; }
    // Lets the bitmap go from the DC, to be drawn by handle.
    win::HBITMAP release() {
        if (dc_) {
            win::SelectObject(dc_, old_);
            win::DeleteDC(dc_);
            dc_ = 0;
        }
        return bitmap_;
    }

private:
    win::HDC dc_;
    win::HBITMAP bitmap_;
    win::HGDIOBJ old_;
};

}  // namespace

// At its own size; disabled, embossed in the button's shadow and highlight colours.
void HoverCommand::drawIcon(win::HDC dc, const vb::Picture& picture, int32_t x, int32_t y) {
    const win::HICON icon = win::CreateIconFromPixels(*picture.bitmap(), *picture.mask());
    if (!icon) return;
    if (m_Enabled)
        win::DrawIcon(dc, x, y, icon);
    else
        win::DrawStateA(dc, 0, nullptr, icon, 0, x, y, 0, 0, win::DST_ICON | win::DSS_DISABLED);
    win::DestroyIcon(icon);
}

void HoverCommand::drawTransparent(win::HDC dc, const vb::Picture& picture, int32_t x, int32_t y) {
    const int32_t pw = picture.bitmap()->width(), ph = picture.bitmap()->height();
    MemoryDC source(dc, gdi::CreateBitmapFromPixels(*picture.bitmap()));
    MemoryDC mask(dc, win::CreateBitmap(pw, ph, 1, 1, nullptr));
    const win::COLORREF key = win::GetPixel(source.dc(), 0, 0);
    for (int32_t row = 0; row < ph; ++row)
        for (int32_t col = 0; col < pw; ++col)
            win::SetPixel(mask.dc(), col, row,
                          win::GetPixel(source.dc(), col, row) == key ? kWhite : kBlack);

    // The picture with its key pixels made white.
    MemoryDC whitened(dc, win::CreateCompatibleBitmap(dc, pw, ph));
    win::BitBlt(whitened.dc(), 0, 0, pw, ph, mask.dc(), 0, 0, win::SRCCOPY);
    win::BitBlt(whitened.dc(), 0, 0, pw, ph, source.dc(), 0, 0, win::SRCPAINT);

    if (m_Enabled) {
        const win::COLORREF oldBk = win::SetBkColor(dc, kWhite);
        const win::COLORREF oldText = win::SetTextColor(dc, kBlack);
        win::BitBlt(dc, x, y, pw, ph, mask.dc(), 0, 0, win::MERGEPAINT);
        win::BitBlt(dc, x, y, pw, ph, whitened.dc(), 0, 0, win::SRCAND);
        win::SetTextColor(dc, oldText);
        win::SetBkColor(dc, oldBk);
        return;
    }
    const win::COLORREF oldBk = win::SetBkColor(dc, key);
    win::DrawStateA(dc, 0, nullptr, whitened.release(), 0, x, y, 0, 0,
                    win::DST_BITMAP | win::DSS_DISABLED);
    win::SetBkColor(dc, oldBk);
}

}  // namespace kantrel
