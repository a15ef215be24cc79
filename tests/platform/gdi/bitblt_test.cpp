#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "memory_dc.h"
#include "platform/gdi/gdi32.h"

namespace {

using gdi_test::MemoryDC;
using win::COLORREF;

// The truth-table rule, one bit at a time: result bit = bit ((P << 2) | (S << 1) | D) of
// the code byte.
COLORREF ExpectedRop(uint8_t code, COLORREF p, COLORREF s, COLORREF d) {
    COLORREF result = 0;
    for (int bit = 0; bit < 24; ++bit) {
        const unsigned k = (((p >> bit) & 1u) << 2) | (((s >> bit) & 1u) << 1) | ((d >> bit) & 1u);
        result |= ((code >> k) & 1u) << bit;
    }
    return result;
}

// Each channel gives pattern, source and destination a different one of 0xF0, 0xCC and
// 0xAA, so every combination of the three bits occurs in every channel, in another
// arrangement per channel.
constexpr COLORREF kP = win::RGB(0xF0, 0xCC, 0xAA);
constexpr COLORREF kS = win::RGB(0xCC, 0xAA, 0xF0);
constexpr COLORREF kD = win::RGB(0xAA, 0xF0, 0xCC);

TEST(BitBlt, EveryRopFollowsItsTruthTable) {
    MemoryDC src(1, 1), dst(1, 1);
    src.fill(kS);
    const win::HBRUSH brush = win::CreateSolidBrush(kP);
    const win::HGDIOBJ oldBrush = win::SelectObject(dst.dc(), brush);
    for (unsigned code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        dst.fill(kD);
        ASSERT_EQ(win::BitBlt(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, code << 16), 1);
        EXPECT_EQ(win::GetPixel(dst.dc(), 0, 0),
                  ExpectedRop(static_cast<uint8_t>(code), kP, kS, kD));
    }
    win::SelectObject(dst.dc(), oldBrush);
    win::DeleteObject(brush);
}

TEST(BitBlt, EveryRopOnMonochromeBitmaps) {
    // Four pixels hold the four source and destination pairs; two brushes give the pattern.
    MemoryDC src(4, 1, 1), dst(4, 1, 1);
    src.set({0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF});
    for (const COLORREF pattern : {COLORREF{0x000000}, COLORREF{0xFFFFFF}}) {
        const win::HBRUSH brush = win::CreateSolidBrush(pattern);
        const win::HGDIOBJ oldBrush = win::SelectObject(dst.dc(), brush);
        for (unsigned code = 0; code < 256; ++code) {
            SCOPED_TRACE(testing::Message() << "code " << code << " pattern " << pattern);
            dst.set({0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF});
            ASSERT_EQ(win::BitBlt(dst.dc(), 0, 0, 4, 1, src.dc(), 0, 0, code << 16), 1);
            const std::vector<COLORREF> got = dst.read();
            const std::vector<COLORREF> s = src.read();
            for (size_t i = 0; i < 4; ++i)
                EXPECT_EQ(got[i], ExpectedRop(static_cast<uint8_t>(code), pattern, s[i],
                                              i % 2 ? 0xFFFFFF : 0x000000));
        }
        win::SelectObject(dst.dc(), oldBrush);
        win::DeleteObject(brush);
    }
}

struct NamedRop {
    const char* name;
    win::DWORD rop;
    COLORREF (*want)(COLORREF p, COLORREF s, COLORREF d);
};

const NamedRop kNamedRops[] = {
    {"SRCCOPY", win::SRCCOPY, [](COLORREF, COLORREF s, COLORREF) { return s; }},
    {"SRCPAINT", win::SRCPAINT, [](COLORREF, COLORREF s, COLORREF d) { return s | d; }},
    {"SRCAND", win::SRCAND, [](COLORREF, COLORREF s, COLORREF d) { return s & d; }},
    {"SRCINVERT", win::SRCINVERT, [](COLORREF, COLORREF s, COLORREF d) { return s ^ d; }},
    {"SRCERASE", win::SRCERASE, [](COLORREF, COLORREF s, COLORREF d) { return s & ~d; }},
    {"NOTSRCCOPY", win::NOTSRCCOPY, [](COLORREF, COLORREF s, COLORREF) { return ~s; }},
    {"NOTSRCERASE", win::NOTSRCERASE, [](COLORREF, COLORREF s, COLORREF d) { return ~(s | d); }},
    {"MERGECOPY", win::MERGECOPY, [](COLORREF p, COLORREF s, COLORREF) { return p & s; }},
    {"MERGEPAINT", win::MERGEPAINT, [](COLORREF, COLORREF s, COLORREF d) { return ~s | d; }},
    {"PATCOPY", win::PATCOPY, [](COLORREF p, COLORREF, COLORREF) { return p; }},
    {"PATPAINT", win::PATPAINT, [](COLORREF p, COLORREF s, COLORREF d) { return p | ~s | d; }},
    {"PATINVERT", win::PATINVERT, [](COLORREF p, COLORREF, COLORREF d) { return p ^ d; }},
    {"DSTINVERT", win::DSTINVERT, [](COLORREF, COLORREF, COLORREF d) { return ~d; }},
    {"BLACKNESS", win::BLACKNESS, [](COLORREF, COLORREF, COLORREF) { return COLORREF{0}; }},
    {"WHITENESS", win::WHITENESS, [](COLORREF, COLORREF, COLORREF) { return ~COLORREF{0}; }},
};

TEST(BitBlt, NamedRopsGiveTheirFormulas) {
    constexpr COLORREF p = 0x5A3C96, s = 0x0FF0C3, d = 0x639C1E;
    MemoryDC src(1, 1), dst(1, 1);
    src.fill(s);
    const win::HBRUSH brush = win::CreateSolidBrush(p);
    const win::HGDIOBJ oldBrush = win::SelectObject(dst.dc(), brush);
    for (const auto& c : kNamedRops) {
        SCOPED_TRACE(c.name);
        dst.fill(d);
        ASSERT_EQ(win::BitBlt(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, c.rop), 1);
        EXPECT_EQ(win::GetPixel(dst.dc(), 0, 0), c.want(p, s, d) & 0xFFFFFF);
    }
    win::SelectObject(dst.dc(), oldBrush);
    win::DeleteObject(brush);
}

TEST(BitBlt, PatternIsTheWhiteStockBrushUntilAnotherIsSelected) {
    MemoryDC dst(1, 1);
    dst.fill(0x123456);
    EXPECT_EQ(win::BitBlt(dst.dc(), 0, 0, 1, 1, 0, 0, 0, win::PATCOPY), 1);
    EXPECT_EQ(win::GetPixel(dst.dc(), 0, 0), 0xFFFFFFu);
    win::SelectObject(dst.dc(), win::GetStockObject(win::GRAY_BRUSH));
    EXPECT_EQ(win::BitBlt(dst.dc(), 0, 0, 1, 1, 0, 0, 0, win::PATCOPY), 1);
    EXPECT_EQ(win::GetPixel(dst.dc(), 0, 0), 0x808080u);
}

// Clipping. The source is 4 x 3 pixels labelled a to l row by row; the destination, also
// 4 x 3, starts as '.' everywhere. A picture lists the destination's rows after the copy.
constexpr COLORREF kUntouched = 0xBDBDBD;
COLORREF LabelColour(char label) { return win::RGB(static_cast<uint8_t>(label), 0x40, 0x80); }

std::string Picture(const MemoryDC& dc) {
    std::string out;
    const std::vector<COLORREF> pixels = dc.read();
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (i > 0 && i % 4 == 0) out += '|';
        const COLORREF c = pixels[i];
        out += c == kUntouched ? '.' : (c & 0xFFFF00) == LabelColour(0) ? char(c & 0xFF) : '?';
    }
    return out;
}

