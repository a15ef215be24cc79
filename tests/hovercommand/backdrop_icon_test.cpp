// What lies behind a button that grabs its background, icons drawn with their own mask and
// in the disabled look, the icon files they come from, and the library's toolbox picture.

#include <gtest/gtest.h>

#include <vector>

#include "hover_fixture.h"
#include "platform/com/registration.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/bmp_file.h"
#include "platform/gdi/ico_file.h"
#include "platform/user32/draw.h"

namespace {

using com::Variant;
using hovertest::TestForm;
using Backdrop = hovertest::Registered;

constexpr vb::OleColor kFormBack = 0x336699;
constexpr win::COLORREF kRed = 0x0000FF;
constexpr float kInX = 300, kY = 150;

// An icon file of one 8 x 8 image of 24 bits, red, see-through in its left half.
std::vector<uint8_t> RedIcon() {
    std::vector<uint8_t> b;
    auto put16 = [&](uint32_t v) { gdi::Put16(b, v); };
    auto put32 = [&](uint32_t v) { gdi::Put32(b, v); };
    put16(0), put16(1), put16(1);
    b.insert(b.end(), {8, 8, 0, 0});
    put16(1), put16(24);
    const uint32_t size = 40 + 8 * 24 + 8 * 4;
    put32(size), put32(22);
    put32(40), put32(8), put32(16), put16(1), put16(24);
    for (int i = 0; i < 6; ++i) put32(0);
    for (int i = 0; i < 64; ++i) b.insert(b.end(), {0x00, 0x00, 0xFF});
    for (int row = 0; row < 8; ++row) put32(0xF0);  // the mask's first byte: 4 bits set
    return b;
}

TEST_F(Backdrop, AGrabbingButtonShowsWhatLiesBehindItAndFillsThePressedStrip) {
    const com::PropertyBag design{{"GrabBG", true}, {"Style", int32_t{16}}, {"Caption", ""}};
    TestForm form(&design);
    form.setBackColor(kFormBack);
    form.setWidth(3000);
    form.setHeight(2000);
    form.Show();
    ASSERT_EQ(form.created, com::S_OK);
    const win::HDC dc = form.cmdOK.hDC();
    EXPECT_EQ(win::GetPixel(dc, 0, 0), kFormBack);
    EXPECT_EQ(win::GetPixel(dc, 20, 10), kFormBack);
    form.cmdOK.RaiseMouseDown(1, 0, kInX, kY);  // no thin border: shifted by 2
    EXPECT_EQ(win::GetPixel(dc, 0, 0), win::GetSysColor(win::COLOR_BTNFACE));
    EXPECT_EQ(win::GetPixel(dc, 1, 10), win::GetSysColor(win::COLOR_BTNFACE));
    EXPECT_EQ(win::GetPixel(dc, 2, 2), kFormBack);
}

TEST_F(Backdrop, AnIconShowsThroughItsMaskAndEmbossesWhenDisabled) {
    const std::vector<uint8_t> file = RedIcon();
    const vb::Picture icon = gdi::PictureFromIco(file, "red.ico");
    ASSERT_TRUE(icon.isIcon());
    ASSERT_EQ(icon.bitmap()->width(), 8);
    const com::PropertyBag design{{"Caption", ""}};
    TestForm form(&design);
    form.Show();
    ASSERT_EQ(form.cmdOK.PutProperty("Picture", icon), com::S_OK);
    const win::HDC dc = form.cmdOK.hDC();
    // At the border offset 10, centred down: rows 6 to 13.
    EXPECT_EQ(win::GetPixel(dc, 11, 8), win::GetSysColor(win::COLOR_BTNFACE));
    EXPECT_EQ(win::GetPixel(dc, 15, 8), kRed);
    form.cmdOK.PutProperty("Enabled", false);
    EXPECT_EQ(win::GetPixel(dc, 11, 8), win::GetSysColor(win::COLOR_BTNFACE));
    EXPECT_EQ(win::GetPixel(dc, 15, 8), win::GetSysColor(win::COLOR_BTNSHADOW));
}

TEST(IconFile, OnlyAWholeIconFileMakesAPicture) {
    std::vector<uint8_t> cursor = RedIcon();
    cursor[2] = 2;
    std::vector<uint8_t> cut = RedIcon();
    cut.resize(cut.size() - 1);
    for (const auto& bytes : {cursor, cut, std::vector<uint8_t>{}})
        EXPECT_TRUE(gdi::PictureFromIco(bytes, "bad").empty());
}

TEST_F(Backdrop, TheLibraryHoldsItsToolboxPicture) {
    com::Guid clsid;
    ASSERT_EQ(com::CLSIDFromProgID(hovertest::kProgID, &clsid), com::S_OK);
    std::span<const uint8_t> bytes;
    ASSERT_EQ(com::LoadLibraryResource(KANTREL_PATH, 30000, &bytes), com::S_OK);
    ASSERT_GT(bytes.size(), 30u);
    EXPECT_EQ(bytes[28], 4);  // 16 colours
    const auto picture = gdi::ReadBmp(bytes);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 16);
    EXPECT_EQ(picture->height(), 15);
    EXPECT_EQ(com::LoadLibraryResource(KANTREL_PATH, 1, &bytes), com::E_INVALIDARG);
}

}  // namespace
