// Fonts and text: extents and metrics pinned for the Liberation fonts, the rules that tie
// them together, and drawing on a bitmap and its twin.

#include "platform/gdi/text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "memory_dc.h"
#include "platform/gdi/dc.h"

namespace {

// A font selected into a DC for the length of a test.
class SelectedFont {
public:
    SelectedFont(win::HDC dc, int32_t height, const char* face, int32_t weight = win::FW_NORMAL)
        : dc_(dc),
          font_(win::CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 16, 0, 0, face)),
          old_(win::SelectObject(dc, font_)) {}
    ~SelectedFont() {
        win::SelectObject(dc_, old_);
        win::DeleteObject(font_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    win::HDC dc_;
    win::HFONT font_;
    win::HGDIOBJ old_;
};

// GetTextExtentPoint32A's answer with 0xBD sentinels around it.
struct Guarded {
    uint32_t before;
    win::SIZE size;
    uint32_t after;
};

win::SIZE Extent(win::HDC dc, const std::string& text) {
    Guarded g;
    std::memset(&g, 0xBD, sizeof g);
    EXPECT_EQ(
        win::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int32_t>(text.size()), &g.size),
        1);
    EXPECT_EQ(g.before, 0xBDBDBDBDu);
    EXPECT_EQ(g.after, 0xBDBDBDBDu);
    return g.size;
}

win::TEXTMETRICA Metrics(win::HDC dc) {
    win::TEXTMETRICA m{};
    EXPECT_EQ(win::GetTextMetricsA(dc, &m), 1);
    return m;
}

struct ExtentCase {
    const char* face;
    int32_t height;
    int32_t weight;
    const char* text;
    int32_t cx;
    int32_t cy;
};
const ExtentCase kExtents[] = {
    {"MS Sans Serif", -11, 400, "&Game", 37, 12},
    {"Arial", -11, 400, "New Game\tF2", 76, 12},
    {"Tahoma", -13, 700, "Roll", 25, 15},
    {"Verdana", 16, 400, "Top Scores", 73, 16},
    {"Times New Roman", -12, 400, "Tolvarin", 40, 14},
    {"Courier New", -12, 400, "12345", 35, 14},
    {"Arial", -24, 400, "WWW", 69, 27},
};

TEST(GetTextExtentPoint32A, PinsTheWidthsOfTheLiberationFonts) {
    gdi_test::MemoryDC m(1, 1);
    for (const auto& c : kExtents) {
        SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.height) + " " + c.text);
        SelectedFont font(m.dc(), c.height, c.face, c.weight);
        const win::SIZE size = Extent(m.dc(), c.text);
        EXPECT_EQ(size.cx, c.cx);
        EXPECT_EQ(size.cy, c.cy);
    }
}

TEST(GetTextExtentPoint32A, AddsUpAndGrowsWithTheSize) {
    gdi_test::MemoryDC m(1, 1);
    int32_t previous = 0;
    for (const int32_t height : {-8, -11, -14, -20}) {
        SCOPED_TRACE(height);
        SelectedFont font(m.dc(), height, "Arial");
        const win::SIZE whole = Extent(m.dc(), "Hold all");
        EXPECT_EQ(whole.cx, Extent(m.dc(), "Hold").cx + Extent(m.dc(), " all").cx);
        EXPECT_GT(whole.cx, previous);
        previous = whole.cx;
        const win::SIZE empty = Extent(m.dc(), "");
        EXPECT_EQ(empty.cx, 0);
        EXPECT_EQ(empty.cy, Metrics(m.dc()).tmHeight);
    }
    SelectedFont mono(m.dc(), -12, "Courier New");
    EXPECT_EQ(Extent(m.dc(), "iiii").cx, Extent(m.dc(), "WWWW").cx);
}

TEST(GetTextExtentPoint32A, SubstitutesTheFaceNames) {
    gdi_test::MemoryDC m(1, 1);
    auto width = [&m](const char* face) {
        SelectedFont font(m.dc(), -12, face);
        return Extent(m.dc(), "Yahtzee of five dice").cx;
    };
    const int32_t sans = width("Liberation Sans");
    for (const char* face : {"MS Sans Serif", "tahoma", "Arial", "Verdana", "No Such Face", ""})
        EXPECT_EQ(width(face), sans) << face;
    EXPECT_EQ(width("Times New Roman"), width("Liberation Serif"));
    EXPECT_NE(width("Times New Roman"), sans);
    EXPECT_EQ(width("Courier New"), width("Liberation Mono"));
}

TEST(GetTextMetricsA, HeightsCountAsGdiCountsThem) {
    gdi_test::MemoryDC m(1, 1);
    for (const int32_t height : {8, 13, 16, 21, 30}) {
        SCOPED_TRACE(height);
        {
            SelectedFont cell(m.dc(), height, "Arial");  // positive: the cell height
            EXPECT_EQ(Metrics(m.dc()).tmHeight, height);
        }
        SelectedFont character(m.dc(), -height, "Arial");  // negative: the character height
        const win::TEXTMETRICA t = Metrics(m.dc());
        EXPECT_EQ(t.tmHeight - t.tmInternalLeading, height);
        EXPECT_EQ(t.tmAscent + t.tmDescent, t.tmHeight);
    }
}

