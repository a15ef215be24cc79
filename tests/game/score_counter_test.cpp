// The score counter: each count is checked against the picture that the number drawn at
// once gives, and the number drawn at once against the digit pictures placed by hand at
// their cells.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/support/tolvarin_fixture.h"
#include "platform/forms/picturebox_surface.h"
#include "platform/gdi/bitmap.h"
#include "platform/media/playsound.h"

namespace {

constexpr int32_t kCellTop = 4;
// Every x at which a digit or the minus sign can stand.
constexpr int32_t kCellXs[] = {49, 55, 62, 68, 75, 81, 88, 94};

class ScoreCounterTest : public TolvarinTest {
protected:
    ScoreCounterTest() { media::TakeSoundRequests(); }

    const gdi::Bitmap& Glyph(char glyph) {
        vb::PictureBox& box = glyph == '-' ? form.picNeg : form.picDigit(glyph - '0');
        return *box.Picture().bitmap();
    }

    // The blank counter with glyphs placed by hand: "-@62 7@75" is the minus sign at x 62
    // and a 7 at x 75.
    gdi::Bitmap Composed(const std::string& glyphs) {
        gdi::Bitmap out = *form.picScoreB.Picture().bitmap();
        std::istringstream in(glyphs);
        for (std::string token; in >> token;)
            out.draw(Glyph(token[0]), std::stoi(token.substr(2)), kCellTop);
        return out;
    }

    // What the counter shows, read back glyph by glyph at the cells where one matches.
    std::string Reading(const gdi::Bitmap& shown) {
        std::string text;
        for (int32_t x : kCellXs)
            for (char glyph : std::string("-0123456789")) {
                const gdi::Bitmap& g = Glyph(glyph);
                gdi::Bitmap cell(g.width(), g.height());
                cell.draw(shown, -x, -kCellTop);
                if (cell == g)
                    text +=
                        (text.empty() ? "" : " ") + std::string(1, glyph) + "@" + std::to_string(x);
            }
        return text;
    }

    const gdi::Bitmap& Shown() { return *gdi::SurfaceOf(form.picScore); }
    const gdi::Bitmap& Buffer(int16_t k) { return *gdi::SurfaceOf(form.picBuffer(k)); }

