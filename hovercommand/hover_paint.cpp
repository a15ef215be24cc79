// How a HoverCommand draws its face: background, picture, caption, border and focus marks
// composed in a memory bitmap and copied onto the control in one block, so the face never
// flickers. Every drawing object is made and deleted within the one repaint.

#include <cmath>

#include "hovercommand/hover_command.h"
#include "hovercommand/hover_library.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/ole_colour.h"
#include "platform/gdi/text.h"
#include "platform/user32/draw.h"
#include "platform/user32/windows.h"

namespace kantrel {
namespace {

using com::HRESULT;

constexpr win::COLORREF kBlack = 0;

// Half of @p n in whole pixels, a half going to the even neighbour.
int32_t Half(int32_t n) { return static_cast<int32_t>(std::nearbyint(n / 2.0)); }

// The edge of a border, or 0 for none; the first matching row counts.
uint32_t BorderEdge(int32_t style, int16_t state) {
    const bool thin = (style & hcsThinBorder) != 0;
    if (style & hcsNoBorder) return 0;
    if ((style & hcsPopupBorder) && state == 0) return 0;
    if (state == 2) return thin ? win::BDR_SUNKENINNER : win::EDGE_SUNKEN;
    return thin ? win::BDR_RAISEDINNER : win::EDGE_RAISED;
}

// A font like the control's Font, at its size in pixels.
win::HGDIOBJ MakeFont(const vb::Font& font) {
    const auto height = -static_cast<int32_t>(std::lround(font.Size * 96.0f / 72.0f));
    return win::CreateFontA(height, 0, 0, 0, font.Bold ? win::FW_BOLD : win::FW_NORMAL, font.Italic,
                            font.Underline, 0, 0, 0, 16, 0, 0, font.Name.c_str());
}

// A bitmap of the face, with a 2x twin when the control's surface has one.
win::HBITMAP MakeFaceBitmap(win::HDC target, int32_t w, int32_t h) {
    gdi::Bitmap face(w, h);
    const gdi::Bitmap* surface = gdi::SelectedBitmap(target);
    if (surface && surface->twin()) face.addDoubledTwin();
    return gdi::CreateBitmapFromPixels(face);
}

}  // namespace

HRESULT HoverCommand::UserControl_Paint() {
    if (!site_) return com::S_OK;
    const win::HDC target = site_->hDC();
    const int32_t w = site_->ScaleWidth(), h = site_->ScaleHeight();
    const win::HDC mem = win::CreateCompatibleDC(target);
    const win::HBITMAP face = MakeFaceBitmap(target, w, h);
    if (!mem || !face) {
        win::DeleteDC(mem);
        win::DeleteObject(face);
        return com::E_FAIL;
    }
    const win::HGDIOBJ oldBitmap = win::SelectObject(mem, face);
    const int32_t d = m_State == 2 ? ((m_Style & hcsThinBorder) ? 1 : 2) : 0;
    paintBackground(mem, w, h, d);

    const win::HGDIOBJ font = MakeFont(site_->Font());
    const win::HGDIOBJ oldFont = win::SelectObject(mem, font);
    win::SIZE text{0, 0};
    win::GetTextExtentPoint32A(mem, m_Caption.c_str(), static_cast<int32_t>(m_Caption.size()),
                               &text);
    DrawPicture(mem, w, h, d, text.cx);
    DrawCaption(mem, w, h, d, text);
    DrawBorder(mem, w, h);
    if (m_HasFocus) DrawFocus(mem, w, h);
    win::BitBlt(target, 0, 0, w, h, mem, 0, 0, win::SRCCOPY);

    win::SelectObject(mem, oldFont);
    win::DeleteObject(font);
    win::SelectObject(mem, oldBitmap);
    win::DeleteDC(mem);
    win::DeleteObject(face);
    site_->Present();
    return com::S_OK;
}

// The hover highlight, else the background picture tiled (shifting with a pressed face),
// else what lies behind the button (shifting too), else the back colour.
void HoverCommand::paintBackground(win::HDC dc, int32_t w, int32_t h, int32_t d) {
    const win::RECT rect{0, 0, w, h};
    win::HBRUSH brush = 0;
    if (m_State == 1 && (m_Style & hcsHighlightBG)) {
        brush = win::CreateSolidBrush(TranslateColor(m_HighlightColor));
    } else if (m_GrabBG && !m_BGPicture.bitmap()) {
        grabBackground(dc, w, h, d);
        return;
    } else if (m_BGPicture.bitmap()) {
        const win::HBITMAP tile = gdi::CreateBitmapFromPixels(*m_BGPicture.bitmap());
        brush = win::CreatePatternBrush(tile);
        win::DeleteObject(tile);
        win::SetBrushOrgEx(dc, d, d, nullptr);
    } else {
        brush = win::CreateSolidBrush(TranslateColor(m_BackColor));
    }
    win::FillRect(dc, &rect, brush);
    win::DeleteObject(brush);
}

// The strip a pressed face leaves uncovered takes the back colour first, so that no pixels
// of an earlier face stay there when the border does not cover it.
void HoverCommand::grabBackground(win::HDC dc, int32_t w, int32_t h, int32_t d) {
    const win::RECT rect{0, 0, w, h};
    const win::HBRUSH back = win::CreateSolidBrush(TranslateColor(m_BackColor));
    win::FillRect(dc, &rect, back);
    win::DeleteObject(back);
    const win::HWND parent = site_->ContainerHWnd();
    const win::HDC behind = win::GetDC(parent);
    if (!behind) return;
    win::BitBlt(dc, d, d, w, h, behind, site_->ContainerLeft(), site_->ContainerTop(),
                win::SRCCOPY);
    win::ReleaseDC(parent, behind);
}

const vb::Picture* HoverCommand::shownPicture() const {
    if (m_HovPicture.bitmap() && m_State == 1) return &m_HovPicture;
    if (m_Picture.bitmap()) return &m_Picture;
    return nullptr;
}

void HoverCommand::DrawPicture(win::HDC dc, int32_t w, int32_t h, int32_t d, int32_t textW) {
    const vb::Picture* picture = shownPicture();
    if (!picture) return;
    const int32_t pw = picture->bitmap()->width(), ph = picture->bitmap()->height();
    int32_t x = 0;
    switch (m_HAlign) {
        case hcaLeft:
            x = m_BorderOffset;
            break;
        case hcaRight:
            x = w - textW - m_BorderOffset - m_ImageOffset - pw;
            break;
        case hcaCenter:
            x = Half(w - (m_ImageOffset + pw + textW));
            break;
        default:
            break;
    }
    if (picture->isIcon())
        drawIcon(dc, *picture, x + d, Half(h - ph) + d);
    else
        drawTransparent(dc, *picture, x + d, Half(h - ph) + d);
}

void HoverCommand::DrawCaption(win::HDC dc, int32_t w, int32_t h, int32_t d, win::SIZE text) {
    const vb::Picture* picture = shownPicture();
    const int32_t g = picture ? m_ImageOffset + picture->bitmap()->width() : 0;
    int32_t x = 0;
    switch (m_HAlign) {
        case hcaLeft:
            x = m_BorderOffset + g;
            break;
        case hcaRight:
            x = w - text.cx - m_BorderOffset;
            break;
        case hcaCenter:
            x = Half(w - text.cx + g);
            break;
        default:
            break;
    }
    const bool lit = (m_Style & hcsTextColor) && m_State == 1;
    win::SetTextColor(dc, TranslateColor(lit ? m_HighlightColor : m_ForeColor));
    win::SetBkMode(dc, win::TRANSPARENT);
    win::DrawStateA(dc, 0, nullptr, reinterpret_cast<win::LPARAM>(m_Caption.c_str()),
                    m_Caption.size(), x + d, Half(h - text.cy) + d, 0, 0,
                    win::DST_PREFIXTEXT | (m_Enabled ? 0 : win::DSS_DISABLED));
}

void HoverCommand::DrawBorder(win::HDC dc, int32_t w, int32_t h) {
    win::RECT rect{0, 0, w, h};
    if (const uint32_t edge = BorderEdge(m_Style, m_State))
        win::DrawEdge(dc, &rect, edge, win::BF_RECT);
}

// A focused popup button at rest is outlined so the focus shows on a flat face.
void HoverCommand::DrawFocus(win::HDC dc, int32_t w, int32_t h) {
    win::RECT rect{0, 0, w, h};
    if ((m_Style & hcsPopupBorder) && m_State == 0) {
        const bool thin = (m_Style & hcsThinBorder) != 0;
        win::DrawEdge(dc, &rect, thin ? win::BDR_RAISEDINNER : win::EDGE_RAISED, win::BF_RECT);
    }
    const bool noRect = (m_Style & hcsNoFocusRect) != 0;
    if (noRect && m_HovPicture.bitmap()) return;
    if (!noRect) rect = {3, 3, w - 3, h - 3};
    win::SetTextColor(dc, kBlack);
    win::DrawFocusRect(dc, &rect);
}

win::COLORREF HoverCommand::TranslateColor(com::Color colour) const {
    win::COLORREF rgb = 0;
    win::OleTranslateColor(colour.value, 0, &rgb);
    return rgb;
}

}  // namespace kantrel