TEST(GetTextMetricsA, PinsTheMetrics) {
    gdi_test::MemoryDC m(1, 1);
    SelectedFont font(m.dc(), -11, "MS Sans Serif", win::FW_BOLD);
    const win::TEXTMETRICA t = Metrics(m.dc());
    EXPECT_EQ(t.tmHeight, 12);
    EXPECT_EQ(t.tmAscent, 10);
    EXPECT_EQ(t.tmDescent, 2);
    EXPECT_EQ(t.tmInternalLeading, 1);
    EXPECT_EQ(t.tmAveCharWidth, 7);
    EXPECT_EQ(t.tmWeight, win::FW_BOLD);
    // A new DC holds the bold system font.
    gdi_test::MemoryDC fresh(1, 1);
    const win::TEXTMETRICA system = Metrics(fresh.dc());
    EXPECT_EQ(system.tmHeight, 16);
    EXPECT_EQ(system.tmWeight, win::FW_BOLD);
}

TEST(Text, BadArgumentsGiveZero) {
    gdi_test::MemoryDC m(4, 4);
    win::SIZE size{7, 7};
    win::TEXTMETRICA metrics{};
    EXPECT_EQ(win::GetTextExtentPoint32A(0x1234, "a", 1, &size), 0);
    EXPECT_EQ(win::GetTextExtentPoint32A(m.dc(), "a", -1, &size), 0);
    EXPECT_EQ(win::GetTextExtentPoint32A(m.dc(), "a", 1, nullptr), 0);
    EXPECT_EQ(win::GetTextExtentPoint32A(m.dc(), nullptr, 1, &size), 0);
    EXPECT_EQ(size.cx, 7);
    EXPECT_EQ(win::GetTextMetricsA(0x1234, &metrics), 0);
    EXPECT_EQ(win::GetTextMetricsA(m.dc(), nullptr), 0);
    EXPECT_EQ(win::TextOutA(0x1234, 0, 0, "a", 1), 0);
    EXPECT_EQ(win::TextOutA(m.dc(), 0, 0, "a", -1), 0);
    EXPECT_EQ(win::CreateFontIndirectA(nullptr), 0);
    EXPECT_EQ(win::SetBkMode(m.dc(), 0), 0);  // neither mode: refused
    EXPECT_EQ(win::SetBkMode(m.dc(), win::TRANSPARENT), win::OPAQUE);
    EXPECT_EQ(win::SetBkMode(0x1234, win::OPAQUE), 0);
}

// Counts the pixels of @p colour in the DC's bitmap.
int32_t Count(const gdi_test::MemoryDC& m, win::COLORREF colour) {
    int32_t n = 0;
    for (const win::COLORREF c : m.read()) n += c == colour ? 1 : 0;
    return n;
}

TEST(TextOutA, FillsTheCellsWhenOpaqueAndLeavesThemWhenTransparent) {
    const win::COLORREF red = win::RGB(255, 0, 0);
    const win::COLORREF green = win::RGB(0, 128, 0);
    for (const int32_t mode : {win::OPAQUE, win::TRANSPARENT}) {
        SCOPED_TRACE(mode);
        gdi_test::MemoryDC m(40, 20);
        m.fill(green);
        SelectedFont font(m.dc(), -12, "Arial");
        win::SetBkMode(m.dc(), mode);
        win::SetBkColor(m.dc(), win::RGB(255, 255, 255));
        win::SetTextColor(m.dc(), red);
        const win::SIZE box = Extent(m.dc(), "Hi");
        ASSERT_EQ(win::TextOutA(m.dc(), 2, 1, "Hi", 2), 1);
        EXPECT_GT(Count(m, red), 5);  // the stems of H and i at full cover
        EXPECT_EQ(win::GetPixel(m.dc(), 2 + box.cx, 1), green);  // right of the box
        EXPECT_EQ(win::GetPixel(m.dc(), 1, 1), green);           // left of it
        const win::COLORREF corner = win::GetPixel(m.dc(), 2, 1);
        EXPECT_EQ(corner, mode == win::OPAQUE ? win::RGB(255, 255, 255) : green);
    }
}

TEST(TextOutA, DrawsOnTheTwinAtTwiceTheSize) {
    gdi_test::MemoryDC m(30, 16);
    m.fill(win::RGB(255, 255, 255));
    SelectedFont font(m.dc(), -12, "Arial");
    const gdi::Bitmap* pixels = gdi::SelectedBitmap(m.dc());
    const_cast<gdi::Bitmap*>(pixels)->addDoubledTwin();
    win::SetBkMode(m.dc(), win::TRANSPARENT);
    ASSERT_EQ(win::TextOutA(m.dc(), 1, 1, "Ok", 2), 1);
    // The twin's glyphs are drawn at double size, not doubled: so the twin is not the
    // doubling of the bitmap, yet it is dark where the text is.
    EXPECT_NE(*pixels->twin(), gdi::Doubled(*pixels));
    int32_t dark = 0;
    for (const uint32_t p : pixels->twin()->pixels()) dark += p == 0 ? 1 : 0;
    EXPECT_GT(dark, 4 * Count(m, 0) / 2);
}

}  // namespace
