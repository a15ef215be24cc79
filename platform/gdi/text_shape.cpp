#include "platform/gdi/text_shape.h"

#include <algorithm>

#include "platform/gdi/font_engine.h"

namespace gdi::detail {

namespace {

// The pen position of each glyph at scale 1, and the width after the last.
std::vector<int32_t> pens(const ScaledFont& font, std::string_view glyphs) {
    std::vector<int32_t> out;
    int32_t pen = 0;
    for (const char c : glyphs) {
        out.push_back(pen);
        pen += font.advance(static_cast<unsigned char>(c));
    }
    out.push_back(pen);
    return out;
}

void rule(Mask& mask, int32_t from, int32_t to, int32_t baseline, ScaledFont::Line line) {
    for (int32_t y = baseline + line.offset; y < baseline + line.offset + line.thickness; ++y) {
        if (y < 0 || y >= mask.height) continue;
        for (int32_t x = std::max(from, 0); x < std::min(to, mask.width); ++x) mask.at(x, y) = 255;
    }
}

// Draws the run at @p scale, each glyph at @p scale times its scale-1 pen position, so
// that the twin's text lines up with the bitmap's.
Mask draw(const ScaledFont& font, const TextRun& run, const std::vector<int32_t>& at, int32_t scale,
          int32_t height, const win::LOGFONTA& desc) {
    Mask mask(at.back() * scale, height * scale);
    const int32_t baseline = font.metrics().tmAscent;
    for (size_t i = 0; i < run.glyphs.size(); ++i) {
        font.drawGlyph(static_cast<unsigned char>(run.glyphs[i]), mask, at[i] * scale, baseline);
        if (run.marked[i]) rule(mask, at[i] * scale, at[i + 1] * scale, baseline, font.underline());
    }
    if (desc.lfUnderline) rule(mask, 0, mask.width, baseline, font.underline());
    if (desc.lfStrikeOut) rule(mask, 0, mask.width, baseline, font.strikeOut());
    return mask;
}

}  // namespace

TextRun PlainRun(std::string_view text) {
    return {std::string(text), std::vector<bool>(text.size(), false)};
}

TextRun PrefixRun(std::string_view text) {
    TextRun run;
    bool marking = false;
    for (const char c : text) {
        if (c == '&' && !marking) {
            marking = true;
            continue;
        }
        run.glyphs.push_back(c);
        run.marked.push_back(marking && c != '&');
        marking = false;
    }
    return run;
}

std::optional<win::SIZE> MeasureText(const win::LOGFONTA& font, std::string_view text) {
    const auto scaled = ScaledFont::Open(font, 1);
    if (!scaled) return std::nullopt;
    return win::SIZE{pens(*scaled, text).back(), scaled->metrics().tmHeight};
}

std::optional<Shape> ShapeText(const win::LOGFONTA& font, const TextRun& run) {
    const auto one = ScaledFont::Open(font, 1);
    const auto two = ScaledFont::Open(font, 2);
    if (!one || !two) return std::nullopt;
    const std::vector<int32_t> at = pens(*one, run.glyphs);
    const int32_t height = one->metrics().tmHeight;
    return Shape{draw(*one, run, at, 1, height, font), draw(*two, run, at, 2, height, font)};
}

}  // namespace gdi::detail
