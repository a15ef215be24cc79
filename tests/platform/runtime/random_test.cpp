#include "platform/runtime/random.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "clock_host.h"
#include "platform/runtime/conversions.h"

namespace {

std::vector<float> Draw(int count) {
    std::vector<float> numbers;
    for (int i = 0; i < count; ++i) numbers.push_back(vb::Rnd());
    return numbers;
}

class RndTest : public ::testing::Test {
protected:
    void SetUp() override { vb::ClearScriptedRnd(); }
    void TearDown() override { vb::ClearScriptedRnd(); }
};

TEST_F(RndTest, StaysInTheHalfOpenUnitIntervalAndSpreadsEvenly) {
    vb::Randomize(1.0);
    std::array<int, 6> faces{};
    double sum = 0;
    constexpr int kDraws = 60000;
    for (int i = 0; i < kDraws; ++i) {
        const float r = vb::Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        sum += r;
        ++faces[static_cast<size_t>(vb::Int(6 * r))];
    }
    EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
    for (int count : faces) EXPECT_NEAR(count, kDraws / 6, kDraws / 60);
}

TEST_F(RndTest, ASeedGivesItsOwnRepeatableSequence) {
    vb::Randomize(42.0);
    const auto first = Draw(8);
    vb::Randomize(42.0);
    EXPECT_EQ(Draw(8), first);
    vb::Randomize(43.0);
    EXPECT_NE(Draw(8), first);
}

TEST_F(RndTest, RandomizeWithoutAHostStartsFromAFixedSeed) {
    vb::Randomize();
    const auto first = Draw(4);
    Draw(3);
    vb::Randomize();
    EXPECT_EQ(Draw(4), first);
}

TEST_F(RndTest, RandomizeFromTheSameTimeTwiceStillMovesOn) {
    runtime_test::ClockHost host(3600.25);
    vb::Randomize();
    const auto first = Draw(4);
    vb::Randomize();
    EXPECT_NE(Draw(4), first);
}

TEST_F(RndTest, ScriptedNumbersComeFirstThenTheGenerator) {
    vb::Randomize(7.0);
    const auto unscripted = Draw(2);
    vb::Randomize(7.0);
    vb::ScriptRnd({0.0, 0.25});
    vb::ScriptRnd({0.75});
    EXPECT_EQ(vb::Rnd(), 0.0f);
    EXPECT_EQ(vb::Rnd(), 0.25f);
    EXPECT_EQ(vb::Rnd(), 0.75f);
    EXPECT_EQ(Draw(2), unscripted);
}

TEST_F(RndTest, AScriptedNumberJustBelowOneStaysBelowOne) {
    vb::ScriptRnd({0.99999999});
    const float r = vb::Rnd();
    EXPECT_LT(r, 1.0f);
    EXPECT_EQ(vb::Int(6 * r) + 1, 6);
}

TEST_F(RndTest, ScriptRndRejectsNumbersOutsideTheIntervalAndQueuesNone) {
    const double kBad[] = {-0.1, 1.0, 1.5, std::nan(""), -1e-300};
    for (double bad : kBad) {
        SCOPED_TRACE(bad);
        vb::Randomize(9.0);
        const float expected = vb::Rnd();
        vb::Randomize(9.0);
        EXPECT_THROW(vb::ScriptRnd({0.5, bad}), std::invalid_argument);
        EXPECT_EQ(vb::Rnd(), expected);
    }
}

TEST_F(RndTest, ClearScriptedRndDropsWhatIsLeft) {
    vb::Randomize(5.0);
    const float expected = vb::Rnd();
    vb::Randomize(5.0);
    vb::ScriptRnd({0.5, 0.5});
    vb::ClearScriptedRnd();
    EXPECT_EQ(vb::Rnd(), expected);
}

TEST_F(RndTest, RndForFaceGivesEveryFaceOfEveryDie) {
    for (int faces = 1; faces <= 20; ++faces) {
        for (int face = 1; face <= faces; ++face) {
            SCOPED_TRACE(std::to_string(face) + " of " + std::to_string(faces));
            EXPECT_EQ(vb::RndForFace(face, faces), (face - 0.5) / faces);
            vb::ScriptRnd({vb::RndForFace(face, faces)});
            const float r = vb::Rnd();
            EXPECT_EQ(vb::Int(static_cast<float>(faces) * r) + 1, face);
            EXPECT_EQ(vb::Int(faces * static_cast<double>(r)) + 1, face);
        }
    }
    EXPECT_EQ(vb::RndForFace(6), 5.5 / 6);
}

TEST_F(RndTest, RndForFaceRejectsAFaceTheDieDoesNotHave) {
    EXPECT_THROW(vb::RndForFace(0), std::invalid_argument);
    EXPECT_THROW(vb::RndForFace(7), std::invalid_argument);
    EXPECT_THROW(vb::RndForFace(1, 0), std::invalid_argument);
}

}  // namespace
