// Random games, headless, over every setting: one and two players, both layouts, both dice
// counts, with random holds, undo, redo, New Game and hand-overs. After every step the shown
// board must add up (the grand total is the sum of its column totals), every caption of the
// sheet must be a number or empty, and a board that ends must enter exactly one entry into
// its top-score table; any other step must leave the tables alone.
//
//   tolvarin-soak [-games=N] [-seconds=N] [-seed=N]
// Ends non-zero with the seed, the game and the step of the first fault.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialogs/frmEndGame.h"
#include "game/top_score_file.h"
#include "platform/files/atomic_file.h"
#include "platform/media/mci.h"
#include "platform/media/playsound.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/errors.h"
#include "shell/Module1.h"
#include "tools/run_support.h"
#include "tools/script/game_driver.h"

namespace {

constexpr int kMostStepsPerGame = 4000;
constexpr int32_t kNoEnd = INT32_MIN;  // NewScoreRank while no board has ended in a step

struct Random : tools::SplitMix64 {
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
};

class Fault : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

bool NumberOrEmpty(const std::string& text) {
    if (text.empty()) return true;
    const size_t digits = text[0] == '-' ? 1 : 0;
    return text.size() > digits &&
           text.find_first_not_of("0123456789", digits) == std::string::npos;
}

using Table = std::vector<Module1::ScoreRecord>;

Table ReadTableFile(int32_t number) {
    try {
        return topscores::TableEntries(vb::ReadWholeFile(topscores::FilePath(number)));
    } catch (const vb::RuntimeError&) {
        return {};
    }
}

bool SameTable(const Table& a, const Table& b) {
    if (a.size() != b.size()) return false;
    for (size_t k = 0; k < a.size(); ++k)
        if (topscores::RecordBytes(a[k]) != topscores::RecordBytes(b[k])) return false;
    return true;
}

class Soak {
public:
    explicit Soak(uint64_t seed) : random_{{seed}} {}

    void PlayGame() {
        ChooseSettings();
        tables_ = Tables();
        for (int step = 0; step < kMostStepsPerGame; ++step) {
            step_ = step;
            KeepDialogsAnswered();
            Module1::NewScoreRank = kNoEnd;
            const bool newGame = Step();
            CheckSheet();
            CheckTables();
            media::TakeSoundRequests();
            media::TakeMciCommands();
            if (newGame) return;
            if (Form().gameOver) return (void)++finished_;
        }
        throw Fault("the game did not end in " + std::to_string(kMostStepsPerGame) + " steps");
    }
    int StepNumber() const { return step_; }
    uint64_t Finished() const { return finished_; }

private:
    frmTolvarin& Form() { return game_.Form(); }

    void ChooseSettings() {
        game_.SetGlobal("NumPlayers", random_.Chance(50) ? "2" : "1");
        game_.SetGlobal("NumColumns", random_.Chance(50) ? "4" : "1");
        game_.SetGlobal("DiceSetting", random_.Chance(50) ? "5" : "4");
        game_.SetGlobal("HintsAlwaysSetting", random_.Chance(50) ? "True" : "False");
        game_.SetGlobal("SoundSetting", "False");
        game_.SetGlobal("ConfirmQuit", "False");
        game_.Load();
    }

    // Keeps one answer queued for each window a step may open; the end-of-game question
    // is answered either way.
    void KeepDialogsAnswered() {
        const auto pending = game_.Host().pendingScripts();
        const auto queued = [&](const std::string& name) {
            for (const auto& p : pending)
                if (p == "onModal " + name) return true;
            return false;
        };
        for (const char* name : {"frmScores2", "frmTheWinerIs"}) {
            if (queued(name)) continue;
            game_.Host().onModal(name, [this](vb::Form& w) {
                for (const char* close : {"cmdReturn", "cmdClose"})
                    if (vb::Control* c = w.FindControl(close, -1)) return game_.Host().click(*c);
            });
        }
        if (std::find(pending.begin(), pending.end(), "answerMsgBox 1") == pending.end())
            game_.Host().answerMsgBox(1);  // "You must announce now!" and the like
        if (!queued("frmEndGame")) {
            game_.Host().onModal("frmEndGame", [this](vb::Form& w) {
                auto& dialog = static_cast<frmEndGame&>(w);
                game_.Host().click(random_.Chance(70) ? dialog.cmdFinish : dialog.cmdUndo);
            });
        }
    }

    std::vector<vb::CommandButton*> OpenCells() {
        frmTolvarin& f = Form();
        std::vector<vb::CommandButton*> open;
        for (auto* column : {&f.cmdDown, &f.cmdUp, &f.cmdRand, &f.cmdOblg})
            for (int16_t row = 0; row < kSheetRows; ++row)
                if ((*column)(row).Visible() && (*column)(row).Enabled())
                    open.push_back(&(*column)(row));
        return open;
    }

