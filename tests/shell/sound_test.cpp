#include "shell/sound.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/files/temp_folder.h"
#include "platform/headless/headless_host.h"
#include "platform/media/audio_backend.h"
#include "platform/media/playsound.h"
#include "platform/media/silent_backend.h"
#include "platform/media/sound_files.h"
#include "platform/runtime/app.h"

namespace {

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedPath_ = vb::App().Path;
        vb::App().Path = folder_.Path().string();
        score_ = folder_.Write("TLWAVS/score.WAV", media_test::MakeWave({22050, 1, 16}, 6615))
                     .string();  // 300 ms
        media::SetAudioBackend(&backend_);
        media::TakeSoundRequests();
    }
    void TearDown() override {
        media::SetAudioBackend(nullptr);
        vb::App().Path = savedPath_;
    }

    headless::HeadlessHost host_;
    media::SilentBackend backend_;
    files_test::TempFolder folder_;
    std::string savedPath_;
    std::string score_;
};

TEST_F(SoundTest, AnEffectIsTheNamedWaveOfTheSoundFolder) {
    EXPECT_EQ(Module1::WavePath("score"), folder_.Path().string() + "\\TLWAVS\\score.WAV");
    Module1::PlayWave("score");
    const auto requests = media::TakeSoundRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].path, Module1::WavePath("score"));
    EXPECT_EQ(requests[0].flags, 0x20001u);
}

TEST_F(SoundTest, PlayWaveReturnsAtOnceAndPlayWaveSyncWhenTheEffectHasPlayed) {
    Module1::PlayWave("score");
    EXPECT_EQ(host_.nowMs(), 0);
    EXPECT_EQ(backend_.playingEffect(), score_);
    Module1::PlayWaveSync("score");
    EXPECT_EQ(host_.nowMs(), 300);
    EXPECT_EQ(backend_.playingEffect(), "");
    EXPECT_EQ(media::TakeSoundRequests().back().flags, 0x20000u);
}

TEST_F(SoundTest, AMissingEffectIsSilentAndTakesNoTime) {
    Module1::PlayWaveSync("rollAll");
    Module1::PlayWave("rollAll");
    EXPECT_EQ(host_.nowMs(), 0);
    EXPECT_EQ(media::TakeSoundRequests().size(), 2u);
}

}  // namespace
