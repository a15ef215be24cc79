#include "tools/assetgen/vector_text.h"

#include <cmath>
#include <string>

#include "platform/gdi/dc.h"
#include "platform/gdi/text.h"
#include "tools/assetgen/pixel_font.h"

namespace assetgen {

namespace {

// Capitals of Liberation Sans stand this part of the em high.
constexpr double kCapShare = 0.729;
// Room around the drawn word for the glyphs' overhangs, in device pixels.
constexpr int32_t kMargin = 4;

// White glyphs on black: each pixel's green is the glyphs' cover of it.
struct Coverage {
    gdi::Bitmap pixels{1, 1};
    int32_t ascent = 0;
};

Coverage Render(std::string_view text, int32_t em) {
    Coverage out;
    const std::string word(text);
    const win::HDC dc = win::CreateCompatibleDC(0);
    const win::HFONT font =
        win::CreateFontA(-em, 0, 0, 0, win::FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    const win::HGDIOBJ oldFont = win::SelectObject(dc, font);
    win::SIZE size{0, 0};
    win::GetTextExtentPoint32A(dc, word.c_str(), static_cast<int32_t>(word.size()), &size);
    win::TEXTMETRICA metrics{};
    win::GetTextMetricsA(dc, &metrics);
    const win::HBITMAP bitmap = win::CreateBitmap(size.cx + 2 * kMargin, size.cy, 1, 32, nullptr);
    const win::HGDIOBJ oldBitmap = win::SelectObject(dc, bitmap);
    win::SetTextColor(dc, win::RGB(255, 255, 255));
    win::SetBkMode(dc, win::TRANSPARENT);
    win::TextOutA(dc, kMargin, 0, word.c_str(), static_cast<int32_t>(word.size()));
    out.pixels = *gdi::SelectedBitmap(dc);
    out.ascent = metrics.tmAscent;
    win::SelectObject(dc, oldBitmap);
    win::SelectObject(dc, oldFont);
    win::DeleteObject(bitmap);
    win::DeleteObject(font);
    win::DeleteDC(dc);
    return out;
}

}  // namespace

void DrawWord(Canvas& canvas, std::string_view text, double x, double y, double dot,
              const Paint& paint) {
    const int32_t s = canvas.scale();
    if (s < 2) {
        DrawText(canvas, text, x, y, dot, paint);
        return;
    }
    const double capHeight = kCapHeight * dot * s;
    const auto em = static_cast<int32_t>(std::lround(capHeight / kCapShare));
    const Coverage glyphs = Render(text, em);
    const double middle = (x + TextWidth(text) * dot / 2) * s;
    const auto left = static_cast<int32_t>(std::lround(middle - glyphs.pixels.width() / 2.0));
    const auto top = static_cast<int32_t>(std::lround(y * s + capHeight)) - glyphs.ascent;
    for (int32_t py = 0; py < glyphs.pixels.height(); ++py)
        for (int32_t px = 0; px < glyphs.pixels.width(); ++px) {
            const double cover = ((glyphs.pixels.pixel(px, py) >> 8) & 0xFFu) / 255.0;
            canvas.blend(left + px, top + py, paint, cover);
        }
}

}  // namespace assetgen
