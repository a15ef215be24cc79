// The main window's pictures: each picture control carries the resource drawn for it, of
// the control's size in pixels, with a twin of exactly twice that size; and what is drawn
// from them stays sharp at 2x.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game/support/tolvarin_fixture.h"
#include "platform/forms/picturebox_surface.h"
#include "platform/gdi/bitmap.h"
#include "platform/types/twips.h"
#include "platform/user32/cursors.h"
#include "shell/resource_table.h"
#include "shell/resources.h"

namespace {

using vb::kTwipsPerPixel;

struct Designed {
    std::string control;
    const vb::Control* box;
    const vb::Picture* picture;
    std::string resource;
};

// Every picture control the design gives a picture, with the resource it must carry.
std::vector<Designed> DesignedPictures(const frmTolvarin& f) {
    std::vector<Designed> all;
    auto add = [&all](const std::string& control, const vb::Control& box,
                      const vb::Picture& picture, const std::string& resource) {
        all.push_back({control, &box, &picture, resource});
    };
    for (int16_t k = 0; k < 6; ++k) {
        const std::string n = std::to_string(k);
        const std::string face = std::to_string(k + 1);
        add("picHide(" + n + ")", f.picHide(k), f.picHide(k).Picture(), "die" + face);
        add("picHideOff(" + n + ")", f.picHideOff(k), f.picHideOff(k).Picture(), "held" + face);
        add("picDice(" + n + ")", f.picDice(k), f.picDice(k).Picture(), "die" + face);
        add("PicDiceOff(" + n + ")", f.PicDiceOff(k), f.PicDiceOff(k).Picture(), "held" + face);
    }
    add("picRollDice", f.picRollDice, f.picRollDice.Picture(), "roll");
    add("picRollOn", f.picRollOn, f.picRollOn.Picture(), "rollpressed");
    add("picRollOff", f.picRollOff, f.picRollOff.Picture(), "rolloff");
    add("picRollDices", f.picRollDices, f.picRollDices.Picture(), "roll");
    for (int16_t k = 0; k < 3; ++k) {
        add("picRound", f.picRound(k), f.picRound(k).Picture(), "lamplit");
        add("picRoundBG", f.picRoundBG(k), f.picRoundBG(k).Picture(), "lampdark");
    }
    for (int16_t k = 0; k < 10; ++k)
        add("picDigit", f.picDigit(k), f.picDigit(k).Picture(), "digit" + std::to_string(k));
    add("picNeg", f.picNeg, f.picNeg.Picture(), "minus");
    const std::vector<const vb::PictureBox*> counters = {
        &f.picScoreB,    &f.picScore,        &f.picBuffer(0),   &f.picBuffer(1),
        &f.picBuffer(2), &f.picPlayer1Score, &f.picPlayer2Score};
    for (const vb::PictureBox* p : counters) add(p->Name(), *p, p->Picture(), "counter");
    add("imgBut3", f.imgBut3, f.imgBut3.Picture(), "cellbutton");
    for (int16_t r = 0; r < kSheetRows; ++r) {
        const std::string n = std::to_string(r);
        add("img1ColumnP(" + n + ")", f.img1ColumnP(r), f.img1ColumnP(r).Picture(), "row" + n);
        add("img1Column(" + n + ")", f.img1Column(r), f.img1Column(r).Picture(), "rowlit" + n);
    }
    add("imgArrow", f.imgArrow, f.imgArrow.Picture(), "arrow");
    add("imgArrow2", f.imgArrow2, f.imgArrow2.Picture(), "arrow");
    return all;
}

using PicturesTest = TolvarinTest;

TEST_F(PicturesTest, EveryPictureControlCarriesItsResourceAtItsSize) {
    for (const Designed& d : DesignedPictures(form)) {
        SCOPED_TRACE(d.control);
        EXPECT_EQ(d.picture->name(), d.resource);
        EXPECT_EQ(*d.picture, vb::LoadResPicture(d.resource));
        const auto& bitmap = d.picture->bitmap();
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(bitmap->width(), d.box->Width() / kTwipsPerPixel);
        EXPECT_EQ(bitmap->height(), d.box->Height() / kTwipsPerPixel);
        ASSERT_NE(bitmap->twin(), nullptr);
        EXPECT_EQ(bitmap->twin()->width(), 2 * bitmap->width());
        EXPECT_EQ(bitmap->twin()->height(), 2 * bitmap->height());
    }
}

// The mean difference, per channel, between each pixel and the average of the 2 x 2 twin
// pixels over it: small when the twin is the same picture drawn finer.
double TwinDeparture(const gdi::Bitmap& b) {
    const gdi::Bitmap& t = *b.twin();
    double total = 0;
    for (int32_t y = 0; y < b.height(); ++y)
        for (int32_t x = 0; x < b.width(); ++x)
            for (int shift = 0; shift <= 16; shift += 8) {
                int sum = 0;
                for (int k = 0; k < 4; ++k)
                    sum +=
                        static_cast<int>((t.pixel(2 * x + k % 2, 2 * y + k / 2) >> shift) & 0xFF);
                total += std::abs(sum / 4.0 - static_cast<double>((b.pixel(x, y) >> shift) & 0xFF));
            }
    return total / (3.0 * b.width() * b.height());
}

TEST(PictureResources, EachHasATwinOfTheSamePictureAtTwiceTheSize) {
    const auto table = resources::PictureTable();
    EXPECT_GE(table.size(), 50u);
    for (const resources::PictureResource& r : table) {
        SCOPED_TRACE(r.name);
        const vb::Picture p = vb::LoadResPicture(r.name);
        ASSERT_NE(p.bitmap(), nullptr);
        ASSERT_NE(p.bitmap()->twin(), nullptr);
        EXPECT_EQ(p.bitmap()->twin()->width(), 2 * p.bitmap()->width());
        EXPECT_EQ(p.bitmap()->twin()->height(), 2 * p.bitmap()->height());
        EXPECT_LT(TwinDeparture(*p.bitmap()), 5.0);
    }
}

TEST(PictureResources, NamesMatchWithoutRegardToCase) {
    const vb::Picture die = vb::LoadResPicture("die3");
    ASSERT_NE(die.bitmap(), nullptr);
    EXPECT_EQ(vb::LoadResPicture("DIE3"), vb::LoadResPicture("Die3"));
    EXPECT_EQ(vb::LoadResPicture("DIE3").bitmap(), die.bitmap());
    EXPECT_TRUE(vb::LoadResPicture("die7").empty());
    EXPECT_TRUE(vb::LoadResPicture("").empty());
}

// Free and held dice must tell apart at a glance: the faces differ from each other, and a
// held face from its free face over much of the die.
TEST(PictureResources, HeldDiceLookDifferent) {
    for (int face = 1; face <= 6; ++face) {
        SCOPED_TRACE(face);
        const gdi::Bitmap& free = *vb::LoadResPicture("die" + std::to_string(face)).bitmap();
        const gdi::Bitmap& held = *vb::LoadResPicture("held" + std::to_string(face)).bitmap();
        int differing = 0;
        for (size_t i = 0; i < free.pixels().size(); ++i)
            if (free.pixels()[i] != held.pixels()[i]) ++differing;
        EXPECT_GT(differing, static_cast<int>(free.pixels().size()) / 2);
        if (face > 1) {
            EXPECT_FALSE(free == *vb::LoadResPicture("die" + std::to_string(face - 1)).bitmap());
        }
    }
}

// The counter drawn at once from its digit pictures: the twin of what picScore shows is the
// blank counter's twin with the digits' twins at doubled places.
TEST_F(PicturesTest, TheCounterStaysSharpAtTwiceTheSize) {
    form.prevGrandTotal = 60;
    form.grandTotal = 47;
    form.RollScoreCounter();
    const gdi::Bitmap* shown = gdi::SurfaceOf(form.picScore);
    ASSERT_NE(shown, nullptr);
    ASSERT_NE(shown->twin(), nullptr);
    gdi::Bitmap want = *vb::LoadResPicture("counter").bitmap()->twin();
    want.draw(*vb::LoadResPicture("digit4").bitmap()->twin(), 2 * 68, 2 * 4);
    want.draw(*vb::LoadResPicture("digit7").bitmap()->twin(), 2 * 81, 2 * 4);
    EXPECT_EQ(*shown->twin(), want);
}

// The build's program folder, where the test programs are built too (the game tests run
// the program from a folder of their own).
TEST(ProgramFolder, HoldsTheClassCursor) {
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    std::ifstream in(folder / "base.cur", std::ios::binary);
    ASSERT_TRUE(in) << "base.cur is made into the program folder by the build";
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto cursor = win::ParseCursorFile(bytes);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->width, 32);
    EXPECT_EQ(cursor->height, 32);
    // The hot spot is the pointer's tip, which is seen; the far corner is see-through.
    EXPECT_NE(cursor->pixels[static_cast<size_t>(cursor->hotY * 32 + cursor->hotX)] >> 24, 0u);
    EXPECT_EQ(cursor->pixels.back() >> 24, 0u);
}

}  // namespace
