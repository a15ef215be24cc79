// The faces a HoverCommand paints on its 40 x 20 pixel surface: edges by style and state,
// the hover background, the caption's place, the pressed shift, the disabled look, a
// picture transparent on its corner colour, and the 2x twin.

#include <gtest/gtest.h>

#include <functional>

#include "hover_fixture.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/user32/draw.h"

namespace {

using hovertest::TestForm;
using Paint = hovertest::Registered;

constexpr float kInX = 300, kY = 150;  // pixel (20, 10), in twips

win::COLORREF Sys(int32_t index) { return win::GetSysColor(index); }
constexpr int32_t kWindowText = 8 - 1, kHighlight = 13;

struct Box {
    int32_t left = 99, top = 99, right = -1, bottom = -1;
};

// Where the face differs from @p background inside a 2-pixel margin: the caption's ink.
Box Ink(win::HDC dc, win::COLORREF background) {
    Box b;
    for (int32_t y = 2; y < 18; ++y)
        for (int32_t x = 2; x < 38; ++x)
            if (win::GetPixel(dc, x, y) != background) {
                b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x),
                     std::max(b.bottom, y)};
            }
    return b;
}

struct EdgeCase {
    const char* what;
    int32_t style;
    std::function<void(vb::UserControlHost&)> act;
    win::COLORREF left, innerLeft, right, face;  // at x 0, 1, 39 and (5, 3) on row 10
};

TEST_F(Paint, EdgesAndBackgroundFollowStyleAndState) {
    auto none = [](vb::UserControlHost&) {};
    auto hover = [](vb::UserControlHost& b) { b.RaiseMouseMove(0, 0, kInX, kY); };
    auto press = [](vb::UserControlHost& b) { b.RaiseMouseDown(1, 0, kInX, kY); };
    const win::COLORREF face = Sys(win::COLOR_BTNFACE), hi = Sys(win::COLOR_BTNHIGHLIGHT),
                        shadow = Sys(win::COLOR_BTNSHADOW), light = Sys(win::COLOR_3DLIGHT),
                        dark = Sys(win::COLOR_3DDKSHADOW);
    const EdgeCase cases[] = {
        {"thin at rest", 2, none, hi, face, shadow, face},
        {"thin hovered, highlight background", 66, hover, hi, Sys(kHighlight), shadow,
         Sys(kHighlight)},
        {"thin pressed", 2, press, dark, face, light, face},
        {"thick at rest", 4, none, light, hi, dark, face},
        {"thick pressed", 4, press, shadow, dark, hi, face},
        {"popup at rest", 1, none, face, face, face, face},
        {"no border hovered", 18, hover, face, face, face, face},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const com::PropertyBag design{{"Style", c.style}, {"Caption", ""}};
        TestForm form(&design);
        form.Show();
        c.act(form.cmdOK);
        const win::HDC dc = form.cmdOK.hDC();
        EXPECT_EQ(win::GetPixel(dc, 0, 10), c.left);
        EXPECT_EQ(win::GetPixel(dc, 1, 10), c.innerLeft);
        EXPECT_EQ(win::GetPixel(dc, 39, 10), c.right);
        EXPECT_EQ(win::GetPixel(dc, 5, 3), c.face);
    }
}

TEST_F(Paint, TheCaptionIsCentredAndShiftsWhenPressed) {
    struct Case {
        int32_t style, shift;
    };
    for (const Case c : {Case{2, 1}, Case{0, 2}}) {
        SCOPED_TRACE(c.style);
        const com::PropertyBag design{
            {"Style", c.style}, {"Caption", "OK"}, {"HAlign", int32_t{1}}};
        TestForm form(&design);
        form.Show();
        const win::COLORREF face = Sys(win::COLOR_BTNFACE);
        const Box rest = Ink(form.cmdOK.hDC(), face);
        EXPECT_LE(std::abs(rest.left - (39 - rest.right)), 1);
        EXPECT_LE(std::abs(rest.top - (19 - rest.bottom)), 2);
        form.cmdOK.RaiseMouseDown(1, 0, kInX, kY);
        const Box pressed = Ink(form.cmdOK.hDC(), face);
        EXPECT_EQ(pressed.left, rest.left + c.shift);
        EXPECT_EQ(pressed.top, rest.top + c.shift);
    }
}