    ::testing::AssertionResult Shows(const std::string& glyphs) {
        if (Shown() == Composed(glyphs)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the counter reads \"" << Reading(Shown())
                                             << "\", wanted exactly \"" << glyphs << "\"";
    }

    // The digits of @p v (0 to 9999) at the cells of their number, as "1@62 0@75 3@88".
    static std::string GlyphsOf(int32_t v) {
        static const int32_t kUnitsFirst[4][4] = {{75}, {81, 68}, {88, 75, 62}, {94, 81, 68, 55}};
        const std::string digits = std::to_string(v);
        const size_t n = digits.size();
        std::string glyphs;
        for (size_t i = 0; i < n; ++i)
            glyphs += std::string(glyphs.empty() ? "" : " ") + digits[i] + "@" +
                      std::to_string(kUnitsFirst[n - 1][n - 1 - i]);
        return glyphs;
    }

    // Puts @p picture on the counter, as an earlier count would have left it.
    void StartFrom(const gdi::Bitmap& picture) {
        form.picScore.setPicture(vb::Picture(std::make_shared<gdi::Bitmap>(picture), "start"));
    }

    void Run(int32_t from, int32_t to) {
        form.prevGrandTotal = from;
        form.grandTotal = to;
        form.RollScoreCounter();
    }
    // Draws @p v at once: the total falls to it from one above.
    void DrawAtOnce(int32_t v) { Run(v + 1, v); }
    // Milliseconds a call takes on the virtual clock.
    int64_t Timed(int32_t from, int32_t to) {
        const int64_t start = host.nowMs();
        Run(from, to);
        return host.nowMs() - start;
    }

    static std::vector<std::string> Sounds() {
        std::vector<std::string> names;
        for (const media::SoundRequest& r : media::TakeSoundRequests()) {
            const size_t slash = r.path.rfind('\\');
            std::string name = r.path.substr(slash + 1);
            if (r.flags & win::SND_ASYNC) name += " async";
            names.push_back(name);
        }
        return names;
    }
};

TEST_F(ScoreCounterTest, EveryDigitPictureDiffersFromTheOthers) {
    const std::string glyphs = "-0123456789";
    for (char a : glyphs) {
        for (char b : glyphs) {
            if (a != b) {
                EXPECT_FALSE(Glyph(a) == Glyph(b)) << a << " and " << b;
            }
        }
    }
    EXPECT_EQ(Glyph('0').width(), 13);
    EXPECT_EQ(Glyph('0').height(), 17);
}

TEST_F(ScoreCounterTest, ANumberDrawnAtOnceStandsAtTheCellsOfItsLength) {
    struct Case {
        int32_t value;
        const char* glyphs;
    };
    const Case cases[] = {
        {0, "0@75"},
        {7, "7@75"},
        {12, "1@68 2@81"},
        {103, "1@62 0@75 3@88"},
        {1000, "1@55 0@68 0@81 0@94"},
        {1002, "1@55 0@68 0@81 2@94"},
        {-7, "-@62 7@75"},
        {-45, "-@55 4@68 5@81"},
        {-123, "-@49 1@62 2@75 3@88"},
        {-1234, "1@55 2@68 3@81 4@94"},  // four digits leave no room for the sign
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        DrawAtOnce(c.value);
        EXPECT_TRUE(Shows(c.glyphs));
        EXPECT_EQ(form.grandTotal, c.value);  // a negative total gets its sign back
        EXPECT_TRUE(form.counterFinished);
    }
}

TEST_F(ScoreCounterTest, AFallingOrNegativeTotalIsDrawnAtOnceWithoutSound) {
    Module1::SoundsOn = true;
    DrawAtOnce(120);
    const struct {
        int32_t from, to;
        const char* glyphs;
    } cases[] = {{120, 95, "9@68 5@81"}, {95, -7, "-@62 7@75"}, {-7, 3, "3@75"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
        form.counterFinished = false;
        EXPECT_EQ(Timed(c.from, c.to), 0);
        EXPECT_TRUE(Shows(c.glyphs));
        EXPECT_TRUE(form.counterFinished);
    }
    Sounds();  // the set-up's draw
    EXPECT_EQ(Sounds(), std::vector<std::string>{});
}

// From 5 to 12 the 5 at x 75 rolls on to 9, the display turns to two digits at 10 and
// stops at 12; each step waits 50 ms.
TEST_F(ScoreCounterTest, CountsFromFiveToTwelve) {
    Module1::SoundsOn = true;
    DrawAtOnce(5);
    Sounds();
    form.counterFinished = false;
    EXPECT_EQ(Timed(5, 12), 7 * 50);
    EXPECT_TRUE(Shows("1@68 2@81"));
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"counter7.WAV async", "counter0.WAV async"}));
    EXPECT_EQ(form.counterDigitCount, 1);
    EXPECT_EQ(form.counterDigitCountStart, 0);
    EXPECT_EQ(form.counterDigitCountEnd, 1);
    EXPECT_EQ(form.counterDigitsStart, (std::array<int16_t, 5>{5, 0, 0, 0, 0}));
    EXPECT_EQ(form.counterDigitsEnd, (std::array<int16_t, 5>{2, 1, 0, 0, 0}));
    EXPECT_TRUE(form.counterShown);
    EXPECT_FALSE(form.counterFinished);
    EXPECT_TRUE(Buffer(1) == Composed("5@75"));       // before, for undo
    EXPECT_TRUE(Buffer(0) == Composed("1@68 2@81"));  // after, for redo
}

TEST_F(ScoreCounterTest, TheStepDelayShrinksWithTheDistance) {
    const struct {
        int32_t distance;
        int64_t msPerStep;
    } cases[] = {{1, 50},  {19, 50}, {20, 40}, {29, 40}, {30, 30},
                 {39, 30}, {40, 20}, {59, 20}, {60, 10}, {250, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.distance);
        DrawAtOnce(100);
        EXPECT_EQ(Timed(100, 100 + c.distance), c.distance * c.msPerStep);
    }
}

TEST_F(ScoreCounterTest, NoCountWhenTheTotalStays) {
    Module1::SoundsOn = true;
    DrawAtOnce(42);
    Sounds();
    form.counterFinished = false;
    EXPECT_EQ(Timed(42, 42), 0);
    EXPECT_TRUE(Shows("4@68 2@81"));
    EXPECT_FALSE(form.counterFinished);
    EXPECT_EQ(Sounds(), std::vector<std::string>{});

    // Both 0, on the blank counter of a new game: a single zero.
    form.CopyCounterPicture(form.picScoreB, form.picScore);
    Run(0, 0);
    EXPECT_TRUE(Shows("0@75"));
    EXPECT_TRUE(Buffer(0) == Composed("0@75"));
    EXPECT_EQ(Sounds(), std::vector<std::string>{});
}

