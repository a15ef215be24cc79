#include "tools/script/counter_text.h"

#include <cstdint>
#include <vector>

#include "platform/gdi/gdi32.h"
#include "platform/types/twips.h"

namespace script {

namespace {

using vb::kTwipsPerPixel;
// Every left edge a digit or the minus sign is drawn at, for one to four digits.
constexpr int32_t kCellLefts[] = {49, 55, 62, 68, 75, 81, 88, 94};
constexpr int32_t kCellTop = frmTolvarin::kCounterDigitTop;

struct Glyph {
    char text;
    vb::PictureBox* source;
};

// Whether the glyph's picture stands whole at (x, kCellTop) of @p picture.
bool DrawnAt(intptr_t picture, intptr_t glyph, int32_t x, int32_t width, int32_t height) {
    for (int32_t dy = 0; dy < height; ++dy)
        for (int32_t dx = 0; dx < width; ++dx)
            if (win::GetPixel(picture, x + dx, kCellTop + dy) != win::GetPixel(glyph, dx, dy))
                return false;
    return true;
}

}  // namespace

std::string CounterText(frmTolvarin& form, vb::PictureBox& picture) {
    std::vector<Glyph> glyphs;
    for (int16_t d = 0; d <= 9; ++d)
        glyphs.push_back({static_cast<char>('0' + d), &form.picDigit(d)});
    glyphs.push_back({'-', &form.picNeg});
    // The counter copies every glyph at the size of the zero.
    const int32_t width = form.picDigit(0).Width() / kTwipsPerPixel;
    const int32_t height = form.picDigit(0).Height() / kTwipsPerPixel;
    std::string text;
    for (int32_t x : kCellLefts) {
        for (const Glyph& g : glyphs) {
            if (!DrawnAt(picture.hDC(), g.source->hDC(), x, width, height)) continue;
            text += g.text;
            break;
        }
    }
    return text.empty() ? "(blank)" : text;
}

}  // namespace script
