// 2x twins: a bitmap's twin follows every drawing on the bitmap, through Bitmap's own
// calls, BitBlt and the picture-box surfaces.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/picturebox_surface.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi32.h"

namespace {

using gdi::Bitmap;

// A picture whose twin is not its doubling: each 2 x 2 block of the twin has the 1x
// pixel at its top left and a mark of its own in the other three, so a test can tell a
// copy from the twin from a doubled one.
Bitmap Sharp(int32_t w, int32_t h, uint32_t base) {
    Bitmap b(w, h);
    Bitmap twin(2 * w, 2 * h, Bitmap::Format::Rgb32, 0xABCDEF);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t colour = base + static_cast<uint32_t>(y * w + x);
            b.setPixel(x, y, colour);
            twin.setPixel(2 * x, 2 * y, colour);
        }
    EXPECT_TRUE(b.setTwin(twin));
    return b;
}

// A DC holding a copy of @p pixels; deleted with its bitmap at the end of the test.
class PixelsDC {
public:
    explicit PixelsDC(const Bitmap& pixels)
        : dc_(win::CreateCompatibleDC(0)),
          bitmap_(gdi::CreateBitmapFromPixels(pixels)),
          stock_(win::SelectObject(dc_, bitmap_)) {}
    ~PixelsDC() {
        win::SelectObject(dc_, stock_);
        win::DeleteObject(bitmap_);
        win::DeleteDC(dc_);
    }
    PixelsDC(const PixelsDC&) = delete;
    PixelsDC& operator=(const PixelsDC&) = delete;

    win::HDC dc() const { return dc_; }
    const Bitmap& pixels() const { return *gdi::SelectedBitmap(dc_); }

private:
    win::HDC dc_;
    win::HBITMAP bitmap_;
    win::HGDIOBJ stock_;
};

