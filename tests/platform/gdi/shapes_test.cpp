// Pattern brushes and their origin, pens and Rectangle, regions, OleTranslateColor.

#include <gtest/gtest.h>

#include <cstring>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/memory_dc.h"
#include "platform/gdi/ole_colour.h"
#include "platform/gdi/pixel_art.h"
#include "platform/gdi/text.h"
#include "platform/user32/draw.h"
#include "platform/user32/window_region.h"

namespace {

using gdi_test::MemoryDC;

const win::COLORREF R = win::RGB(255, 0, 0);
const win::COLORREF G = win::RGB(0, 128, 0);
const win::COLORREF B = win::RGB(0, 0, 255);
const win::COLORREF K = win::RGB(0, 0, 0);
const win::COLORREF W = win::RGB(255, 255, 255);
const std::map<win::COLORREF, char> kLetters = {{R, 'R'}, {G, 'G'}, {B, 'B'}, {K, 'K'}, {W, 'W'}};

// A 3 x 2 tile: R G B over B R G.
win::HBITMAP Tile() {
    gdi::Bitmap b(3, 2);
    const win::COLORREF colours[] = {R, G, B, B, R, G};
    for (int32_t i = 0; i < 6; ++i) b.setPixel(i % 3, i / 3, gdi::ToPixel(colours[i]));
    return gdi::CreateBitmapFromPixels(b);
}

TEST(CreatePatternBrush, TilesFromTheBrushOrigin) {
    const win::HBITMAP tile = Tile();
    const win::HBRUSH brush = win::CreatePatternBrush(tile);
    ASSERT_NE(brush, 0);
    EXPECT_EQ(win::DeleteObject(tile), 1);  // the brush keeps its own copy
    struct Case {
        win::POINT origin;
        const char* art;
    };
    const Case cases[] = {
        {{0, 0}, "RGBRG\nBRGBR\nRGBRG\n"},
        {{1, 0}, "BRGBR\nGBRGB\nBRGBR\n"},
        {{-1, 1}, "RGBRG\nGBRGB\nRGBRG\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.art);
        MemoryDC m(5, 3);
        win::POINT old{9, 9};
        EXPECT_EQ(win::SetBrushOrgEx(m.dc(), c.origin.x, c.origin.y, &old), 1);
        EXPECT_EQ(old.x, 0);
        const win::RECT all{0, 0, 5, 3};
        EXPECT_EQ(win::FillRect(m.dc(), &all, brush), 1);
        EXPECT_EQ(gdi_test::Art(m, 5, kLetters), c.art);
    }
    EXPECT_EQ(win::DeleteObject(brush), 1);
}

TEST(CreatePatternBrush, AMonochromeTileTakesTheTextAndBackgroundColours) {
    const uint8_t bits[] = {0x40, 0, 0x80, 0};  // 2 x 2: 0 1 / 1 0
    const win::HBITMAP tile = win::CreateBitmap(2, 2, 1, 1, bits);
    const win::HBRUSH brush = win::CreatePatternBrush(tile);
    MemoryDC m(3, 2);
    win::SetTextColor(m.dc(), R);
    win::SetBkColor(m.dc(), B);
    const win::HGDIOBJ old = win::SelectObject(m.dc(), brush);
    EXPECT_EQ(win::BitBlt(m.dc(), 0, 0, 3, 2, 0, 0, 0, win::PATCOPY), 1);
    EXPECT_EQ(gdi_test::Art(m, 3, kLetters), "RBR\nBRB\n");
    win::SelectObject(m.dc(), old);
    win::DeleteObject(brush);
    win::DeleteObject(tile);
}

TEST(CreatePatternBrush, TheTwinTilesTheDoubledPattern) {
    const win::HBITMAP tile = Tile();
    const win::HBRUSH brush = win::CreatePatternBrush(tile);
    MemoryDC m(4, 3);
    auto* pixels = const_cast<gdi::Bitmap*>(gdi::SelectedBitmap(m.dc()));
    pixels->addDoubledTwin();
    win::SetBrushOrgEx(m.dc(), 1, 1, nullptr);
    const win::RECT all{0, 0, 4, 3};
    win::FillRect(m.dc(), &all, brush);
    EXPECT_EQ(*pixels->twin(), gdi::Doubled(*pixels));
    win::DeleteObject(brush);
    win::DeleteObject(tile);
}

TEST(Rectangle, FillsWithTheBrushAndOutlinesWithThePen) {
    MemoryDC m(5, 4);
    m.fill(W);
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, R);
    const win::HBRUSH brush = win::CreateSolidBrush(B);
    const win::HGDIOBJ oldPen = win::SelectObject(m.dc(), pen);
    EXPECT_EQ(oldPen, win::GetStockObject(win::BLACK_PEN));
    const win::HGDIOBJ oldBrush = win::SelectObject(m.dc(), brush);
    EXPECT_EQ(win::Rectangle(m.dc(), 0, 0, 4, 4), 1);
    EXPECT_EQ(gdi_test::Art(m, 5, kLetters), "RRRRW\nRBBRW\nRBBRW\nRRRRW\n");
    win::SelectObject(m.dc(), win::GetStockObject(win::NULL_PEN));
    EXPECT_EQ(win::Rectangle(m.dc(), 3, 1, 5, 3), 1);
    EXPECT_EQ(gdi_test::Art(m, 5, kLetters), "RRRRW\nRBBBB\nRBBBB\nRRRRW\n");
    EXPECT_EQ(win::SelectObject(m.dc(), oldPen), win::GetStockObject(win::NULL_PEN));
    win::SelectObject(m.dc(), oldBrush);
    EXPECT_EQ(win::DeleteObject(pen), 1);
    EXPECT_EQ(win::DeleteObject(brush), 1);
    EXPECT_EQ(win::CreatePen(2, 1, R), 0);  // dashes are not drawn
}

TEST(CreateRoundRectRgn, RoundsTheCorners) {
    const gdi::Region round(0, 0, 8, 6, 6, 6);
    std::string art;
    for (int32_t y = -1; y <= 6; ++y) {
        for (int32_t x = -1; x <= 8; ++x) art += round.contains(x, y) ? '#' : '.';
        art += '\n';
    }
    EXPECT_EQ(art,
              "..........\n"
              "..######..\n"
              ".########.\n"
              ".########.\n"
              ".########.\n"
              ".########.\n"
              "..######..\n"
              "..........\n");
    EXPECT_EQ(gdi::Region(5, 4, 1, 2), gdi::Region(1, 2, 5, 4));  // corners in any order
}

TEST(SetWindowRgn, RecordsTheShapeAndTakesTheHandle) {
    const win::HWND window = 0x7711;
    const win::HRGN region = win::CreateRoundRectRgn(0, 0, 100, 50, 20, 20);
    EXPECT_EQ(gdi::WindowRegion(window), nullptr);
    EXPECT_EQ(win::SetWindowRgn(window, region, 1), 1);
    ASSERT_NE(gdi::WindowRegion(window), nullptr);
    EXPECT_EQ(*gdi::WindowRegion(window), gdi::Region(0, 0, 100, 50, 20, 20));
    EXPECT_EQ(win::DeleteObject(region), 0);  // the window owns it now
    EXPECT_EQ(win::SetWindowRgn(window, region, 1), 0);
    EXPECT_EQ(win::SetWindowRgn(0, win::CreateRectRgn(0, 0, 1, 1), 1), 0);
    EXPECT_EQ(win::SetWindowRgn(window, 0, 1), 1);
    EXPECT_EQ(gdi::WindowRegion(window), nullptr);
    const win::HRGN rect = win::CreateRectRgn(0, 0, 2, 2);
    MemoryDC m(1, 1);
    EXPECT_EQ(win::SelectObject(m.dc(), rect), 0);  // regions are not selected
    EXPECT_EQ(win::DeleteObject(rect), 1);
}

TEST(OleTranslateColor, ResolvesSystemColoursAndRefusesTheRest) {
    struct Case {
        uint32_t colour;
        win::HRESULT result;
        win::COLORREF want;
    };
    const Case cases[] = {
        {0x000000FF, win::S_OK, 0x0000FF},
        {0x02123456, win::S_OK, 0x123456},
        {0x8000000F, win::S_OK, win::GetSysColor(15)},  // button face
        {0x80000007, win::S_OK, 0x000000},              // menu text
        {0x8000000D, win::S_OK, win::RGB(0x00, 0x78, 0xD7)},
        {0x8000001E, win::S_OK, win::GetSysColor(30)},
        {0x8000001F, win::E_INVALIDARG, 0xBDBDBDBD},
        {0x80000100, win::E_INVALIDARG, 0xBDBDBDBD},
        {0x01000005, win::E_INVALIDARG, 0xBDBDBDBD},
        {0xFF000000, win::E_INVALIDARG, 0xBDBDBDBD},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        win::COLORREF out[3];
        std::memset(out, 0xBD, sizeof out);
        EXPECT_EQ(win::OleTranslateColor(c.colour, 0, &out[1]), c.result);
        EXPECT_EQ(out[1], c.want);
        EXPECT_EQ(out[0], 0xBDBDBDBDu);
        EXPECT_EQ(out[2], 0xBDBDBDBDu);
        EXPECT_EQ(win::OleTranslateColor(c.colour, 0, nullptr), c.result);
    }
}

TEST(DrawingObjects, BadHandlesGiveZero) {
    MemoryDC m(2, 2);
    win::POINT origin{};
    EXPECT_EQ(win::CreatePatternBrush(0x1234), 0);
    EXPECT_EQ(win::SetBrushOrgEx(0x1234, 0, 0, &origin), 0);
    EXPECT_EQ(win::Rectangle(0x1234, 0, 0, 1, 1), 0);
    EXPECT_EQ(win::GetDeviceCaps(0x1234, win::LOGPIXELSY), 0);
    EXPECT_EQ(win::GetDeviceCaps(m.dc(), win::LOGPIXELSY), 96);
    EXPECT_EQ(win::GetDeviceCaps(m.dc(), 12), 0);
    const win::HFONT font = win::CreateFontA(-8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr);
    EXPECT_EQ(win::SelectObject(m.dc(), font), win::GetStockObject(win::SYSTEM_FONT));
    EXPECT_EQ(win::DeleteObject(font), 1);  // selected: the DC keeps drawing with it
    win::TEXTMETRICA metrics{};
    EXPECT_EQ(win::GetTextMetricsA(m.dc(), &metrics), 1);
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 8);
    EXPECT_EQ(win::DeleteObject(font), 0);
    EXPECT_EQ(win::GetObjectA(win::GetStockObject(win::BLACK_PEN), 0, nullptr), 0);
}

}  // namespace