struct ClipCase {
    int32_t x, y, cx, cy, x1, y1;
    const char* want;
};

const ClipCase kClipCases[] = {
    {0, 0, 4, 3, 0, 0, "abcd|efgh|ijkl"},       // the whole bitmap
    {1, 1, 4, 3, 0, 0, "....|.abc|.efg"},       // destination runs off right and bottom
    {-1, -1, 4, 3, 0, 0, "fgh.|jkl.|...."},     // destination starts above and left
    {0, 0, 4, 3, -2, -1, "....|..ab|..ef"},     // source starts above and left
    {0, 0, 4, 3, 2, 1, "gh..|kl..|...."},       // source runs off right and bottom
    {1, 0, 2, 2, 2, 1, ".gh.|.kl.|...."},       // inside both
    {0, 0, 100, 100, 0, 0, "abcd|efgh|ijkl"},   // larger than both
    {0, 0, 2400, 330, 0, 0, "abcd|efgh|ijkl"},  // a box's size in twips
    {0, 0, 0, 3, 0, 0, "....|....|...."},       // zero width
    {0, 0, 4, 0, 0, 0, "....|....|...."},       // zero height
    {3, 2, -2, -2, 0, 0, "....|....|...."},     // negative size
    {4, 0, 2, 2, 0, 0, "....|....|...."},       // destination past the right edge
    {-5, 0, 3, 3, 0, 0, "....|....|...."},      // destination past the left edge
    {0, 0, 2, 2, 10, 10, "....|....|...."},     // source outside
    {0, 0, 2, 2, -2, -2, "....|....|...."},     // source just above and left
    {INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, 0, "....|....|...."},
    {INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, INT_MIN, "....|....|...."},
    {0, 0, INT_MAX, INT_MAX, INT_MIN, INT_MIN, "....|....|...."},
    {-1, 0, INT_MAX, INT_MAX, 0, 0, "bcd.|fgh.|jkl."},
};

