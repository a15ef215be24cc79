#include "platform/gdi/dc.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "memory_dc.h"
#include "platform/gdi/gdi32.h"

namespace {

using gdi_test::MemoryDC;
using win::COLORREF;

constexpr unsigned char kSentinel = 0xBD;

// GetObjectA into a buffer of sentinels with room to spare; returns the call's result.
struct ObjectBytes {
    int32_t result;
    std::array<unsigned char, 64> bytes;
};

ObjectBytes GetObjectBytes(win::HGDIOBJ object, int32_t size) {
    ObjectBytes out{};
    out.bytes.fill(kSentinel);
    out.result = win::GetObjectA(object, size, out.bytes.data());
    return out;
}

bool UntouchedFrom(const ObjectBytes& got, size_t from) {
    for (size_t i = from; i < got.bytes.size(); ++i)
        if (got.bytes[i] != kSentinel) return false;
    return true;
}

// The 1 x 1 bitmap every fresh memory DC holds.
win::HGDIOBJ StockBitmap() {
    const win::HDC dc = win::CreateCompatibleDC(0);
    const win::HBITMAP scratch = win::CreateBitmap(1, 1, 1, 32, nullptr);
    const win::HGDIOBJ stock = win::SelectObject(dc, scratch);
    win::DeleteDC(dc);
    win::DeleteObject(scratch);
    return stock;
}

win::BITMAP DescribeBitmap(win::HGDIOBJ bitmap) {
    win::BITMAP info{};
    EXPECT_EQ(win::GetObjectA(bitmap, sizeof info, &info), static_cast<int32_t>(sizeof info));
    return info;
}

TEST(CreateCompatibleDC, AcceptsTheScreenOrADcAndRefusesABadHandle) {
    const win::HDC first = win::CreateCompatibleDC(0);
    EXPECT_NE(first, 0);
    const win::HDC second = win::CreateCompatibleDC(first);
    EXPECT_NE(second, 0);
    EXPECT_NE(second, first);
    EXPECT_EQ(win::CreateCompatibleDC(777), 0);
    EXPECT_EQ(win::DeleteDC(second), 1);
    EXPECT_EQ(win::DeleteDC(second), 0);
    EXPECT_EQ(win::CreateCompatibleDC(second), 0);
    EXPECT_EQ(win::DeleteDC(first), 1);
    EXPECT_EQ(win::DeleteDC(0), 0);
}

TEST(CreateCompatibleDC, StartsWithTheOneByOneMonochromeStockBitmap) {
    const win::HDC a = win::CreateCompatibleDC(0), b = win::CreateCompatibleDC(0);
    const win::HBITMAP mine = win::CreateBitmap(2, 2, 1, 32, nullptr);
    const win::HGDIOBJ stockA = win::SelectObject(a, mine);
    EXPECT_NE(stockA, 0);
    const win::BITMAP info = DescribeBitmap(stockA);
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_EQ(info.bmHeight, 1);
    EXPECT_EQ(info.bmBitsPixel, 1);
    // Every DC shares the same stock bitmap, and deleting it does nothing.
    const win::HBITMAP other = win::CreateBitmap(2, 2, 1, 32, nullptr);
    EXPECT_EQ(win::SelectObject(b, other), stockA);
    EXPECT_EQ(win::DeleteObject(stockA), 1);
    EXPECT_EQ(win::SelectObject(a, stockA), mine);
    EXPECT_EQ(win::SelectObject(b, stockA), other);
    for (win::HGDIOBJ h : {mine, other}) EXPECT_EQ(win::DeleteObject(h), 1);
    for (win::HDC h : {a, b}) EXPECT_EQ(win::DeleteDC(h), 1);
}

TEST(SelectObject, ReturnsThePreviousObjectOfThatKind) {
    MemoryDC dc(2, 2);
    const win::HBITMAP second = win::CreateBitmap(3, 3, 1, 32, nullptr);
    const win::HBRUSH brush = win::CreateSolidBrush(0x112233);
    const win::HGDIOBJ white = win::GetStockObject(win::WHITE_BRUSH);
    EXPECT_EQ(win::SelectObject(dc.dc(), brush), white);
    EXPECT_EQ(win::SelectObject(dc.dc(), second), dc.bitmap());
    EXPECT_EQ(win::SelectObject(dc.dc(), second), second);  // already there
    EXPECT_EQ(win::SelectObject(dc.dc(), dc.bitmap()), second);
    EXPECT_EQ(win::SelectObject(dc.dc(), white), brush);
    EXPECT_EQ(win::DeleteObject(second), 1);
    EXPECT_EQ(win::DeleteObject(brush), 1);
}

TEST(SelectObject, RefusesBadHandlesAndABitmapHeldByAnotherDc) {
    MemoryDC holder(2, 2);
    const win::HDC other = win::CreateCompatibleDC(0);
    EXPECT_EQ(win::SelectObject(other, holder.bitmap()), 0);
    EXPECT_EQ(win::SelectObject(other, 4242), 0);
    EXPECT_EQ(win::SelectObject(other, other), 0);  // a DC is not an object
    EXPECT_EQ(win::SelectObject(4242, holder.bitmap()), 0);
    EXPECT_EQ(win::SelectObject(0, win::GetStockObject(win::BLACK_BRUSH)), 0);
    EXPECT_EQ(win::DeleteDC(other), 1);
}

TEST(DeleteObject, RefusesASelectedBitmapUntilItsDcLetsItGo) {
    const win::HDC dc = win::CreateCompatibleDC(0);
    const win::HBITMAP bitmap = win::CreateBitmap(4, 4, 1, 32, nullptr);
    const win::HGDIOBJ stock = win::SelectObject(dc, bitmap);
    EXPECT_EQ(win::DeleteObject(bitmap), 0);
    EXPECT_EQ(win::GetPixel(dc, 3, 3), 0u);  // still there
    EXPECT_EQ(win::SelectObject(dc, stock), bitmap);
    EXPECT_EQ(win::DeleteObject(bitmap), 1);
    EXPECT_EQ(win::DeleteObject(bitmap), 0);
    EXPECT_EQ(win::SelectObject(dc, bitmap), 0);

    // Deleting the DC lets its bitmap go too.
    const win::HBITMAP kept = win::CreateBitmap(4, 4, 1, 32, nullptr);
    win::SelectObject(dc, kept);
    EXPECT_EQ(win::DeleteDC(dc), 1);
    EXPECT_EQ(win::DeleteObject(kept), 1);
}

TEST(DeleteObject, ASelectedBrushGoesButItsDcPaintsOnWithItsColour) {
    MemoryDC dc(1, 1);
    const win::HBRUSH brush = win::CreateSolidBrush(0x00A0B0);
    win::SelectObject(dc.dc(), brush);
    EXPECT_EQ(win::DeleteObject(brush), 1);
    EXPECT_EQ(win::GetObjectA(brush, 0, nullptr), 0);
    EXPECT_EQ(win::BitBlt(dc.dc(), 0, 0, 1, 1, 0, 0, 0, win::PATCOPY), 1);
    EXPECT_EQ(win::GetPixel(dc.dc(), 0, 0), 0x00A0B0u);
    EXPECT_EQ(win::DeleteObject(0), 0);
    EXPECT_EQ(win::DeleteObject(dc.dc()), 0);  // a DC is not an object
}

TEST(GetStockObject, GivesTheFiveStockBrushes) {
    const COLORREF want[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
    for (int32_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        win::LOGBRUSH info{};
        EXPECT_EQ(win::GetObjectA(win::GetStockObject(i), sizeof info, &info),
                  static_cast<int32_t>(sizeof info));
        EXPECT_EQ(info.lbColor, want[i]);
    }
    EXPECT_EQ(win::GetStockObject(-1), 0);
    EXPECT_EQ(win::GetStockObject(5), 0);
}

struct CreateBitmapCase {
    int32_t width, height;
    uint32_t planes, bits;
    enum { Made, Stock, Refused } want;
};

const CreateBitmapCase kCreateBitmapCases[] = {
    {1, 1, 1, 32, CreateBitmapCase::Made},
    {5, 3, 1, 1, CreateBitmapCase::Made},
    {0, 5, 1, 32, CreateBitmapCase::Stock},
    {5, 0, 1, 1, CreateBitmapCase::Stock},
    {-1, 1, 1, 32, CreateBitmapCase::Refused},
    {1, -1, 1, 32, CreateBitmapCase::Refused},
    {4, 4, 2, 32, CreateBitmapCase::Refused},
    {4, 4, 0, 32, CreateBitmapCase::Refused},
    {4, 4, 1, 24, CreateBitmapCase::Refused},
    {4, 4, 1, 8, CreateBitmapCase::Refused},
    {4, 4, 1, 0, CreateBitmapCase::Refused},
    {16384, 1, 1, 32, CreateBitmapCase::Made},
    {16385, 1, 1, 32, CreateBitmapCase::Refused},
    {1, 16385, 1, 32, CreateBitmapCase::Refused},
    {16384, 16384, 1, 32, CreateBitmapCase::Refused},
};

TEST(CreateBitmap, MakesThirtyTwoAndOneBitBitmapsOnly) {
    for (const auto& c : kCreateBitmapCases) {
        SCOPED_TRACE(testing::Message()
                     << c.width << "x" << c.height << " planes " << c.planes << " bits " << c.bits);
        const win::HBITMAP made = win::CreateBitmap(c.width, c.height, c.planes, c.bits, nullptr);
        if (c.want == CreateBitmapCase::Refused) {
            EXPECT_EQ(made, 0);
            continue;
        }
        if (c.want == CreateBitmapCase::Stock) {
            EXPECT_EQ(made, StockBitmap());
            continue;
        }
        const win::BITMAP info = DescribeBitmap(made);
        EXPECT_EQ(info.bmWidth, c.width);
        EXPECT_EQ(info.bmHeight, c.height);
        EXPECT_EQ(info.bmBitsPixel, c.bits);
        EXPECT_EQ(win::DeleteObject(made), 1);
    }
}

TEST(CreateBitmap, ReadsRowsPaddedToEvenBytes) {
    // 3 x 2 at 32 bits: B, G, R, unused per pixel.
    const unsigned char colour[] = {0x01, 0x02, 0x03, 0xFF, 0x04, 0x05, 0x06, 0xFF,
                                    0x07, 0x08, 0x09, 0xFF, 0x0A, 0x0B, 0x0C, 0x00,
                                    0x0D, 0x0E, 0x0F, 0x00, 0x10, 0x11, 0x12, 0x00};
    // 10 x 2 at 1 bit: two bytes of pixels a row, high bit first, 1 white; the padding
    // bits are set and must not matter.
    const unsigned char mono[] = {0b1010'0000, 0b01'111111, 0b0000'0000, 0b11'000000};
    MemoryDC view(1, 1);
    struct Case {
        win::HBITMAP bitmap;
        std::vector<COLORREF> want;
    };
    const Case cases[] = {
        {win::CreateBitmap(3, 2, 1, 32, colour),
         {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112}},
        {win::CreateBitmap(10, 2, 1, 1, mono),
         {0xFFFFFF, 0, 0xFFFFFF, 0, 0, 0, 0, 0, 0,        0xFFFFFF,  //
          0,        0, 0,        0, 0, 0, 0, 0, 0xFFFFFF, 0xFFFFFF}},
    };
    for (const auto& c : cases) {
        const win::HGDIOBJ old = win::SelectObject(view.dc(), c.bitmap);
        const win::BITMAP info = DescribeBitmap(c.bitmap);
        std::vector<COLORREF> got;
        for (int32_t y = 0; y < info.bmHeight; ++y)
            for (int32_t x = 0; x < info.bmWidth; ++x)
                got.push_back(win::GetPixel(view.dc(), x, y));
        EXPECT_EQ(got, c.want);
        win::SelectObject(view.dc(), old);
        win::DeleteObject(c.bitmap);
    }
}

TEST(CreateCompatibleBitmap, TakesTheFormatOfTheSelectedBitmap) {
    const win::HDC fresh = win::CreateCompatibleDC(0);
    MemoryDC colour(1, 1);
    struct Case {
        const char* name;
        win::HDC dc;
        int32_t width, height;
        int bits;  // 0: refused, -1: the stock bitmap
    };
    const Case cases[] = {
        {"screen", 0, 4, 3, 32},
        {"fresh memory DC", fresh, 4, 3, 1},
        {"DC holding a colour bitmap", colour.dc(), 4, 3, 32},
        {"bad DC", 999, 4, 3, 0},
        {"zero width", colour.dc(), 0, 3, -1},
        {"negative height", colour.dc(), 4, -3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const win::HBITMAP made = win::CreateCompatibleBitmap(c.dc, c.width, c.height);
        if (c.bits == 0) {
            EXPECT_EQ(made, 0);
            continue;
        }
        if (c.bits == -1) {
            EXPECT_EQ(made, StockBitmap());
            continue;
        }
        const win::BITMAP info = DescribeBitmap(made);
        EXPECT_EQ(info.bmWidth, c.width);
        EXPECT_EQ(info.bmHeight, c.height);
        EXPECT_EQ(info.bmBitsPixel, c.bits);
        EXPECT_EQ(win::DeleteObject(made), 1);
    }
    win::DeleteDC(fresh);
}

TEST(GetObjectA, DescribesABitmapWithinTheBufferItIsGiven) {
    const win::HBITMAP colour = win::CreateBitmap(7, 3, 1, 32, nullptr);
    const win::HBITMAP mono = win::CreateBitmap(17, 2, 1, 1, nullptr);
    constexpr auto kSize = static_cast<int32_t>(sizeof(win::BITMAP));
    EXPECT_EQ(win::GetObjectA(colour, 0, nullptr), kSize);

    ObjectBytes got = GetObjectBytes(colour, kSize);
    EXPECT_EQ(got.result, kSize);
    EXPECT_TRUE(UntouchedFrom(got, sizeof(win::BITMAP)));
    win::BITMAP info;
    std::memcpy(&info, got.bytes.data(), sizeof info);
    EXPECT_EQ(info.bmType, 0);
    EXPECT_EQ(info.bmWidth, 7);
    EXPECT_EQ(info.bmHeight, 3);
    EXPECT_EQ(info.bmWidthBytes, 28);
    EXPECT_EQ(info.bmPlanes, 1);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmBits, nullptr);

    got = GetObjectBytes(mono, 64);
    EXPECT_EQ(got.result, kSize);
    std::memcpy(&info, got.bytes.data(), sizeof info);
    EXPECT_EQ(info.bmWidthBytes, 4);  // 17 bits round up to two 16-bit words
    EXPECT_EQ(info.bmBitsPixel, 1);

    for (int32_t small : {kSize - 1, 0, -1}) {
        SCOPED_TRACE(small);
        got = GetObjectBytes(colour, small);
        EXPECT_EQ(got.result, 0);
        EXPECT_TRUE(UntouchedFrom(got, 0));
    }
    got = GetObjectBytes(31337, kSize);
    EXPECT_EQ(got.result, 0);
    EXPECT_TRUE(UntouchedFrom(got, 0));
    win::DeleteObject(colour);
    win::DeleteObject(mono);
}

TEST(GetObjectA, WritesAsMuchOfABrushAsFits) {
    const win::HBRUSH brush = win::CreateSolidBrush(0x00C0FFEE);
    constexpr auto kSize = static_cast<int32_t>(sizeof(win::LOGBRUSH));
    EXPECT_EQ(win::GetObjectA(brush, 0, nullptr), kSize);

    ObjectBytes got = GetObjectBytes(brush, 64);
    EXPECT_EQ(got.result, kSize);
    EXPECT_TRUE(UntouchedFrom(got, sizeof(win::LOGBRUSH)));
    win::LOGBRUSH info;
    std::memcpy(&info, got.bytes.data(), sizeof info);
    EXPECT_EQ(info.lbStyle, win::BS_SOLID);
    EXPECT_EQ(info.lbColor, 0x00C0FFEEu);
    EXPECT_EQ(info.lbHatch, 0u);

    got = GetObjectBytes(brush, 4);
    EXPECT_EQ(got.result, 4);
    EXPECT_EQ(got.bytes[0], 0);  // lbStyle, BS_SOLID
    EXPECT_TRUE(UntouchedFrom(got, 4));
    win::DeleteObject(brush);
}

struct PixelCase {
    int32_t x, y;
    COLORREF set;
    COLORREF wantSet;
    COLORREF wantGet;
};

TEST(Pixels, SetAndGetInsideTheBitmapOnly) {
    const PixelCase colourCases[] = {
        {0, 0, 0x123456, 0x123456, 0x123456},
        {2, 1, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
        {1, 0, 0x02ABCDEF, 0xABCDEF, 0xABCDEF},  // flag bits above the colour are dropped
        {3, 0, 0x123456, win::CLR_INVALID, win::CLR_INVALID},
        {0, 2, 0x123456, win::CLR_INVALID, win::CLR_INVALID},
        {-1, 0, 0x123456, win::CLR_INVALID, win::CLR_INVALID},
        {0, -1, 0x123456, win::CLR_INVALID, win::CLR_INVALID},
    };
    MemoryDC colour(3, 2);
    for (const auto& c : colourCases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(win::SetPixel(colour.dc(), c.x, c.y, c.set), c.wantSet);
        EXPECT_EQ(win::GetPixel(colour.dc(), c.x, c.y), c.wantGet);
    }
    const PixelCase monoCases[] = {
        {0, 0, 0xC0C0C0, 0xFFFFFF, 0xFFFFFF},
        {1, 0, 0x7F7F7F, 0x000000, 0x000000},
        {1, 1, 0x808080, 0xFFFFFF, 0xFFFFFF},
        {0, 1, 0x0000FF, 0x000000, 0x000000},
    };
    MemoryDC mono(2, 2, 1);
    for (const auto& c : monoCases) {
        SCOPED_TRACE(testing::Message() << c.set);
        EXPECT_EQ(win::SetPixel(mono.dc(), c.x, c.y, c.set), c.wantSet);
        EXPECT_EQ(win::GetPixel(mono.dc(), c.x, c.y), c.wantGet);
    }
    EXPECT_EQ(win::SetPixel(0, 0, 0, 0x123456), win::CLR_INVALID);
    EXPECT_EQ(win::GetPixel(0, 0, 0), win::CLR_INVALID);
}

TEST(DcColours, StartBlackOnWhiteAndReturnThePreviousColour) {
    MemoryDC dc(1, 1);
    EXPECT_EQ(win::SetTextColor(dc.dc(), 0x0000FF), 0x000000u);
    EXPECT_EQ(win::SetTextColor(dc.dc(), 0x00FF00), 0x0000FFu);
    EXPECT_EQ(win::SetBkColor(dc.dc(), 0x123456), 0xFFFFFFu);
    EXPECT_EQ(win::SetBkColor(dc.dc(), 0x000000), 0x123456u);
    EXPECT_EQ(win::SetTextColor(0, 0), win::CLR_INVALID);
    EXPECT_EQ(win::SetBkColor(0, 0), win::CLR_INVALID);
}

TEST(PictureFromDC, CopiesTheSelectedBitmap) {
    MemoryDC dc(2, 1);
    dc.set({0x0000FF, 0x00FF00});
    const vb::Picture picture = gdi::PictureFromDC(dc.dc(), "drawn");
    win::SetPixel(dc.dc(), 0, 0, 0xFFFFFF);
    ASSERT_TRUE(picture.bitmap());
    EXPECT_EQ(picture.name(), "drawn");
    EXPECT_EQ(picture.bitmap()->pixel(0, 0), 0xFF0000u);  // as it was, red as 0x00RRGGBB
    EXPECT_EQ(picture.bitmap()->pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(*gdi::SelectedBitmap(dc.dc()), *gdi::PictureFromDC(dc.dc()).bitmap());
    EXPECT_TRUE(gdi::PictureFromDC(0, "none").empty());
    EXPECT_EQ(gdi::SelectedBitmap(0), nullptr);
}

}  // namespace
