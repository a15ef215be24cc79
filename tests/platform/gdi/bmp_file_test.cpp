#include "platform/gdi/bmp_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A BMP file put together by hand: the rows are given as stored (bottom row first unless
// the height is negative), without their padding.
struct Bmp {
    int32_t width = 0, height = 0;
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t infoSize = 40;
    std::vector<uint32_t> masks;    // written after a 40-byte header, or inside a longer one
    std::vector<uint32_t> palette;  // 0x00RRGGBB, written as B, G, R, 0
    uint32_t coloursUsed = 0;
    std::vector<Bytes> rows;

    Bytes build() const {
        Bytes info;
        Put32(info, infoSize);
        Put32(info, static_cast<uint32_t>(width));
        Put32(info, static_cast<uint32_t>(height));
        Put16(info, 1);
        Put16(info, bits);
        Put32(info, compression);
        for (int i = 0; i < 3; ++i) Put32(info, 0);  // image size, resolution
        Put32(info, coloursUsed);
        Put32(info, 0);
        for (uint32_t m : masks) Put32(info, m);
        while (info.size() < infoSize) info.push_back(0);
        for (uint32_t c : palette) Put32(info, c);
        Bytes out = {'B', 'M'};
        Put32(out, 0);
        Put32(out, 0);
        Put32(out, static_cast<uint32_t>(14 + info.size()));
        out.insert(out.end(), info.begin(), info.end());
        for (Bytes row : rows) {
            while (row.size() % 4 != 0) row.push_back(0xEE);
            out.insert(out.end(), row.begin(), row.end());
        }
        return out;
    }
};

// The pixels of a bitmap row by row, "RRGGBB" each, rows split by '|'.
std::string Pixels(const gdi::Bitmap& b) {
    std::string text;
    char hex[8];
    for (int32_t y = 0; y < b.height(); ++y) {
        if (y > 0) text += '|';
        for (int32_t x = 0; x < b.width(); ++x) {
            std::snprintf(hex, sizeof hex, "%s%06X", x > 0 ? " " : "", b.pixel(x, y));
            text += hex;
        }
    }
    return text;
}

const std::vector<uint32_t> kFourColours = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