TEST(BitBlt, ClipsToBothBitmaps) {
    MemoryDC src(4, 3), dst(4, 3);
    const std::string labels = "abcdefghijkl";
    std::vector<COLORREF> colours;
    for (char label : labels) colours.push_back(LabelColour(label));
    src.set(colours);
    for (const auto& c : kClipCases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " " << c.cx << "x" << c.cy
                                        << " from " << c.x1 << "," << c.y1);
        dst.fill(kUntouched);
        EXPECT_EQ(win::BitBlt(dst.dc(), c.x, c.y, c.cx, c.cy, src.dc(), c.x1, c.y1, win::SRCCOPY),
                  1);
        EXPECT_EQ(Picture(dst), c.want);
    }
}

TEST(BitBlt, PatternOnlyRopsClipToTheDestinationAlone) {
    MemoryDC dst(4, 3);
    const win::HBRUSH brush = win::CreateSolidBrush(LabelColour('P'));
    const win::HGDIOBJ oldBrush = win::SelectObject(dst.dc(), brush);
    dst.fill(kUntouched);
    // The source position would be outside any bitmap; without a source it does not count.
    EXPECT_EQ(win::BitBlt(dst.dc(), 2, 1, 10, 10, 0, -50, -50, win::PATCOPY), 1);
    EXPECT_EQ(Picture(dst), "....|..PP|..PP");
    win::SelectObject(dst.dc(), oldBrush);
    win::DeleteObject(brush);
}

struct OverlapCase {
    const char* name;
    int32_t x, y, cx, cy, x1, y1;
    const char* want;
};

// Within one 4 x 3 bitmap labelled a to l.
const OverlapCase kOverlapCases[] = {
    {"right by one", 1, 0, 3, 3, 0, 0, "aabc|eefg|iijk"},
    {"left by one", 0, 0, 3, 3, 1, 0, "bcdd|fghh|jkll"},
    {"down by one", 0, 1, 4, 2, 0, 0, "abcd|abcd|efgh"},
    {"up by one", 0, 0, 4, 2, 0, 1, "efgh|ijkl|ijkl"},
    {"down and right", 1, 1, 3, 2, 0, 0, "abcd|eabc|iefg"},
    {"up and left", 0, 0, 3, 2, 1, 1, "fghd|jklh|ijkl"},
    {"onto itself", 0, 0, 4, 3, 0, 0, "abcd|efgh|ijkl"},
};

TEST(BitBlt, OverlappingCopiesInOneBitmapReadTheSourceFirst) {
    MemoryDC dc(4, 3);
    const std::string labels = "abcdefghijkl";
    std::vector<COLORREF> colours;
    for (char label : labels) colours.push_back(LabelColour(label));
    for (const auto& c : kOverlapCases) {
        SCOPED_TRACE(c.name);
        dc.set(colours);
        EXPECT_EQ(win::BitBlt(dc.dc(), c.x, c.y, c.cx, c.cy, dc.dc(), c.x1, c.y1, win::SRCCOPY), 1);
        EXPECT_EQ(Picture(dc), c.want);
    }
}

TEST(BitBlt, SourceInvertOntoItselfGivesBlack) {
    MemoryDC dc(3, 1);
    dc.set({0x123456, 0xFFFFFF, 0x0000FF});
    EXPECT_EQ(win::BitBlt(dc.dc(), 0, 0, 3, 1, dc.dc(), 0, 0, win::SRCINVERT), 1);
    EXPECT_EQ(dc.read(), (std::vector<COLORREF>{0, 0, 0}));
}

TEST(BitBlt, MonochromeSourceTakesTheDestinationsTextAndBackgroundColours) {
    MemoryDC mono(2, 1, 1), colour(2, 1);
    mono.set({0x000000, 0xFFFFFF});
    win::SetTextColor(colour.dc(), 0x010203);
    win::SetBkColor(colour.dc(), 0x040506);
    // The source DC's own colours play no part.
    win::SetTextColor(mono.dc(), 0x777777);
    win::SetBkColor(mono.dc(), 0x888888);
    EXPECT_EQ(win::BitBlt(colour.dc(), 0, 0, 2, 1, mono.dc(), 0, 0, win::SRCCOPY), 1);
    EXPECT_EQ(colour.read(), (std::vector<COLORREF>{0x010203, 0x040506}));
}