TEST_F(Paint, ADisabledCaptionIsEmbossedAndItsBorderStays) {
    const com::PropertyBag design{{"Caption", "OK"}, {"Enabled", false}};
    TestForm form(&design);
    form.Show();
    const win::HDC dc = form.cmdOK.hDC();
    bool shadow = false, text = false;
    for (int32_t y = 2; y < 18; ++y)
        for (int32_t x = 2; x < 38; ++x) {
            shadow |= win::GetPixel(dc, x, y) == Sys(win::COLOR_BTNSHADOW);
            text |= win::GetPixel(dc, x, y) == Sys(kWindowText);
        }
    EXPECT_TRUE(shadow);
    EXPECT_FALSE(text);
    EXPECT_EQ(win::GetPixel(dc, 0, 10), Sys(win::COLOR_BTNHIGHLIGHT));
}

// A picture of the key colour (magenta) holding a red block 4 wide, with one key pixel at
// (2, 2) inside the block.
vb::Picture KeyedPicture(int32_t height) {
    auto bitmap = std::make_shared<gdi::Bitmap>(6, height, gdi::Bitmap::Format::Rgb32, 0xFF00FF);
    for (int32_t y = 1; y < height - 1; ++y)
        for (int32_t x = 1; x < 5; ++x) bitmap->setPixel(x, y, 0xFF0000);
    bitmap->setPixel(2, 2, 0xFF00FF);
    return vb::Picture(bitmap, "keyed");
}

// At a height of 20 the picture's top is (20 - height) / 2, a half going to the even pixel.
TEST_F(Paint, APictureIsTransparentOnItsCornerColourAndCentredHalfToEven) {
    struct Case {
        int32_t height, top;
    };
    const win::COLORREF face = Sys(win::COLOR_BTNFACE), red = win::RGB(255, 0, 0);
    for (const Case c : {Case{5, 8}, Case{7, 6}}) {
        SCOPED_TRACE(c.height);
        const com::PropertyBag design{{"Caption", ""}, {"Picture", KeyedPicture(c.height)}};
        TestForm form(&design);
        form.Show();
        const win::HDC dc = form.cmdOK.hDC();
        EXPECT_EQ(win::GetPixel(dc, 10, c.top + 1), face);  // the key column left of the block
        EXPECT_EQ(win::GetPixel(dc, 11, c.top), face);      // the key row above it
        EXPECT_EQ(win::GetPixel(dc, 11, c.top + 1), red);
        EXPECT_EQ(win::GetPixel(dc, 12, c.top + 2), face);  // the key pixel inside
        EXPECT_EQ(win::GetPixel(dc, 14, c.top + c.height - 2), red);
        EXPECT_EQ(win::GetPixel(dc, 14, c.top + c.height - 1), face);
    }
}

TEST_F(Paint, TheFocusRectangleRunsThreePixelsInside) {
    TestForm form;
    form.Show();
    form.cmdOK.RaiseGotFocus();
    const win::HDC dc = form.cmdOK.hDC();
    const win::COLORREF face = Sys(win::COLOR_BTNFACE);
    // Dots where x + y is even are inverted, the others left alone.
    EXPECT_EQ(win::GetPixel(dc, 3, 11), face ^ 0xFFFFFFu);
    EXPECT_EQ(win::GetPixel(dc, 3, 10), face);
    EXPECT_EQ(win::GetPixel(dc, 2, 10), face);
    form.cmdOK.RaiseLostFocus();
    EXPECT_EQ(win::GetPixel(dc, 3, 11), face);
}

// On a surface with a 2x twin the face is drawn on the twin too, its text sharper than the
// doubled face.
TEST_F(Paint, TheTwinIsDrawnToo) {
    const com::PropertyBag design{{"Caption", "OK"}, {"HAlign", int32_t{1}}};
    TestForm form(&design);
    form.Show();
    gdi::Bitmap twinned(40, 20);
    twinned.addDoubledTwin();
    const win::HBITMAP surface = gdi::CreateBitmapFromPixels(twinned);
    const win::HDC dc = form.cmdOK.hDC();
    const win::HGDIOBJ old = win::SelectObject(dc, surface);
    ASSERT_EQ(com::CallMethod(*form.cmdOK.Object(), "Refresh"), com::S_OK);
    const gdi::Bitmap* drawn = gdi::SelectedBitmap(dc);
    ASSERT_TRUE(drawn && drawn->twin());
    const gdi::Bitmap& twin = *drawn->twin();
    const auto hi = gdi::ToPixel(Sys(win::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(twin.pixel(0, 20), hi);
    EXPECT_EQ(twin.pixel(1, 20), hi);
    EXPECT_EQ(twin.pixel(2, 20), gdi::ToPixel(Sys(win::COLOR_BTNFACE)));
    EXPECT_NE(twin, gdi::Doubled(*drawn));
    win::SelectObject(dc, old);
    win::DeleteObject(surface);
}

}  // namespace