TEST(ReadBmp, ReadsEveryFormatItKnows) {
    struct Case {
        const char* name;
        Bmp bmp;
        const char* want;
    };
    // clang-format off
    // Each file: width, height, bits, compression, header size, masks, palette, colours
    // used, rows as stored.
    const Case cases[] = {
        {"24 bits, bottom-up, padded rows",
         {3, 2, 24, 0, 40, {}, {}, 0, {{1, 2, 3, 4, 5, 6, 7, 8, 9},
                                       {0x10, 0x20, 0x30, 0, 0, 0, 0xFF, 0xFF, 0xFF}}},
         "302010 000000 FFFFFF|030201 060504 090807"},
        {"32 bits, top-down, alpha dropped",
         {2, -2, 32, 0, 40, {}, {}, 0, {{1, 2, 3, 0x80, 4, 5, 6, 0xFF}, {7, 8, 9, 0, 10, 11, 12, 1}}},
         "030201 060504|090807 0C0B0A"},
        {"32 bits, bit fields red in the low byte",
         {2, 1, 32, 3, 40, {0x000000FF, 0x0000FF00, 0x00FF0000}, {}, 0,
          {{0x11, 0x22, 0x33, 0, 0xAA, 0xBB, 0xCC, 0}}},
         "112233 AABBCC"},
        {"32 bits, bit fields of ten bits",
         {1, 1, 32, 3, 40, {0x3FF00000, 0x000FFC00, 0x000003FF}, {}, 0, {{0xFF, 0x03, 0x00, 0x3C}}},
         "F000FF"},
        {"32 bits, bit fields inside a version 5 header",
         {1, 1, 32, 3, 124, {0x0000FF00, 0x00FF0000, 0xFF000000}, {}, 0, {{0, 0x12, 0x34, 0x56}}},
         "123456"},
        {"8 bits, palette of three",
         {3, 1, 8, 0, 40, {}, {0x102030, 0x405060, 0x708090}, 3, {{2, 0, 1}}},
         "708090 102030 405060"},
        {"8 bits, an index past the palette takes its first colour",
         {2, 1, 8, 0, 40, {}, {0x102030, 0x405060}, 2, {{1, 7}}},
         "405060 102030"},
        {"4 bits",
         {3, 1, 4, 0, 40, {}, kFourColours, 4, {{0x12, 0x30}}},
         "FF0000 00FF00 0000FF"},
        {"1 bit",
         {10, 1, 1, 0, 40, {}, {0x000000, 0xFFFFFF}, 0, {{0xA0, 0x40}}},
         "FFFFFF 000000 FFFFFF 000000 000000 000000 000000 000000 000000 FFFFFF"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<gdi::Bitmap> got = gdi::ReadBmp(c.bmp.build());
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(Pixels(*got), c.want);
        EXPECT_EQ(got->twin(), nullptr);
        EXPECT_FALSE(got->monochrome());
    }
}

TEST(ReadBmp, RefusesWhatIsNotABmpOrEndsTooSoon) {
    const Bmp good{2, 1, 24, 0, 40, {}, {}, 0, {{1, 2, 3, 4, 5, 6}}};
    ASSERT_TRUE(gdi::ReadBmp(good.build()).has_value());
    struct Case {
        const char* name;
        Bytes bytes;
    };
    auto changed = [&good](auto change) {
        Bmp b = good;
        change(b);
        return b.build();
    };
    Bytes truncated = good.build();
    truncated.pop_back();
    Bytes badMagic = good.build();
    badMagic[1] = 'A';
    Bytes farOffset = good.build();
    farOffset[10] = 0xFF;
    const Bytes whole = good.build();
    const Bytes headersCut(whole.begin(), whole.begin() + 40);
    const Case cases[] = {
        {"nothing", {}},
        {"the headers only, cut", headersCut},
        {"not BM", badMagic},
        {"last row short", truncated},
        {"pixels past the end", farOffset},
        {"zero width", changed([](Bmp& b) { b.width = 0; })},
        {"zero height", changed([](Bmp& b) { b.height = 0; })},
        {"the most negative height", changed([](Bmp& b) { b.height = INT32_MIN; })},
        {"16 bits", changed([](Bmp& b) { b.bits = 16; })},
        {"run-length compressed", changed([](Bmp& b) { b.compression = 1; })},
        {"bit fields on 24 bits", changed([](Bmp& b) { b.compression = 3; })},
        {"core header of 12 bytes", changed([](Bmp& b) { b.infoSize = 12; })},
        {"palette past the end", changed([](Bmp& b) {
             b.bits = 8;
             b.coloursUsed = 200;
             b.rows = {};
         })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(gdi::ReadBmp(c.bytes).has_value());
    }
}

TEST(WriteBmp, WritesTwentyFourBitsBottomUpWithPaddedRows) {
    gdi::Bitmap b(1, 2);
    b.setPixel(0, 0, 0x112233);
    b.setPixel(0, 1, 0x445566);
    // clang-format off
    const Bytes want = {
        'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,      // file header
        40, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,    // size, width, height, planes, bits
        0, 0, 0, 0, 8, 0, 0, 0,                              // compression, image size
        0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0,                  // 96 dots an inch
        0, 0, 0, 0, 0, 0, 0, 0,                              // colours
        0x66, 0x55, 0x44, 0, 0x33, 0x22, 0x11, 0};           // bottom row first
    // clang-format on
    EXPECT_EQ(gdi::WriteBmp(b), want);
}

TEST(WriteBmp, ReadsBackTheSamePixels) {
    for (const auto& [w, h] : {std::pair{1, 1}, {3, 2}, {5, 7}, {160, 22}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        gdi::Bitmap b(w, h);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                b.setPixel(x, y, static_cast<uint32_t>(x * 0x010203 + y * 0x302010) & 0xFFFFFF);
        const std::optional<gdi::Bitmap> back = gdi::ReadBmp(gdi::WriteBmp(b));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, b);
    }
}

TEST(PictureFromBmp, TakesATwinOfExactlyTwiceTheSize) {
    gdi::Bitmap one(2, 1, gdi::Bitmap::Format::Rgb32, 0x102030);
    gdi::Bitmap two(4, 2, gdi::Bitmap::Format::Rgb32, 0x405060);
    const Bytes oneBytes = gdi::WriteBmp(one);
    const Bytes twoBytes = gdi::WriteBmp(two);
    const Bytes oddBytes = gdi::WriteBmp(gdi::Bitmap(4, 3));
    struct Case {
        const char* name;
        Bytes main, twin;
        bool picture, twinned;
    };
    const Case cases[] = {
        {"both", oneBytes, twoBytes, true, true},
        {"no twin given", oneBytes, {}, true, false},
        {"twin of the wrong size", oneBytes, oddBytes, true, false},
        {"twin not a BMP", oneBytes, Bytes{1, 2, 3}, true, false},
        {"main not a BMP", Bytes{1, 2, 3}, twoBytes, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const vb::Picture p = gdi::PictureFromBmp(c.main, c.twin, "die1");
        EXPECT_EQ(p.bitmap() != nullptr, c.picture);
        if (!p.bitmap()) {
            EXPECT_TRUE(p.empty());
            continue;
        }
        EXPECT_EQ(p.name(), "die1");
        EXPECT_EQ(*p.bitmap(), one);
        ASSERT_EQ(p.bitmap()->twin() != nullptr, c.twinned);
        if (c.twinned) {
            EXPECT_EQ(p.bitmap()->twin()->pixels()[0], 0x405060u);
        }
    }
}

}  // namespace