    // One random action of a player; true when it was New Game.
    bool Step() {
        frmTolvarin& f = Form();
        const int pick = random_.Below(1000);
        if (pick < 3) return game_.Host().pressShortcut(f, "F2");
        if (pick < 60) return (void)game_.ClickToolbar(f.Toolbar2, "tbUndo"), false;
        if (pick < 90) return (void)game_.ClickToolbar(f.Toolbar2, "tbRedo"), false;
        if (pick < 200) {  // hold a die, or let a held one go
            const auto die = static_cast<int16_t>(random_.Below(6));
            if (!game_.Click(f.picDice(die))) game_.Click(f.PicDiceOff(die));
            return false;
        }
        if (pick < 220) return (void)game_.Click(f.cmdShowNextBoard), false;
        const auto open = OpenCells();
        if (pick < 550 || open.empty()) {
            std::vector<int> faces(static_cast<size_t>(script::FreeDice()));
            for (int& face : faces) face = 1 + random_.Below(6);
            if (!game_.Roll(faces) && open.empty() && f.cmdNextPlayer.Visible())
                game_.Click(f.cmdNextPlayer);
        } else {
            game_.Click(*open[static_cast<size_t>(random_.Below(static_cast<int>(open.size())))]);
        }
        game_.Host().advance(random_.Below(400));
        return false;
    }

    void CheckSheet() {
        frmTolvarin& f = Form();
        double sum = 0;
        for (vb::Label* total : {&f.lblDownTot, &f.lblUpTot, &f.lblRandTot, &f.lblOblgTot})
            sum += vb::Val(total->Caption());
        if (sum != f.grandTotal)
            throw Fault("grand total " + std::to_string(f.grandTotal) + " is not the sum " +
                        std::to_string(sum) + " of the column totals");
        std::vector<const vb::Label*> captions = {&f.lblDownTot,  &f.lblUpTot,    &f.lblRandTot,
                                                  &f.lblOblgTot,  &f.lblDownTot1, &f.lblUpTot1,
                                                  &f.lblRandTot1, &f.lblOblgTot1, &f.lblDownTot2,
                                                  &f.lblUpTot2,   &f.lblRandTot2, &f.lblOblgTot2};
        for (auto* column : {&f.lblDown, &f.lblUp, &f.lblRand, &f.lblOblg})
            for (int16_t row = 0; row < kSheetRows; ++row) captions.push_back(&(*column)(row));
        for (const vb::Label* label : captions)
            if (!NumberOrEmpty(label->Caption()))
                throw Fault(label->Name() + " shows \"" + label->Caption() + "\"");
    }

    std::vector<Table> Tables() {
        std::vector<Table> tables;
        for (int32_t n = 1; n <= 4; ++n) tables.push_back(ReadTableFile(n));
        return tables;
    }

    // A board that ended entered its entry where Insert puts it, and only there.
    void CheckTables() {
        std::vector<Table> want = tables_;
        const int32_t rank = Module1::NewScoreRank;
        if (rank != kNoEnd) {
            const int32_t n = topscores::TableNumber(Module1::NumColumns, Module1::DiceSetting);
            Table& table = want[static_cast<size_t>(n - 1)];
            while (table.size() < static_cast<size_t>(topscores::kTableEntries))
                table.push_back(topscores::EmptyEntry());
            const int32_t wantRank = topscores::Insert(table, Module1::NewScoreRecord);
            if (rank != wantRank)
                throw Fault("the board entered at " + std::to_string(rank) + ", not " +
                            std::to_string(wantRank));
        }
        const auto got = Tables();
        for (size_t n = 0; n < got.size(); ++n)
            if (!SameTable(got[n], want[n]) && !(want[n].empty() && got[n].empty()))
                throw Fault("table " + std::to_string(n + 1) + " changed " +
                            (rank == kNoEnd ? "with no board ended" : "other than by one entry"));
        tables_ = got;
    }

    Random random_;
    script::GameDriver game_;
    std::vector<Table> tables_;  // as the last step left them
    int step_ = 0;
    uint64_t finished_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    uint64_t games = 100000, seconds = 1000000000, seed = 1;
    for (int i = 1; i < argc; ++i) {
        if (!tools::Option(argv[i], "-games=", games) &&
            !tools::Option(argv[i], "-seconds=", seconds) &&
            !tools::Option(argv[i], "-seed=", seed)) {
            std::fprintf(stderr, "usage: %s [-games=N] [-seconds=N] [-seed=N]\n", argv[0]);
            return 2;
        }
    }
    const auto start = std::chrono::steady_clock::now();
    Soak soak(seed);
    uint64_t played = 0;
    for (; played < games; ++played) {
        if (std::chrono::steady_clock::now() - start >= std::chrono::seconds(seconds)) break;
        try {
            soak.PlayGame();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "seed %llu, game %llu, step %d: %s\n",
                         static_cast<unsigned long long>(seed),
                         static_cast<unsigned long long>(played + 1), soak.StepNumber(), e.what());
            return 1;
        }
    }
    std::printf("%llu games (%llu played to the end), seed %llu: every step added up\n",
                static_cast<unsigned long long>(played),
                static_cast<unsigned long long>(soak.Finished()),
                static_cast<unsigned long long>(seed));
    return 0;
}
