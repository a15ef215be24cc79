// user32 drawing: 3-D edges, the focus rectangle, icons, the disabled look, FillRect and
// the system colours.

#include "platform/user32/draw.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/memory_dc.h"
#include "platform/gdi/pixel_art.h"
#include "platform/gdi/text.h"

namespace {

using gdi_test::MemoryDC;

// The classic 3-D colours by letter: F button face, H highlight, S shadow, D dark shadow,
// L light; R and G the test's own red and green, K black.
const win::COLORREF kFace = win::GetSysColor(win::COLOR_BTNFACE);
const std::map<win::COLORREF, char> kLetters = {
    {kFace, 'F'},
    {win::GetSysColor(win::COLOR_BTNHIGHLIGHT), 'H'},
    {win::GetSysColor(win::COLOR_BTNSHADOW), 'S'},
    {win::GetSysColor(win::COLOR_3DDKSHADOW), 'D'},
    {win::GetSysColor(win::COLOR_3DLIGHT), 'L'},
    {win::RGB(255, 0, 0), 'R'},
    {win::RGB(0, 128, 0), 'G'},
    {win::RGB(0, 0, 0), 'K'},
};

struct EdgeCase {
    const char* name;
    uint32_t edge;
    uint32_t flags;
    win::RECT rect;
    const char* art;
};
const EdgeCase kEdges[] = {
    {"thin raised",
     win::BDR_RAISEDINNER,
     win::BF_RECT,
     {0, 0, 5, 4},
     "HHHHS\n"
     "HFFFS\n"
     "HFFFS\n"
     "SSSSS\n"},
    {"raised",
     win::EDGE_RAISED,
     win::BF_RECT,
     {0, 0, 5, 4},
     "LLLLD\n"
     "LHHSD\n"
     "LSSSD\n"
     "DDDDD\n"},
    {"thin sunken",
     win::BDR_SUNKENINNER,
     win::BF_RECT,
     {0, 0, 5, 4},
     "DDDDL\n"
     "DFFFL\n"
     "DFFFL\n"
     "LLLLL\n"},
    {"sunken",
     win::EDGE_SUNKEN,
     win::BF_RECT,
     {0, 0, 5, 4},
     "SSSSH\n"
     "SDDLH\n"
     "SLLLH\n"
     "HHHHH\n"},
    {"etched top, the menu separator",
     win::EDGE_ETCHED,
     win::BF_TOP,
     {1, 1, 4, 3},
     "FFFFF\n"
     "FSSSF\n"
     "FHHHF\n"
     "FFFFF\n"},
};

TEST(DrawEdge, DrawsTheRingsOfEachKind) {
    for (const EdgeCase& c : kEdges) {
        SCOPED_TRACE(c.name);
        MemoryDC m(5, 4);
        auto* pixels = const_cast<gdi::Bitmap*>(gdi::SelectedBitmap(m.dc()));
        pixels->addDoubledTwin();
        m.fill(kFace);
        win::RECT rect = c.rect;
        EXPECT_EQ(win::DrawEdge(m.dc(), &rect, c.edge, c.flags), 1);
        EXPECT_EQ(gdi_test::Art(m, 5, kLetters), c.art);
        EXPECT_EQ(*pixels->twin(), gdi::Doubled(*pixels));  // lines two pixels wide
    }
}

TEST(DrawEdge, AdjustShrinksTheRectangleByTheRingsDrawn) {
    MemoryDC m(6, 6);
    win::RECT rect{0, 0, 6, 6};
    EXPECT_EQ(win::DrawEdge(m.dc(), &rect, win::EDGE_SUNKEN, win::BF_RECT | win::BF_ADJUST), 1);
    EXPECT_EQ(rect.left, 2);
    EXPECT_EQ(rect.top, 2);
    EXPECT_EQ(rect.right, 4);
    EXPECT_EQ(rect.bottom, 4);
    win::RECT top{0, 0, 6, 6};
    EXPECT_EQ(win::DrawEdge(m.dc(), &top, win::BDR_RAISEDINNER, win::BF_TOP | win::BF_ADJUST), 1);
    EXPECT_EQ(top.top, 1);
    EXPECT_EQ(top.left, 0);
}

TEST(DrawFocusRect, InvertsEveryOtherPixelAndTwiceRestores) {
    MemoryDC m(5, 4);
    m.fill(win::RGB(255, 255, 255));
    const win::RECT rect{0, 0, 5, 4};
    ASSERT_EQ(win::DrawFocusRect(m.dc(), &rect), 1);
    EXPECT_EQ(gdi_test::Art(m, 5, {{0xFFFFFF, 'W'}, {0, 'K'}}),
              "KWKWK\n"
              "WWWWW\n"
              "KWWWK\n"
              "WKWKW\n");
    // On any picture, twin included, and on a one-pixel-wide rectangle.
    MemoryDC busy(6, 5);
    for (int32_t i = 0; i < 30; ++i)
        win::SetPixel(busy.dc(), i % 6, i / 6, win::RGB(static_cast<uint8_t>(i * 8), 40, 200));
    auto* pixels = const_cast<gdi::Bitmap*>(gdi::SelectedBitmap(busy.dc()));
    pixels->addDoubledTwin();
    const gdi::Bitmap before = *pixels;
    for (const win::RECT r : {win::RECT{1, 1, 5, 4}, win::RECT{2, 0, 3, 5}}) {
        win::SetTextColor(busy.dc(), win::RGB(10, 20, 30));
        EXPECT_EQ(win::DrawFocusRect(busy.dc(), &r), 1);
        EXPECT_FALSE(*pixels == before);
        EXPECT_EQ(win::DrawFocusRect(busy.dc(), &r), 1);
        EXPECT_TRUE(*pixels == before);
    }
}

// A bitmap handle of @p w x @p h pixels from @p colours, row after row.
win::HBITMAP MakeBitmap(int32_t w, int32_t h, std::initializer_list<win::COLORREF> colours) {
    gdi::Bitmap b(w, h);
    int32_t i = 0;
    for (const win::COLORREF c : colours) {
        b.setPixel(i % w, i / w, gdi::ToPixel(c));
        ++i;
    }
    return gdi::CreateBitmapFromPixels(b);
}

TEST(DrawStateA, EmbossesADisabledBitmapOnItsNonWhitePixels) {
    const win::COLORREF W = win::RGB(255, 255, 255);
    const win::COLORREF R = win::RGB(255, 0, 0);
    const win::HBITMAP picture = MakeBitmap(3, 2, {W, R, W, R, R, W});
    MemoryDC m(5, 4);
    auto* pixels = const_cast<gdi::Bitmap*>(gdi::SelectedBitmap(m.dc()));
    pixels->addDoubledTwin();
    m.fill(kFace);
    EXPECT_EQ(win::DrawStateA(m.dc(), 0, nullptr, picture, 0, 1, 1, 0, 0,
                              win::DST_BITMAP | win::DSS_DISABLED),
              1);
    // The twin's highlight sits two of its pixels right and down: a pixel of the bitmap.
    EXPECT_EQ(*pixels->twin(), gdi::Doubled(*pixels));
    EXPECT_EQ(gdi_test::Art(m, 5, kLetters),
              "FFFFF\n"
              "FFSFF\n"
              "FSSHF\n"
              "FFHHF\n");
    m.fill(kFace);
    EXPECT_EQ(win::DrawStateA(m.dc(), 0, nullptr, picture, 0, 1, 1, 0, 0, win::DST_BITMAP), 1);
    EXPECT_EQ(gdi_test::Art(m, 5, kLetters),
              "FFFFF\n"
              "FHRHF\n"
              "FRRHF\n"
              "FFFFF\n");
    win::DeleteObject(picture);
}

// Pixels of @p colour in the DC.
int32_t Count(const MemoryDC& m, win::COLORREF colour) {
    int32_t n = 0;
    for (const win::COLORREF c : m.read()) n += c == colour ? 1 : 0;
    return n;
}

TEST(DrawStateA, DrawsPrefixTextNormalAndDisabled) {
    auto draw = [](const char* text, uint32_t flags) {
        auto m = std::make_unique<MemoryDC>(40, 20);
        m->fill(kFace);
        const win::HFONT font =
            win::CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 16, 0, 0, "Arial");
        const win::HGDIOBJ old = win::SelectObject(m->dc(), font);
        win::SetTextColor(m->dc(), win::RGB(255, 0, 0));
        win::SetBkMode(m->dc(), win::TRANSPARENT);
        EXPECT_EQ(win::DrawStateA(m->dc(), 0, nullptr, reinterpret_cast<win::LPARAM>(text), 0, 2, 2,
                                  0, 0, flags),
                  1);
        win::SelectObject(m->dc(), old);
        win::DeleteObject(font);
        return m;
    };
    const auto plain = draw("Hi", win::DST_PREFIXTEXT);
    const auto marked = draw("&Hi", win::DST_PREFIXTEXT);
    const auto asText = draw("&Hi", win::DST_TEXT);
    EXPECT_GT(Count(*plain, win::RGB(255, 0, 0)), 5);
    EXPECT_GT(Count(*marked, win::RGB(255, 0, 0)),
              Count(*plain, win::RGB(255, 0, 0)));  // the underline
    EXPECT_NE(asText->read(), marked->read());      // DST_TEXT draws the "&"
    const auto disabled = draw("&Hi", win::DST_PREFIXTEXT | win::DSS_DISABLED);
    EXPECT_EQ(Count(*disabled, win::RGB(255, 0, 0)), 0);
    EXPECT_GT(Count(*disabled, win::GetSysColor(win::COLOR_BTNSHADOW)), 5);
    EXPECT_GT(Count(*disabled, win::GetSysColor(win::COLOR_BTNHIGHLIGHT)), 5);
}

