#include "platform/media/playsound.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingPlayer : public media::WavePlayer {
public:
    bool play(const std::string& path, bool wait) override {
        played.push_back(path + (wait ? " sync" : " async"));
        return path.find("missing") == std::string::npos;
    }
    std::vector<std::string> played;
};

TEST(PlaySoundA, RecordsEveryRequestAndHandsItToThePlayer) {
    media::TakeSoundRequests();
    EXPECT_EQ(win::PlaySoundA("a.WAV", 0, win::SND_FILENAME | win::SND_ASYNC), 0);  // no player

    RecordingPlayer player;
    media::SetWavePlayer(&player);
    EXPECT_EQ(win::PlaySoundA("b.WAV", 0, win::SND_FILENAME), 1);
    EXPECT_EQ(win::PlaySoundA("missing.WAV", 0, win::SND_FILENAME | win::SND_ASYNC), 0);
    EXPECT_EQ(win::PlaySoundA(nullptr, 0, win::SND_FILENAME), 0);
    media::SetWavePlayer(nullptr);

    const auto requests = media::TakeSoundRequests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].path, "a.WAV");
    EXPECT_EQ(requests[1].flags, win::SND_FILENAME);
    EXPECT_EQ(player.played, (std::vector<std::string>{"b.WAV sync", "missing.WAV async"}));
    EXPECT_TRUE(media::TakeSoundRequests().empty());
}

}  // namespace
