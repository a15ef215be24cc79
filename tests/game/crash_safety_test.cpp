// A writer of the settings and one of a top-score table killed at random moments, 200 times
// each: the file is always whole, the old version or the new one, and the temporary files
// that the killed writers leave go at the next write.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "game/temp_app_folder.h"
#include "game/top_score_file.h"
#include "platform/registry/registry_store.h"

namespace {

using namespace endgame_test;
using Bytes = std::vector<uint8_t>;

constexpr int kKills = 200;
constexpr long kLongestLifeUs = 12000;
const std::string kKey = "HKEY_CURRENT_USER\\Software\\Tolvarin\\Tolvarin2.2";

// Runs @p write over and over in a child process and kills it after a random while; the
// caller then looks at the file. The random whiles repeat from run to run.
void KillWriter(const std::function<void()>& write, uint64_t& random) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        for (;;) write();
    }
    random = random * 6364136223846793005ull + 1442695040888963407ull;
    const long us = static_cast<long>((random >> 33) % kLongestLifeUs);
    const timespec pause{0, us * 1000};
    ::nanosleep(&pause, nullptr);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
}

// The temporary files of @p name left in @p folder.
size_t Temporaries(const files_test::TempFolder& folder, const fs::path& within,
                   const std::string& name) {
    size_t count = 0;
    for (const std::string& file : folder.Names(within))
        if (file.starts_with("." + name + ".")) ++count;
    return count;
}

class CrashSafety : public ::testing::Test {
protected:
    ~CrashSafety() override { registry::SetStorePath(registry::DefaultStorePath()); }
    TempAppFolder folder;
    uint64_t random_ = 20260307;
};

TEST_F(CrashSafety, AKilledSettingsWriterLeavesTheOldFileOrTheNew) {
    const std::string path = (folder / "registry.txt").string();
    registry::SetStorePath(path);
    const auto store = [&](const char* text) {
        const std::string bytes = text;
        registry::SetValue(kKey, "Player1", registry::Value{1, Bytes(bytes.begin(), bytes.end())});
        return folder.Read("registry.txt");
    };
    ASSERT_TRUE(registry::CreateKey(kKey));
    const Bytes second = store("Bob");
    const Bytes first = store("Ann");
    int flip = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        KillWriter([&] { store(++flip % 2 ? "Bob" : "Ann"); }, random_);
        const Bytes found = folder.Read("registry.txt");
        ASSERT_TRUE(found == first || found == second) << "after kill " << kill;
    }
    store("Ann");
    EXPECT_EQ(Temporaries(folder, {}, "registry.txt"), 0u);
}

TEST_F(CrashSafety, AKilledTableWriterLeavesTheOldTableOrTheNew) {
    // Each write enters one more score; every table the writer can leave is one of these.
    std::set<Bytes> tables;
    std::vector<Module1::ScoreRecord> table;
    const auto entry = [](int32_t n) {
        Module1::ScoreRecord r;
        r.Name = topscores::Field("P" + std::to_string(n));
        r.Score = n * 37 % 101;
        r.Date = topscores::Field(kToday);
        return r;
    };
    constexpr int32_t kMostWrites = 5000;  // far more than one life of the writer holds
    tables.insert(topscores::FileBytes(table));
    for (int32_t n = 0; n < kMostWrites; ++n) {
        topscores::Insert(table, entry(n));
        tables.insert(topscores::FileBytes(table));
    }
    for (int kill = 0; kill < kKills; ++kill) {
        folder.Write("scores/scores1.dat", topscores::FileBytes({}));
        int32_t n = 0;
        KillWriter([&] { topscores::EnterScore(topscores::FilePath(1), entry(n++)); }, random_);
        const Bytes found = folder.Read("scores/scores1.dat");
        ASSERT_TRUE(tables.count(found))
            << "after kill " << kill << ": " << found.size() << " bytes";
    }
    topscores::EnterScore(topscores::FilePath(1), entry(0));
    EXPECT_EQ(Temporaries(folder, "scores", "scores1.dat"), 0u);
}

}  // namespace
