#include "platform/gdi/font_engine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <map>
#include <string>
#include <string_view>

#include "platform/types/code_page.h"

namespace gdi::detail {

namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/liberation2/";

// Face names the game's windows ask for, and the Liberation family drawn in their place;
// a name not listed gets Sans.
struct Substitute {
    std::string_view face;
    std::string_view family;
};
constexpr std::array<Substitute, 9> kSubstitutes = {{
    {"ms sans serif", "Sans"},
    {"tahoma", "Sans"},
    {"arial", "Sans"},
    {"verdana", "Sans"},
    {"liberation sans", "Sans"},
    {"times new roman", "Serif"},
    {"liberation serif", "Serif"},
    {"courier new", "Mono"},
    {"liberation mono", "Mono"},
}};

std::string lowered(const char* text) {
    std::string out;
    for (const char* p = text; *p && out.size() < win::LF_FACESIZE; ++p)
        out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(*p))));
    return out;
}

std::string fontFile(const win::LOGFONTA& desc) {
    std::string_view family = "Sans";
    const std::string face = lowered(desc.lfFaceName);
    for (const Substitute& s : kSubstitutes)
        if (s.face == face) family = s.family;
    const bool bold = desc.lfWeight >= 600;
    const bool italic = desc.lfItalic != 0;
    const char* style = bold ? (italic ? "BoldItalic" : "Bold") : (italic ? "Italic" : "Regular");
    return std::string(kFontFolder) + "Liberation" + std::string(family) + "-" + style + ".ttf";
}

// The FreeType library and every face opened, for the life of the process.
class Faces {
public:
    Faces() {
        if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    }
    ~Faces() {
        for (auto& entry : faces_) FT_Done_Face(entry.second);
        if (library_) FT_Done_FreeType(library_);
    }
    Faces(const Faces&) = delete;
    Faces& operator=(const Faces&) = delete;

    FT_Face open(const std::string& path) {
        if (!library_) return nullptr;
        if (auto it = faces_.find(path); it != faces_.end()) return it->second;
        FT_Face face = nullptr;
        if (FT_New_Face(library_, path.c_str(), 0, &face) != 0) return nullptr;
        faces_.emplace(path, face);
        return face;
    }

private:
    FT_Library library_ = nullptr;
    std::map<std::string, FT_Face> faces_;
};

Faces& faces() {
    static Faces f;
    return f;
}

// The face's cell: the ascent and descent that gdi32 counts, in font units.
struct Cell {
    long ascent;
    long descent;
};

Cell cellOf(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0)
        return {os2->usWinAscent, os2->usWinDescent};
    return {face->ascender, -face->descender};
}

constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP;

// Every menu item is measured and every caption drawn again and again: each byte's advance
// is loaded from a face once per size. Unknown advances are -1.
ScaledFont::Advances& AdvancesOf(FT_Face face, uint32_t ppem) {
    static std::map<std::pair<FT_Face, uint32_t>, ScaledFont::Advances> known;
    auto [place, added] = known.try_emplace({face, ppem});
    if (added) place->second.fill(-1);
    return place->second;
}

}  // namespace

std::optional<ScaledFont> ScaledFont::Open(const win::LOGFONTA& desc, int32_t scale) {
    FT_Face face = faces().open(fontFile(desc));
    if (!face || face->units_per_EM == 0) return std::nullopt;
    const int64_t height = desc.lfHeight == 0 ? -12 : desc.lfHeight;
    double ppem = static_cast<double>(-height);
    if (height > 0) {
        const Cell cell = cellOf(face);
        ppem = static_cast<double>(height) * face->units_per_EM /
               static_cast<double>(cell.ascent + cell.descent);
    }
    const auto rounded = static_cast<uint32_t>(std::clamp(std::lround(ppem), 1L, 2048L));
    const int32_t cellHeight = height > 0 ? static_cast<int32_t>(height) * scale : 0;
    const uint32_t scaledPpem = rounded * static_cast<uint32_t>(scale);
    return ScaledFont(face, scaledPpem, cellHeight, desc, AdvancesOf(face, scaledPpem));
}

void ScaledFont::prepare() const { FT_Set_Pixel_Sizes(face_, 0, ppem_); }