TEST(BitBlt, ColourSourceOnMonochromeIsWhereItMatchesTheSourceBackground) {
    MemoryDC colour(4, 1), mono(4, 1, 1);
    colour.set({0x00FF00, 0xFF00FF, 0xFF00FE, 0xFFFFFF});
    win::SetBkColor(colour.dc(), 0xFF00FF);
    EXPECT_EQ(win::BitBlt(mono.dc(), 0, 0, 4, 1, colour.dc(), 0, 0, win::SRCCOPY), 1);
    EXPECT_EQ(mono.read(), (std::vector<COLORREF>{0, 0xFFFFFF, 0, 0}));
}

TEST(BitBlt, BrushOnMonochromeIsTheNearerOfBlackAndWhite) {
    MemoryDC mono(1, 1, 1);
    for (const auto& [brushColour, want] : {std::pair<COLORREF, COLORREF>{0xC0C0C0, 0xFFFFFF},
                                            {0x404040, 0x000000},
                                            {0x0000FF, 0x000000},
                                            {0x00FFFF, 0xFFFFFF}}) {
        SCOPED_TRACE(brushColour);
        const win::HBRUSH brush = win::CreateSolidBrush(brushColour);
        const win::HGDIOBJ old = win::SelectObject(mono.dc(), brush);
        EXPECT_EQ(win::BitBlt(mono.dc(), 0, 0, 1, 1, 0, 0, 0, win::PATCOPY), 1);
        EXPECT_EQ(win::GetPixel(mono.dc(), 0, 0), want);
        win::SelectObject(mono.dc(), old);
        win::DeleteObject(brush);
    }
}

TEST(BitBlt, TransparentDrawThroughAMask) {
    // The classic sequence: a mask from the picture's key colour, then the picture drawn
    // with SRCINVERT / SRCAND / SRCINVERT leaves the backdrop where the key colour was.
    constexpr COLORREF key = 0xFF00FF, backdrop = 0x336699;
    MemoryDC picture(3, 1), mask(3, 1, 1), target(3, 1);
    picture.set({0x0000FF, key, 0x00FF00});
    target.fill(backdrop);
    win::SetBkColor(picture.dc(), key);
    ASSERT_EQ(win::BitBlt(mask.dc(), 0, 0, 3, 1, picture.dc(), 0, 0, win::SRCCOPY), 1);
    ASSERT_EQ(win::BitBlt(target.dc(), 0, 0, 3, 1, picture.dc(), 0, 0, win::SRCINVERT), 1);
    ASSERT_EQ(win::BitBlt(target.dc(), 0, 0, 3, 1, mask.dc(), 0, 0, win::SRCAND), 1);
    ASSERT_EQ(win::BitBlt(target.dc(), 0, 0, 3, 1, picture.dc(), 0, 0, win::SRCINVERT), 1);
    EXPECT_EQ(target.read(), (std::vector<COLORREF>{0x0000FF, backdrop, 0x00FF00}));
}

TEST(BitBlt, BadHandlesFail) {
    MemoryDC src(2, 2), dst(2, 2);
    const win::HDC gone = win::CreateCompatibleDC(0);
    win::DeleteDC(gone);
    struct Case {
        const char* name;
        win::HDC dest;
        win::HDC source;
        win::DWORD rop;
        win::BOOL want;
    };
    const Case cases[] = {
        {"no destination", 0, src.dc(), win::SRCCOPY, 0},
        {"unknown destination", 12345, src.dc(), win::SRCCOPY, 0},
        {"deleted destination", gone, src.dc(), win::SRCCOPY, 0},
        {"a bitmap as destination", dst.bitmap(), src.dc(), win::SRCCOPY, 0},
        {"no source", dst.dc(), 0, win::SRCCOPY, 0},
        {"deleted source", dst.dc(), gone, win::SRCAND, 0},
        {"a bitmap as source", dst.dc(), src.bitmap(), win::SRCCOPY, 0},
        {"no source, none needed", dst.dc(), 0, win::PATCOPY, 1},
        {"bad source, none needed", dst.dc(), gone, win::DSTINVERT, 1},
        {"no destination, no source needed", 0, 0, win::BLACKNESS, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dst.fill(kUntouched);
        EXPECT_EQ(win::BitBlt(c.dest, 0, 0, 2, 2, c.source, 0, 0, c.rop), c.want);
        if (c.want == 0) {
            EXPECT_EQ(dst.read(), std::vector<COLORREF>(4, kUntouched));
        }
    }
}

}  // namespace
