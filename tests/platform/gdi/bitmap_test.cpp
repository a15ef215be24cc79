#include "platform/gdi/bitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/gdi/colours.h"

namespace {

using gdi::Bitmap;

TEST(Bitmap, StartsFilledAndNeverNegative) {
    const Bitmap b(3, 2, Bitmap::Format::Rgb32, 0x123456);
    EXPECT_EQ(b.width(), 3);
    EXPECT_EQ(b.height(), 2);
    EXPECT_EQ(b.bitsPerPixel(), 32);
    EXPECT_EQ(b.pixels().size(), 6u);
    for (uint32_t p : b.pixels()) EXPECT_EQ(p, 0x123456u);
    const Bitmap empty(-4, 5);
    EXPECT_EQ(empty.width(), 0);
    EXPECT_TRUE(empty.pixels().empty());
    // The top byte of a stored pixel is always clear.
    EXPECT_EQ(Bitmap(1, 1, Bitmap::Format::Rgb32, 0xFF00FF00).pixel(0, 0), 0x0000FF00u);
}

TEST(Bitmap, PixelLayoutIsRedGreenBlueFromTheHighByte) {
    struct Case {
        uint32_t colorref, pixel;
    };
    const Case cases[] = {
        {0x000000FF, 0x00FF0000},                            // red
        {0x0000FF00, 0x0000FF00},                            // green
        {0x00FF0000, 0x000000FF},                            // blue
        {0x00123456, 0x00563412}, {0x02123456, 0x00563412},  // flag bits dropped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colorref);
        EXPECT_EQ(gdi::ToPixel(c.colorref), c.pixel);
        EXPECT_EQ(gdi::ToColorref(c.pixel), c.colorref & 0xFFFFFF);
    }
}

TEST(Bitmap, MonochromeKeepsTheNearerOfBlackAndWhite) {
    struct Case {
        uint32_t rgb, want;
    };
    const Case
        cases[] =
            {
                {0x000000, 0x000000}, {0xFFFFFF, 0xFFFFFF}, {0x7F7F7F, 0x000000},
                {0x808080, 0xFFFFFF}, {0xFF0000, 0x000000}, {0xFFFF00, 0xFFFFFF},
                {0x7F8080, 0xFFFFFF},  // 383 of 765: the first sum that counts as white
                {0x7F7F80, 0x000000},  // 382
            };
    Bitmap mono(1, 1, Bitmap::Format::Mono);
    EXPECT_EQ(mono.bitsPerPixel(), 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rgb);
        mono.setPixel(0, 0, c.rgb);
        EXPECT_EQ(mono.pixel(0, 0), c.want);
        mono.fill(c.rgb);
        EXPECT_EQ(mono.pixel(0, 0), c.want);
    }
}

TEST(Bitmap, CopiesAreIndependentAndCompareByPixels) {
    Bitmap a(2, 2, Bitmap::Format::Rgb32, 0x111111);
    Bitmap b = a;
    EXPECT_EQ(a, b);
    b.setPixel(1, 1, 0x222222);
    EXPECT_NE(a, b);
    EXPECT_EQ(a.pixel(1, 1), 0x111111u);
    EXPECT_NE(Bitmap(2, 1), Bitmap(1, 2));
    EXPECT_NE(Bitmap(1, 1, Bitmap::Format::Rgb32), Bitmap(1, 1, Bitmap::Format::Mono));
}

// Draws a 2 x 2 picture "ab|cd" onto a 3 x 3 bitmap of '.' and lists the rows.
std::string DrawAt(int32_t x, int32_t y) {
    Bitmap picture(2, 2);
    picture.setPixel(0, 0, 'a');
    picture.setPixel(1, 0, 'b');
    picture.setPixel(0, 1, 'c');
    picture.setPixel(1, 1, 'd');
    Bitmap target(3, 3, Bitmap::Format::Rgb32, '.');
    target.draw(picture, x, y);
    std::string rows;
    for (int32_t r = 0; r < 3; ++r) {
        if (r > 0) rows += '|';
        for (uint32_t p : target.row(r)) rows += static_cast<char>(p);
    }
    return rows;
}

TEST(Bitmap, DrawCutsThePictureToTheBitmap) {
    struct Case {
        int32_t x, y;
        const char* want;
    };
    const Case cases[] = {
        {0, 0, "ab.|cd.|..."},
        {1, 1, "...|.ab|.cd"},
        {2, 2, "...|...|..a"},
        {-1, -1, "d..|...|..."},
        {-1, 1, "...|b..|d.."},
        {3, 0, "...|...|..."},
        {-2, 0, "...|...|..."},
        {INT_MAX, INT_MAX, "...|...|..."},
        {INT_MIN, INT_MIN, "...|...|..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(DrawAt(c.x, c.y), c.want);
    }
}

TEST(SysColour, ResolvesStoredColours) {
    struct Case {
        uint32_t stored;
        uint32_t want;  // COLORREF
    };
    const Case cases[] = {
        {0x8000000F, 0xF0F0F0},  // button face
        {0x80000012, 0x000000},  // button text
        {0x80000005, 0xFFFFFF},  // window
        {0x8000000D, 0xD77800},  // highlight, blue
        {0x80000010, 0xA0A0A0},  // button shadow
        {0x8000001F, 0x000000},  // past the last index
        {0x000000FF, 0x0000FF},  // plain red
        {0x01123456, 0x123456},  // flag bits dropped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(gdi::ResolveColour(c.stored), c.want);
    }
    EXPECT_EQ(gdi::SysColour(-1), 0u);
}

}  // namespace