TEST(DrawIcon, AndsTheMaskThenXorsTheColour) {
    const win::COLORREF G = win::RGB(0, 128, 0);
    gdi::Bitmap colour(3, 1);
    gdi::Bitmap mask(3, 1, gdi::Bitmap::Format::Mono);
    colour.setPixel(1, 0, 0xFF0000);  // opaque red
    mask.setPixel(0, 0, 0xFFFFFF);    // transparent
    colour.setPixel(2, 0, 0xFFFFFF);  // transparent and white: the screen inverted
    mask.setPixel(2, 0, 0xFFFFFF);
    const win::HICON icon = win::CreateIconFromPixels(colour, mask);
    ASSERT_NE(icon, 0);
    MemoryDC m(4, 1);
    m.fill(G);
    EXPECT_EQ(win::DrawIcon(m.dc(), 1, 0, icon), 1);
    EXPECT_EQ(m.read(),
              (std::vector<win::COLORREF>{G, G, win::RGB(255, 0, 0), win::RGB(255, 127, 255)}));
    MemoryDC grey(4, 2);
    grey.fill(kFace);
    EXPECT_EQ(win::DrawStateA(grey.dc(), 0, nullptr, icon, 0, 0, 0, 0, 0,
                              win::DST_ICON | win::DSS_DISABLED),
              1);
    EXPECT_EQ(gdi_test::Art(grey, 4, kLetters), "FSFF\nFFHF\n");
    EXPECT_EQ(win::DeleteObject(icon), 0);  // icons go by DestroyIcon
    EXPECT_EQ(win::DestroyIcon(icon), 1);
    EXPECT_EQ(win::DestroyIcon(icon), 0);
}