TEST(Twin, MustBeTwiceTheSizeAndOfTheSameFormat) {
    struct Case {
        const char* name;
        Bitmap twin;
        bool taken;
    };
    const Case cases[] = {
        {"twice", Bitmap(6, 4), true},
        {"too wide", Bitmap(7, 4), false},
        {"the same size", Bitmap(3, 2), false},
        {"monochrome", Bitmap(6, 4, Bitmap::Format::Mono), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap b(3, 2);
        EXPECT_EQ(b.setTwin(c.twin), c.taken);
        EXPECT_EQ(b.twin() != nullptr, c.taken);
    }
    Bitmap withOwn(6, 4);
    withOwn.addDoubledTwin();
    Bitmap b(3, 2);
    ASSERT_TRUE(b.setTwin(withOwn));
    EXPECT_EQ(b.twin()->twin(), nullptr);  // only one level
}

TEST(Twin, FollowsFillSetPixelAndDraw) {
    Bitmap b(4, 3, Bitmap::Format::Rgb32, 0x111111);
    b.addDoubledTwin();
    b.fill(0x222222);
    b.setPixel(1, 2, 0x333333);
    b.draw(Bitmap(2, 1, Bitmap::Format::Rgb32, 0x444444), 3, 0);  // half of it falls outside
    EXPECT_EQ(*b.twin(), gdi::Doubled(b));

    const Bitmap sharp = Sharp(2, 2, 0x500000);
    b.draw(sharp, -1, 1);
    Bitmap wantTwin = gdi::Doubled(b);
    // The top right and bottom right pixels of the sharp picture land at x 0, rows 1 and 2.
    wantTwin.draw(*sharp.twin(), -2, 2);
    EXPECT_EQ(*b.twin(), wantTwin);
    EXPECT_EQ(b.twin()->pixel(1, 2), 0xABCDEFu);
}

TEST(Twin, CopiesAreDeepAndEqualityComparesTwinsWhenBothHaveThem) {
    Bitmap a = Sharp(2, 2, 0x100000);
    Bitmap copy = a;
    ASSERT_NE(copy.twin(), nullptr);
    EXPECT_NE(copy.twin(), a.twin());
    EXPECT_EQ(copy, a);
    copy.twin()->setPixel(1, 1, 0);
    EXPECT_NE(copy, a);  // the 1x pixels agree, the twins do not
    Bitmap plain = a;
    plain.dropTwin();
    EXPECT_EQ(plain, a);  // without a twin only the 1x pixels count
    EXPECT_EQ(plain, copy);
    Bitmap assigned(1, 1);
    assigned = a;
    EXPECT_EQ(assigned, a);
    EXPECT_NE(assigned.twin(), nullptr);
}

TEST(Twin, DoubledMakesEachPixelTwoByTwo) {
    Bitmap b(2, 1);
    b.setPixel(0, 0, 0x010203);
    b.setPixel(1, 0, 0x040506);
    const Bitmap d = gdi::Doubled(b);
    ASSERT_EQ(d.width(), 4);
    ASSERT_EQ(d.height(), 2);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(d.pixel(x, y), x < 2 ? 0x010203u : 0x040506u);
    EXPECT_EQ(d.twin(), nullptr);
}

// BitBlt between DCs: which twin pixels a copy reaches, by which bitmaps have twins.
// Where no screen shows twins, bitmaps take none: drawing goes on at 1x alone.
TEST(Twin, NoneIsTakenWhileTwinsAreNotWanted) {
    gdi::SetTwinsWanted(false);
    Bitmap b(3, 2);
    EXPECT_FALSE(b.setTwin(Bitmap(6, 4)));
    b.addDoubledTwin();
    EXPECT_EQ(b.twin(), nullptr);
    gdi::SetTwinsWanted(true);
    b.addDoubledTwin();
    EXPECT_NE(b.twin(), nullptr);
}

TEST(TwinBitBlt, CopiesTheTwinRectangleAtDoubledCoordinates) {
    struct Case {
        const char* name;
        bool sourceTwin, destTwin;
    };
    const Case cases[] = {
        {"both twins: the source's twin is copied", true, true},
        {"source without twin: doubled into the destination's", false, true},
        {"destination without twin: as before twins", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap source = Sharp(3, 3, 0x200000);
        if (!c.sourceTwin) source.dropTwin();
        Bitmap dest(5, 4, Bitmap::Format::Rgb32, 0x999999);
        if (c.destTwin) dest.addDoubledTwin();
        PixelsDC src(source), dst(dest);
        // Two by two pixels from (1, 0) of the source to (3, 2); one column falls outside.
        ASSERT_EQ(win::BitBlt(dst.dc(), 3, 2, 3, 2, src.dc(), 1, 0, win::SRCCOPY), 1);
        Bitmap want1x = dest;
        want1x.dropTwin();
        Bitmap piece(2, 2);
        piece.draw(source, -1, 0);
        want1x.draw(piece, 3, 2);
        EXPECT_EQ(dst.pixels(), want1x);
        ASSERT_EQ(dst.pixels().twin() != nullptr, c.destTwin);
        if (!c.destTwin) continue;
        Bitmap wantTwin = gdi::Doubled(dest);
        wantTwin.draw(c.sourceTwin ? *source.twin() : gdi::Doubled(source), 6 - 2, 4);
        // What lay outside the copied rectangle is left as it was.
        Bitmap outside = gdi::Doubled(dest);
        for (int32_t y = 0; y < 8; ++y)
            for (int32_t x = 0; x < 10; ++x)
                if (!(x >= 6 && y >= 4)) wantTwin.setPixel(x, y, outside.pixel(x, y));
        EXPECT_EQ(*dst.pixels().twin(), wantTwin);
    }
}

TEST(TwinBitBlt, RasterOperationsWithoutSourceReachTheTwin) {
    Bitmap dest(3, 2, Bitmap::Format::Rgb32, 0x0F0F0F);
    dest.addDoubledTwin();
    PixelsDC dst(dest);
    const win::HBRUSH brush = win::CreateSolidBrush(win::RGB(0x10, 0x20, 0x30));
    const win::HGDIOBJ old = win::SelectObject(dst.dc(), brush);
    ASSERT_EQ(win::BitBlt(dst.dc(), 1, 0, 2, 1, 0, 0, 0, win::PATCOPY), 1);
    ASSERT_EQ(win::BitBlt(dst.dc(), 0, 1, 1, 1, 0, 0, 0, win::DSTINVERT), 1);
    EXPECT_EQ(win::GetPixel(dst.dc(), 1, 0), win::RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(*dst.pixels().twin(), gdi::Doubled(dst.pixels()));
    win::SelectObject(dst.dc(), old);
    win::DeleteObject(brush);
}

TEST(TwinBitBlt, AnOverlappingCopyWithinOneBitmapKeepsTheTwinInStep) {
    Bitmap b(4, 1);
    for (int32_t x = 0; x < 4; ++x) b.setPixel(x, 0, static_cast<uint32_t>(x + 1));
    b.addDoubledTwin();
    PixelsDC dc(b);
    ASSERT_EQ(win::BitBlt(dc.dc(), 1, 0, 3, 1, dc.dc(), 0, 0, win::SRCCOPY), 1);
    EXPECT_EQ(win::GetPixel(dc.dc(), 3, 0), 0x030000u);  // blue 3, from x 2
    EXPECT_EQ(*dc.pixels().twin(), gdi::Doubled(dc.pixels()));
}

class SurfaceTwin : public testing::Test {
protected:
    vb::Form form{"frmTwins"};
};

TEST_F(SurfaceTwin, EverySurfaceHasOneWithThePictureDrawnSharp) {
    vb::PictureBox box(form, "picDice");
    box.Move(0, 0, 60, 45);  // 4 x 3 pixels
    box.setBackColor(vb::vbBlack);
    const Bitmap sharp = Sharp(2, 2, 0x300000);
    box.setPicture(vb::Picture(std::make_shared<Bitmap>(sharp), "sharp"));
    const Bitmap* surface = gdi::SelectedBitmap(box.hDC());
    ASSERT_NE(surface, nullptr);
    ASSERT_NE(surface->twin(), nullptr);
    Bitmap want(8, 6);
    want.draw(*sharp.twin(), 0, 0);
    EXPECT_EQ(*surface->twin(), want);
    EXPECT_EQ(gdi::SurfaceOf(box), surface);

    // A picture without twin is doubled onto the twin; the drawing goes with a new picture.
    win::SetPixel(box.hDC(), 3, 2, 0x00FF00);
    Bitmap plain = sharp;
    plain.dropTwin();
    box.setPicture(vb::Picture(std::make_shared<Bitmap>(plain), "plain"));
    Bitmap wantPlain(4, 3);
    wantPlain.draw(plain, 0, 0);
    EXPECT_EQ(*gdi::SurfaceOf(box)->twin(), gdi::Doubled(wantPlain));
}

TEST_F(SurfaceTwin, ResizingAndImageKeepTheTwin) {
    vb::PictureBox box(form, "picBuffer", 2);
    box.Move(0, 0, 30, 30);
    box.setBackColor(vb::vbBlue);
    win::SetPixel(box.hDC(), 1, 0, 0x00FF00);
    box.Move(0, 0, 60, 15);
    const Bitmap* surface = gdi::SelectedBitmap(box.hDC());
    ASSERT_NE(surface->twin(), nullptr);
    EXPECT_EQ(*surface->twin(), gdi::Doubled(*surface));
    const vb::Picture image = box.Image();
    ASSERT_NE(image.bitmap()->twin(), nullptr);
    EXPECT_EQ(*image.bitmap()->twin(), *surface->twin());
}

// The score counter's way: digits copied from picture boxes whose pictures have twins onto
// a counter whose picture has one stay sharp, and so do whole copies between counters.
TEST_F(SurfaceTwin, CopiesBetweenBoxesStaySharp) {
    vb::PictureBox digit(form, "picDigit", 7), score(form, "picScore"),
        buffer(form, "picBuffer", 0);
    digit.Move(0, 0, 30, 30);  // 2 x 2
    score.Move(0, 0, 90, 45);  // 6 x 3
    buffer.Move(0, 0, 90, 45);
    const Bitmap glyph = Sharp(2, 2, 0x700000);
    digit.setPicture(vb::Picture(std::make_shared<Bitmap>(glyph), "7"));
    Bitmap blank(6, 3, Bitmap::Format::Rgb32, 0x202020);
    blank.setTwin(Bitmap(12, 6, Bitmap::Format::Rgb32, 0x212121));
    score.setPicture(vb::Picture(std::make_shared<Bitmap>(blank), "blank"));
    ASSERT_EQ(win::BitBlt(score.hDC(), 3, 1, 2, 2, digit.hDC(), 0, 0, win::SRCCOPY), 1);
    ASSERT_EQ(win::BitBlt(buffer.hDC(), 0, 0, 6, 3, score.hDC(), 0, 0, win::SRCCOPY), 1);
    Bitmap want = blank;
    want.draw(glyph, 3, 1);
    EXPECT_EQ(*gdi::SurfaceOf(score)->twin(), *want.twin());
    EXPECT_EQ(*gdi::SurfaceOf(buffer)->twin(), *want.twin());
    EXPECT_EQ(*gdi::SurfaceOf(buffer), want);
}

}  // namespace
