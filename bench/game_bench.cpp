// A whole one-player game of 52 turns on the headless host's virtual clock: the real time
// the game's own code takes per turn (rolls, hints, placements, counts, the end of the game
// and its top-score file), without the waits the player would see.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/media/playsound.h"
#include "tools/script/game_driver.h"

namespace {

constexpr int kTurns = 52;
// Long enough for the counter's timer to start the count after each placement.
constexpr int64_t kCountDelay = 20;

const std::vector<int> kDice = {1, 2, 3, 4, 5, 6};

void Place(script::GameDriver& game, vb::CommandButton& cell) {
    game.Click(cell);
    game.Host().advance(kCountDelay);
}

// Oblg first, each row announced and placed on the same roll; then Down, Up and Rand. The
// last cell is placed after three rolls, so the game ends without asking.
void PlayGame(script::GameDriver& game) {
    game.Load();
    frmTolvarin& f = game.Form();
    for (int16_t row = 0; row < kSheetRows; ++row) {
        game.Roll(kDice);
        game.Click(f.cmdOblg(row));
        Place(game, f.cmdOblg(row));
    }
    for (int16_t row = 0; row < kSheetRows; ++row) {
        game.Roll(kDice);
        Place(game, f.cmdDown(row));
        game.Roll(kDice);
        Place(game, f.cmdUp(static_cast<int16_t>(rowTolvarin - row)));
    }
    for (int16_t row = 0; row < rowTolvarin; ++row) {
        game.Roll(kDice);
        Place(game, f.cmdRand(row));
    }
    for (int roll = 0; roll < 3; ++roll) game.Roll(kDice);
    game.Host().onModal("frmScores2", [&game](vb::Form& scores) {
        game.Host().click(*scores.FindControl("cmdReturn"));
    });
    Place(game, f.cmdRand(rowTolvarin));
    media::TakeSoundRequests();
}

void BM_FullGame(benchmark::State& state) {
    script::GameDriver game;
    for (auto _ : state) PlayGame(game);
    state.counters["per_turn"] = benchmark::Counter(
        kTurns, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FullGame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
