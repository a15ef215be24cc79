// The effect files in the program folder, as the build wrote them: valid wave files of the
// right length, none clipping, at levels that sit together, each sounding like its name as
// far as level and spectrum can tell.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/media/sound_length.h"
#include "sound_reading.h"

namespace soundgen_test {
namespace {

const std::filesystem::path kFolder = std::filesystem::path(SOUNDGEN_PROGRAM_DIR) / "TLWAVS";

Wave Load(const std::string& name) {
    const auto parsed = ParseWave(ReadBytes(kFolder / (name + ".WAV")));
    if (!parsed.wave) ADD_FAILURE() << name << ": " << parsed.error;
    return parsed.wave.value_or(Wave{});
}

double Ms(const Wave& w) { return 1000.0 * static_cast<double>(w.samples.size()) / w.sampleRate; }

// One row per effect the game plays: its length, where the middle of its spectrum may lie
// (0 for no bound), and whether it is one of the small sounds that come often and sit lower.
struct EffectCase {
    const char* name;
    int minMs, maxMs;
    double minHz, maxHz;
    bool quiet;
};
const EffectCase kEffects[] = {
    {"rollAll", 450, 700, 2000, 6000, false},  // dice clatter, about the 540 ms roll
    {"rollSome", 450, 700, 2000, 6000, false},
    {"rollOne", 400, 700, 2000, 6000, false},
    {"Tolvarin", 800, 2000, 1200, 0, false},  // a bright fanfare
    {"holdDice", 20, 80, 0, 0, true},         // soft clicks
    {"UnHoldDice", 20, 80, 0, 0, true},
    {"score", 300, 800, 1500, 0, false},     // a chime; the game waits for it
    {"scoreZero", 150, 500, 0, 400, false},  // a dull, low knock
    {"announce", 400, 1200, 0, 0, false},
    {"hint", 400, 1200, 3000, 0, false},  // a high sparkle
    {"newGame", 600, 1500, 0, 0, false},
    {"undo", 150, 500, 0, 0, false},
    {"redo", 150, 500, 0, 0, false},
    {"counter7", 30, 60, 2000, 0, true},     // a tick, played at every counter step
    {"counter0", 200, 700, 1500, 0, false},  // a small ding
    {"applause", 1500, 4000, 0, 0, false},
    {"draw", 500, 1500, 0, 0, false},
};

TEST(EffectFiles, AreValidWavesOfTheirLength) {
    for (const auto& c : kEffects) {
        SCOPED_TRACE(c.name);
        const auto bytes = ReadBytes(kFolder / (std::string(c.name) + ".WAV"));
        const auto parsed = ParseWave(bytes);
        ASSERT_TRUE(parsed.wave) << parsed.error;
        EXPECT_GE(Ms(*parsed.wave), c.minMs);
        EXPECT_LE(Ms(*parsed.wave), c.maxMs);
        // The game reads the same length from the header.
        EXPECT_EQ(media::WaveLengthMs(bytes), static_cast<uint32_t>(Ms(*parsed.wave)));
    }
}

TEST(EffectFiles, NeverClipAndStartAndEndInSilence) {
    for (const auto& c : kEffects) {
        SCOPED_TRACE(c.name);
        const Wave w = Load(c.name);
        ASSERT_FALSE(w.samples.empty());
        EXPECT_LE(PeakOf(w.samples), 0.9);
        EXPECT_LT(std::abs(w.samples.front()), 0.01);
        EXPECT_LT(std::abs(w.samples.back()), 0.01);
    }
}

TEST(EffectFiles, LevelsSitTogether) {
    for (const auto& c : kEffects) {
        SCOPED_TRACE(c.name);
        const double loudest = LoudestDb(Load(c.name).samples);
        EXPECT_GE(loudest, c.quiet ? -28.0 : -20.0);
        EXPECT_LE(loudest, c.quiet ? -19.0 : -12.0);
    }
}

TEST(EffectFiles, SpectrumFitsTheName) {
    for (const auto& c : kEffects) {
        SCOPED_TRACE(c.name);
        const Wave w = Load(c.name);
        const double centroid = CentroidHz(w.samples, w.sampleRate);
        if (c.minHz > 0) {
            EXPECT_GE(centroid, c.minHz);
        }
        if (c.maxHz > 0) {
            EXPECT_LE(centroid, c.maxHz);
        }
    }
}

TEST(EffectFiles, HoldingClicksHigherThanReleasing) {
    const Wave hold = Load("holdDice"), release = Load("UnHoldDice");
    EXPECT_GT(CentroidHz(hold.samples, hold.sampleRate),
              1.2 * CentroidHz(release.samples, release.sampleRate));
}

TEST(EffectFiles, MoreDiceMakeABusierClatter) {
    const double all = BusyShare(Load("rollAll").samples);
    const double some = BusyShare(Load("rollSome").samples);
    const double one = BusyShare(Load("rollOne").samples);
    EXPECT_GT(all, 1.2 * some);
    EXPECT_GT(some, 1.5 * one);
    EXPECT_GE(Onsets(Load("rollOne").samples), 4);  // a lone die still bounces before it rests
}

// Undo swells towards its end, as a sound played backwards does; redo starts at once and dies.
TEST(EffectFiles, UndoSwellsAndRedoFades) {
    const auto thirds = [](const std::vector<double>& s) {
        const size_t third = s.size() / 3;
        return std::pair{RmsDb({s.begin(), s.begin() + third}), RmsDb({s.end() - third, s.end()})};
    };
    const auto [undoStart, undoEnd] = thirds(Load("undo").samples);
    const auto [redoStart, redoEnd] = thirds(Load("redo").samples);
    EXPECT_GT(undoEnd, undoStart + 3);
    EXPECT_GT(redoStart, redoEnd + 3);
}

// Many clappers: the sound never drops out, yet its claps still stand out.
TEST(EffectFiles, ApplauseIsManyClaps) {
    const Wave applause = Load("applause");
    EXPECT_GE(BusyShare(applause.samples), 0.6);
    EXPECT_GE(Onsets(applause.samples), 25);
}

}  // namespace
}  // namespace soundgen_test