TEST(FillRect, TakesABrushOrASystemColourIndexPlusOne) {
    MemoryDC m(3, 2);
    m.fill(0);
    const win::RECT rect{1, 0, 3, 1};
    EXPECT_EQ(win::FillRect(m.dc(), &rect, win::COLOR_BTNSHADOW + 1), 1);
    const win::HBRUSH red = win::CreateSolidBrush(win::RGB(255, 0, 0));
    const win::RECT lower{0, 1, 2, 2};
    EXPECT_EQ(win::FillRect(m.dc(), &lower, red), 1);
    EXPECT_EQ(gdi_test::Art(m, 3, kLetters), "KSS\nRRK\n");
    win::DeleteObject(red);
}

TEST(User32Drawing, BadArgumentsGiveZero) {
    MemoryDC m(4, 4);
    win::RECT rect{0, 0, 2, 2};
    const char* text = "a";
    const auto t = reinterpret_cast<win::LPARAM>(text);
    EXPECT_EQ(win::DrawEdge(0x1234, &rect, win::EDGE_RAISED, win::BF_RECT), 0);
    EXPECT_EQ(win::DrawEdge(m.dc(), nullptr, win::EDGE_RAISED, win::BF_RECT), 0);
    EXPECT_EQ(win::DrawFocusRect(0x1234, &rect), 0);
    EXPECT_EQ(win::DrawFocusRect(m.dc(), nullptr), 0);
    EXPECT_EQ(win::DrawIcon(m.dc(), 0, 0, 0x1234), 0);
    EXPECT_EQ(win::DrawIcon(m.dc(), 0, 0, m.bitmap()), 0);  // not an icon
    EXPECT_EQ(win::FillRect(m.dc(), &rect, 0x1234), 0);
    EXPECT_EQ(win::FillRect(0x1234, &rect, win::COLOR_BTNFACE + 1), 0);
    EXPECT_EQ(win::FillRect(m.dc(), nullptr, win::COLOR_BTNFACE + 1), 0);
    EXPECT_EQ(win::DrawStateA(0x1234, 0, nullptr, t, 0, 0, 0, 0, 0, win::DST_TEXT), 0);
    EXPECT_EQ(win::DrawStateA(m.dc(), 0, &rect, t, 0, 0, 0, 0, 0, win::DST_TEXT), 0);
    EXPECT_EQ(win::DrawStateA(m.dc(), 0, nullptr, 0, 0, 0, 0, 0, 0, win::DST_TEXT), 0);
    EXPECT_EQ(win::DrawStateA(m.dc(), 0, nullptr, t, 0, 0, 0, 0, 0, 5), 0);
    EXPECT_EQ(win::DrawStateA(m.dc(), 0, nullptr, t, 0, 0, 0, 0, 0, win::DST_TEXT | 0x80), 0);
    EXPECT_EQ(win::DrawStateA(m.dc(), 0, nullptr, 0x1234, 0, 0, 0, 0, 0, win::DST_BITMAP), 0);
    EXPECT_EQ(win::DrawStateA(m.dc(), 0, nullptr, 0x1234, 0, 0, 0, 0, 0, win::DST_ICON), 0);
    EXPECT_EQ(win::CreateIconFromPixels(gdi::Bitmap(2, 2), gdi::Bitmap(2, 3)), 0);
    EXPECT_EQ(win::GetSysColor(31), 0u);
    EXPECT_EQ(win::GetSysColor(-1), 0u);
}

}  // namespace