int32_t ScaledFont::scaled(long fontUnits) const {
    return static_cast<int32_t>(
        std::lround(static_cast<double>(fontUnits) * ppem_ / face_->units_per_EM));
}

win::TEXTMETRICA ScaledFont::metrics() const {
    const Cell cell = cellOf(face_);
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const long lineGap = face_->height - (face_->ascender - face_->descender);
    const bool fixed = FT_IS_FIXED_WIDTH(face_);
    win::TEXTMETRICA m{};
    if (cellHeight_ > 0) {
        m.tmHeight = cellHeight_;
        m.tmAscent = static_cast<int32_t>(
            std::lround(static_cast<double>(cellHeight_) * static_cast<double>(cell.ascent) /
                        static_cast<double>(cell.ascent + cell.descent)));
    } else {
        m.tmAscent = scaled(cell.ascent);
        m.tmHeight = m.tmAscent + scaled(cell.descent);
    }
    m.tmDescent = m.tmHeight - m.tmAscent;
    m.tmInternalLeading = m.tmHeight - static_cast<int32_t>(ppem_);
    m.tmExternalLeading = std::max(
        0, scaled(face_->ascender - face_->descender + lineGap - cell.ascent - cell.descent));
    m.tmAveCharWidth = os2 ? scaled(os2->xAvgCharWidth) : scaled(face_->max_advance_width / 2);
    m.tmMaxCharWidth = scaled(face_->max_advance_width);
    m.tmWeight = desc_.lfWeight == 0 ? win::FW_NORMAL : desc_.lfWeight;
    m.tmDigitizedAspectX = 96;
    m.tmDigitizedAspectY = 96;
    m.tmFirstChar = ' ';
    m.tmLastChar = static_cast<char>(0xFF);
    m.tmDefaultChar = static_cast<char>(0x1F);
    m.tmBreakChar = ' ';
    m.tmItalic = desc_.lfItalic ? 1 : 0;
    m.tmUnderlined = desc_.lfUnderline ? 1 : 0;
    m.tmStruckOut = desc_.lfStrikeOut ? 1 : 0;
    // A TrueType outline font; the lowest bit set means variable pitch.
    m.tmPitchAndFamily = static_cast<uint8_t>(0x06 | (fixed ? 0 : 1));
    m.tmCharSet = desc_.lfCharSet;
    return m;
}

int32_t ScaledFont::advance(unsigned char c) const {
    int32_t& known = (*advances_)[c];
    if (known >= 0) return known;
    prepare();
    known = FT_Load_Char(face_, vb::Cp1252Character(c), kLoadFlags) != 0
                ? 0
                : static_cast<int32_t>((face_->glyph->advance.x + 32) >> 6);
    return known;
}

void ScaledFont::drawGlyph(unsigned char c, Mask& mask, int32_t penX, int32_t baseline) const {
    prepare();
    if (FT_Load_Char(face_, vb::Cp1252Character(c), kLoadFlags | FT_LOAD_RENDER) != 0) return;
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& glyph = slot->bitmap;
    if (glyph.pixel_mode != FT_PIXEL_MODE_GRAY) return;
    const int32_t left = penX + slot->bitmap_left;
    const int32_t top = baseline - slot->bitmap_top;
    for (uint32_t gy = 0; gy < glyph.rows; ++gy) {
        const int32_t y = top + static_cast<int32_t>(gy);
        if (y < 0 || y >= mask.height) continue;
        const unsigned char* row = glyph.buffer + static_cast<ptrdiff_t>(gy) * glyph.pitch;
        for (uint32_t gx = 0; gx < glyph.width; ++gx) {
            const int32_t x = left + static_cast<int32_t>(gx);
            if (x < 0 || x >= mask.width) continue;
            uint8_t& cover = mask.at(x, y);
            cover = std::max(cover, row[gx]);
        }
    }
}

ScaledFont::Line ScaledFont::underline() const {
    return {std::max(1, scaled(-face_->underline_position)),
            std::max(1, scaled(face_->underline_thickness))};
}

ScaledFont::Line ScaledFont::strikeOut() const {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const long position = os2 ? os2->yStrikeoutPosition : face_->ascender / 3;
    const long size = os2 ? os2->yStrikeoutSize : face_->underline_thickness;
    return {-scaled(position), std::max(1, scaled(size))};
}

}  // namespace gdi::detail