// A count ends on exactly the picture the number drawn at once has, also when the number
// of digits grows on the way.
TEST_F(ScoreCounterTest, ACountEndsOnThePictureOfItsTarget) {
    const std::pair<int32_t, int32_t> cases[] = {
        {0, 1},    {0, 10},      {5, 12},      {9, 10},     {9, 100},    {95, 103},
        {99, 100}, {100, 200},   {105, 215},   {990, 1002}, {999, 1000}, {998, 1011},
        {0, 1000}, {1999, 2000}, {1090, 1110}, {5, 1234},
    };
    for (const auto& [from, to] : cases) {
        SCOPED_TRACE(std::to_string(from) + " to " + std::to_string(to));
        DrawAtOnce(to);
        const gdi::Bitmap direct = Shown();
        DrawAtOnce(from);
        Run(from, to);
        EXPECT_TRUE(Shown() == direct)
            << "reads " << Reading(Shown()) << ", drawn at once " << Reading(direct);
    }
}

TEST_F(ScoreCounterTest, CountsGrowingByADigitReadRight) {
    DrawAtOnce(95);
    Run(95, 103);
    EXPECT_TRUE(Shows("1@62 0@75 3@88"));
    EXPECT_EQ(form.counterDigitCount, 2);
    DrawAtOnce(990);
    Run(990, 1002);
    EXPECT_TRUE(Shows("1@55 0@68 0@81 2@94"));
    EXPECT_EQ(form.counterDigitCount, 3);
    DrawAtOnce(999);
    Run(999, 1000);
    EXPECT_TRUE(Shows("1@55 0@68 0@81 0@94"));
}

// In play each count starts from the picture the last one left.
TEST_F(ScoreCounterTest, CountsInARowEndRight) {
    DrawAtOnce(0);
    int32_t total = 0;
    for (int32_t next : {3, 17, 95, 103, 990, 1002, 1100, 1234}) {
        SCOPED_TRACE(next);
        Run(total, next);
        total = next;
        const gdi::Bitmap counted = Shown();
        DrawAtOnce(total);
        EXPECT_TRUE(counted == Shown()) << "reads " << Reading(counted);
    }
}

// Every total from 0 to 1100 counted one up from the picture the count before left, and
// longer counts from every eleventh total (the longest from every 33rd), each against the
// digits placed by hand.
TEST_F(ScoreCounterTest, EveryCountOverAWideRangeEndsOnItsTarget) {
    std::vector<std::string> wrong;
    auto check = [&](int32_t from, int32_t to) {
        if (!(Shown() == Composed(GlyphsOf(to))))
            wrong.push_back(std::to_string(from) + " to " + std::to_string(to) + " reads " +
                            Reading(Shown()));
    };
    DrawAtOnce(0);
    for (int32_t total = 0; total < 1100; ++total) {
        Run(total, total + 1);
        check(total, total + 1);
    }
    for (int32_t from = 0; from <= 1100; from += 11)
        for (int32_t distance : {2, 11, 111}) {
            if (distance == 111 && from % 33 != 0) continue;
            StartFrom(Composed(GlyphsOf(from)));
            Run(from, from + distance);
            check(from, from + distance);
        }
    EXPECT_EQ(wrong, std::vector<std::string>{});
}

TEST_F(ScoreCounterTest, TheTimerCountsOncePerStart) {
    DrawAtOnce(5);
    form.prevGrandTotal = 5;
    form.grandTotal = 8;
    form.tmrCounter.setEnabled(true);
    host.advance(9);
    EXPECT_TRUE(Shows("5@75"));
    host.advance(1);
    EXPECT_TRUE(Shows("8@75"));
    EXPECT_FALSE(form.tmrCounter.Enabled());
}

TEST_F(ScoreCounterTest, ATickAfterRedoDoesNotCount) {
    DrawAtOnce(5);
    form.prevGrandTotal = 5;
    form.grandTotal = 8;
    form.skipNextCount = true;
    form.tmrCounter.setEnabled(true);
    host.advance(10);
    EXPECT_TRUE(Shows("5@75"));
    EXPECT_FALSE(form.skipNextCount);
    EXPECT_FALSE(form.tmrCounter.Enabled());
}

}  // namespace
