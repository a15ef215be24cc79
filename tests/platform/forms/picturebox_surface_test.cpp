#include "platform/forms/picturebox_surface.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi32.h"

namespace {

using gdi::Bitmap;

// A 2 x 2 picture: red, green / blue, white (as 0x00RRGGBB pixels).
vb::Picture SmallPicture() {
    auto bitmap = std::make_shared<Bitmap>(2, 2);
    bitmap->setPixel(0, 0, 0xFF0000);
    bitmap->setPixel(1, 0, 0x00FF00);
    bitmap->setPixel(0, 1, 0x0000FF);
    bitmap->setPixel(1, 1, 0xFFFFFF);
    return vb::Picture(std::move(bitmap), "small");
}

class PictureBoxSurface : public testing::Test {
protected:
    vb::Form form{"frmSurfaces"};
};

TEST_F(PictureBoxSurface, IsTheBoxSizeInPixels) {
    struct Case {
        int32_t width, height;  // twips
        int32_t wantWidth, wantHeight;
    };
    const Case cases[] = {
        {2400, 330, 160, 22}, {195, 255, 13, 17}, {2414, 344, 160, 22},
        {15, 16, 1, 1},       {0, 0, 1, 1},       {-30, 30, 1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        vb::PictureBox box(form, "picScore");
        box.Move(0, 0, c.width, c.height);
        const Bitmap* surface = gdi::SelectedBitmap(box.hDC());
        ASSERT_NE(surface, nullptr);
        EXPECT_EQ(surface->width(), c.wantWidth);
        EXPECT_EQ(surface->height(), c.wantHeight);
        EXPECT_EQ(surface->bitsPerPixel(), 32);
    }
}

TEST_F(PictureBoxSurface, IsMadeOnFirstUseAndKept) {
    vb::PictureBox box(form, "picScore");
    box.Move(0, 0, 300, 150);
    EXPECT_EQ(gdi::SurfaceOf(box), nullptr);
    const win::HDC dc = box.hDC();
    EXPECT_NE(dc, 0);
    EXPECT_EQ(box.hDC(), dc);
    EXPECT_EQ(gdi::SurfaceOf(box), gdi::SelectedBitmap(dc));
    vb::PictureBox other(form, "picScoreB");
    EXPECT_NE(other.hDC(), dc);
}

TEST_F(PictureBoxSurface, StartsWithBackColourAndPictureAtTopLeft) {
    struct Case {
        const char* name;
        vb::OleColor back;
        win::COLORREF want;
    };
    const Case cases[] = {
        {"button face (the default)", 0x8000000F, 0xF0F0F0},
        {"window", 0x80000005, 0xFFFFFF},
        {"plain yellow", vb::vbYellow, 0x00FFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        vb::PictureBox box(form, "picDice");
        box.Move(0, 0, 60, 45);  // 4 x 3 pixels
        box.setBackColor(c.back);
        box.setPicture(SmallPicture());
        const win::HDC dc = box.hDC();
        EXPECT_EQ(win::GetPixel(dc, 0, 0), 0x0000FFu);  // red as a COLORREF
        EXPECT_EQ(win::GetPixel(dc, 1, 0), 0x00FF00u);
        EXPECT_EQ(win::GetPixel(dc, 0, 1), 0xFF0000u);
        EXPECT_EQ(win::GetPixel(dc, 1, 1), 0xFFFFFFu);
        for (const auto& [x, y] : {std::pair{2, 0}, {3, 0}, {2, 1}, {0, 2}, {3, 2}})
            EXPECT_EQ(win::GetPixel(dc, x, y), c.want) << x << "," << y;
    }
}

TEST_F(PictureBoxSurface, NewPictureRedrawsTheSurface) {
    vb::PictureBox box(form, "picRollDices");
    box.Move(0, 0, 45, 15);  // 3 x 1
    box.setBackColor(vb::vbBlack);
    const win::HDC dc = box.hDC();
    win::SetPixel(dc, 2, 0, 0x123456);
    box.setPicture(SmallPicture());
    EXPECT_EQ(box.hDC(), dc);
    EXPECT_EQ(win::GetPixel(dc, 0, 0), 0x0000FFu);
    EXPECT_EQ(win::GetPixel(dc, 1, 0), 0x00FF00u);
    EXPECT_EQ(win::GetPixel(dc, 2, 0), 0x000000u);  // the drawing is gone
    box.setPicture(vb::Picture());
    EXPECT_EQ(win::GetPixel(dc, 0, 0), 0x000000u);
}

TEST_F(PictureBoxSurface, PictureChangedLeavesABoxWithoutSurfaceAlone) {
    vb::PictureBox box(form, "picNeg");
    box.setPicture(SmallPicture());
    EXPECT_FALSE(gdi::PictureChanged(box));
    EXPECT_EQ(gdi::SurfaceOf(box), nullptr);
}

TEST_F(PictureBoxSurface, CopyBetweenBoxesAsTheCounterDoes) {
    // The game copies whole counter pictures with the boxes' sizes in twips.
    vb::PictureBox score(form, "picScore"), buffer(form, "picBuffer", 1);
    for (vb::PictureBox* box : {&score, &buffer}) box->Move(0, 0, 2400, 330);
    score.setBackColor(vb::vbWhite);
    for (int32_t x = 0; x < 160; x += 3) win::SetPixel(score.hDC(), x, x % 22, 0x0000FF);
    ASSERT_EQ(win::BitBlt(buffer.hDC(), 0, 0, buffer.Width(), buffer.Height(), score.hDC(), 0, 0,
                          win::SRCCOPY),
              1);
    const vb::Picture copied = buffer.Image();
    ASSERT_TRUE(copied.bitmap());
    EXPECT_EQ(*copied.bitmap(), *score.Image().bitmap());
    EXPECT_EQ(copied.name(), "picBuffer(1).Image");
    EXPECT_EQ(score.Image().name(), "picScore.Image");
}

TEST_F(PictureBoxSurface, ImageIsASnapshot) {
    vb::PictureBox box(form, "picPlayer1Score");
    box.Move(0, 0, 30, 15);
    win::SetPixel(box.hDC(), 0, 0, 0x00FF00);
    const vb::Picture before = box.Image();
    win::SetPixel(box.hDC(), 0, 0, 0xFF0000);
    EXPECT_EQ(before.bitmap()->pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(box.Image().bitmap()->pixel(0, 0), 0x0000FFu);
}

TEST_F(PictureBoxSurface, ResizingKeepsWhatWasDrawn) {
    vb::PictureBox box(form, "picBuffer", 2);
    box.Move(0, 0, 30, 30);  // 2 x 2
    box.setBackColor(vb::vbBlue);
    const win::HDC dc = box.hDC();
    win::SetPixel(dc, 1, 0, 0x00FF00);
    box.Move(0, 0, 60, 15);  // 4 x 1
    EXPECT_EQ(box.hDC(), dc);
    const Bitmap* surface = gdi::SelectedBitmap(dc);
    EXPECT_EQ(surface->width(), 4);
    EXPECT_EQ(surface->height(), 1);
    EXPECT_EQ(win::GetPixel(dc, 0, 0), 0xFF0000u);  // blue background kept
    EXPECT_EQ(win::GetPixel(dc, 1, 0), 0x00FF00u);  // and the drawing
    EXPECT_EQ(win::GetPixel(dc, 3, 0), 0xFF0000u);  // new area in the background colour
}

TEST_F(PictureBoxSurface, SurfacesOfDestroyedBoxesAreFreedWhenTheNextIsMade) {
    win::HDC gone = 0;
    {
        vb::PictureBox box(form, "picTemporary");
        box.Move(0, 0, 30, 30);
        gone = box.hDC();
    }
    {
        vb::Form otherForm("frmGone");
        vb::PictureBox onGoneForm(otherForm, "picOther");
        EXPECT_NE(onGoneForm.hDC(), 0);
    }
    EXPECT_EQ(win::GetPixel(gone, 0, 0), win::CLR_INVALID);
    vb::PictureBox next(form, "picNext");
    const win::HDC kept = next.hDC();
    vb::PictureBox another(form, "picAnother");
    EXPECT_NE(another.hDC(), 0);
    EXPECT_NE(win::GetPixel(kept, 0, 0), win::CLR_INVALID);
}

}  // namespace
