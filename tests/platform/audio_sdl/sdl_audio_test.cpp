#include "platform/audio_sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <lame.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio_sdl/sdl_device.h"
#include "platform/audio_sdl/sound_library.h"
#include "platform/files/temp_folder.h"
#include "platform/headless/headless_host.h"
#include "platform/media/mci.h"
#include "platform/media/playsound.h"
#include "platform/media/sound_files.h"

namespace {

constexpr int kRate = 44100;
constexpr int kSongSeconds = 3;

// A tone of kSongSeconds encoded as mono MP3 at 64 kbit/s, without a tag frame. @p frames
// receives the number of frames written.
std::vector<uint8_t> EncodeSong(int& frames) {
    std::vector<int16_t> pcm(kRate * kSongSeconds);
    for (size_t i = 0; i < pcm.size(); ++i) {
        pcm[i] = static_cast<int16_t>(6000 * std::sin(static_cast<double>(i) * 0.0627));
    }
    lame_t lame = lame_init();
    lame_set_in_samplerate(lame, kRate);
    lame_set_num_channels(lame, 1);
    lame_set_mode(lame, MONO);
    lame_set_brate(lame, 64);
    lame_set_bWriteVbrTag(lame, 0);
    lame_init_params(lame);
    std::vector<uint8_t> mp3(pcm.size() * 5 / 4 + 7200);
    const int body = lame_encode_buffer(lame, pcm.data(), pcm.data(), static_cast<int>(pcm.size()),
                                        mp3.data(), static_cast<int>(mp3.size()));
    const int tail =
        lame_encode_flush(lame, mp3.data() + body, static_cast<int>(mp3.size()) - body);
    frames = lame_get_frameNum(lame);
    lame_close(lame);
    mp3.resize(static_cast<size_t>(body + tail));
    return mp3;
}

class SdlAudio : public ::testing::Test {
protected:
    void SetUp() override {
        int frames = 0;
        song_ = folder_.Write("Program Files/BGMusic/SONG01.mp3", EncodeSong(frames)).string();
        songMs_ = std::to_string(frames * 1152 * 1000 / kRate);
        effect_ = folder_
                      .Write("TLWAVS/rollAll.WAV",
                             media_test::MakeWave({22050, 1, 16}, 22050 * kSongSeconds))
                      .string();
        backend_ = media::CreateSdlAudioBackend();
        media::SetAudioBackend(backend_.get());
    }
    void TearDown() override { media::SetAudioBackend(nullptr); }

    // Sends @p command and returns its reply, or "error N".
    static std::string Mci(const std::string& command) {
        char reply[64] = {};
        const uint32_t error = win::mciSendStringA(command.c_str(), reply, sizeof reply, 0);
        return error ? "error " + std::to_string(error) : std::string(reply);
    }
    // The channel a song chunk plays on; -1 when none does.
    static int SongChannel() {
        for (int channel = 1; channel < MIX_CHANNELS; ++channel) {
            if (Mix_Playing(channel)) return channel;
        }
        return -1;
    }

    headless::HeadlessHost host_;
    files_test::TempFolder folder_;
    std::string song_;
    std::string songMs_;
    std::string effect_;
    std::unique_ptr<media::AudioBackend> backend_;
};

// A device being closed beside the program counts as closed once that has ended.
bool DeviceOpen() {
    media::AwaitSdlAudioClosed();
    return Mix_QuerySpec(nullptr, nullptr, nullptr) == 1;
}

// The device opens with the first sound and closes two seconds after the last one ended, SDL's
// audio with it: an idle program keeps no audio thread. A song paused meanwhile goes on from
// where it stood.
TEST_F(SdlAudio, TheDeviceWorksOnlyWhileSomethingSounds) {
    EXPECT_FALSE(DeviceOpen());
    EXPECT_EQ(win::PlaySoundA(effect_.c_str(), 0, win::SND_FILENAME | win::SND_ASYNC), 1);
    EXPECT_TRUE(DeviceOpen());
    host_.advance(kSongSeconds * 1000 + 1999);
    EXPECT_TRUE(DeviceOpen());
    host_.advance(1);
    EXPECT_FALSE(DeviceOpen());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);

    EXPECT_EQ(Mci("open \"" + song_ + "\" type MPEGVideo alias myMP3"), "1");
    EXPECT_EQ(Mci("play myMP3"), "");
    host_.advance(1000);
    EXPECT_EQ(Mci("pause myMP3"), "");
    host_.advance(2000);
    EXPECT_FALSE(DeviceOpen());
    EXPECT_EQ(Mci("resume myMP3"), "");
    EXPECT_TRUE(DeviceOpen());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mci("status myMP3 position"), "1000");
    host_.advance(std::stoi(songMs_) - 1000 + 2000);
    EXPECT_EQ(Mci("status myMP3 mode"), "stopped");
    EXPECT_FALSE(DeviceOpen());
    // A song closed early does not hold the device open until its end would have come.
    EXPECT_EQ(Mci("play myMP3 from 0"), "");
    host_.advance(500);
    EXPECT_EQ(Mci("close myMP3"), "");
    host_.advance(2000);
    EXPECT_FALSE(DeviceOpen());
}

// A sound that comes while the device is still closing opens it again once it has closed.
TEST_F(SdlAudio, ASoundWhileTheDeviceClosesOpensItAfresh) {
    EXPECT_EQ(win::PlaySoundA(effect_.c_str(), 0, win::SND_FILENAME | win::SND_ASYNC), 1);
    host_.advance(kSongSeconds * 1000 + 2000);
    EXPECT_EQ(win::PlaySoundA(effect_.c_str(), 0, win::SND_FILENAME | win::SND_ASYNC), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(DeviceOpen());
}

// SDL and its libraries stay out of the program until it first asks for a sound.
TEST_F(SdlAudio, TheSoundLibraryLoadsWithTheFirstSound) {
    const auto loaded = [] {
        void* library = dlopen(SOUND_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
        if (library) dlclose(library);
        return library != nullptr;
    };
    const auto backend = media::CreateSoundLibraryBackend(SOUND_LIBRARY);
    media::SetAudioBackend(backend.get());
    EXPECT_FALSE(loaded());
    EXPECT_EQ(win::PlaySoundA(effect_.c_str(), 0, win::SND_FILENAME | win::SND_ASYNC), 1);
    EXPECT_TRUE(loaded());
    EXPECT_EQ(Mix_Playing(-1), 1);
    media::SetAudioBackend(backend_.get());
}

TEST_F(SdlAudio, EffectsPlayOneAtATime) {
    EXPECT_EQ(win::PlaySoundA(effect_.c_str(), 0, win::SND_FILENAME | win::SND_ASYNC), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(win::PlaySoundA(effect_.c_str(), 0, win::SND_FILENAME | win::SND_ASYNC), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(win::PlaySoundA(effect_.c_str(), 0, win::SND_FILENAME), 1);
    EXPECT_EQ(host_.nowMs(), kSongSeconds * 1000);
    EXPECT_EQ(win::PlaySoundA((effect_ + ".missing").c_str(), 0, win::SND_FILENAME), 0);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SdlAudio, TheBackgroundSongStreamsAsMusic) {
    EXPECT_EQ(Mci("open \"" + song_ + "\" type MPEGVideo alias myMP3"), "1");
    EXPECT_EQ(Mci("status myMP3 length"), songMs_);
    EXPECT_EQ(Mci("play myMP3 from 0"), "");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mci("setaudio myMP3 Volume to 500"), "");
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 2);
    host_.advance(700);
    EXPECT_EQ(Mci("pause myMP3"), "");
    EXPECT_EQ(Mix_PausedMusic(), 1);
    EXPECT_EQ(Mci("status myMP3 position"), "700");
    EXPECT_EQ(Mci("resume myMP3"), "");
    EXPECT_EQ(Mix_PausedMusic(), 0);
    EXPECT_EQ(Mci("status myMP3 mode"), "playing");
    EXPECT_EQ(Mci("pause myMP3"), "");
    EXPECT_EQ(Mci("play myMP3 from 1500"), "");  // a pause sought elsewhere plays from there
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_PausedMusic(), 0);
    EXPECT_EQ(Mci("stop myMP3"), "");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(Mci("play myMP3"), "");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mci("close myMP3"), "");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(SdlAudio, TheJinglePlaysAsAChunkBesideTheSong) {
    EXPECT_EQ(Mci("open \"" + song_ + "\" type MPEGVideo alias myMP3"), "1");
    EXPECT_EQ(Mci("play myMP3"), "");
    EXPECT_EQ(Mci("open \"" + song_ + "\" alias song"), "2");
    EXPECT_EQ(Mci("status song length"), songMs_);
    EXPECT_EQ(Mci("play song"), "");
    const int channel = SongChannel();
    ASSERT_GT(channel, 0);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mci("setaudio song volume to 250"), "");
    EXPECT_EQ(Mix_Volume(channel, -1), MIX_MAX_VOLUME / 4);
    host_.advance(400);
    EXPECT_EQ(Mci("status song position"), "400");
    EXPECT_EQ(Mci("pause song"), "");
    EXPECT_EQ(Mix_Paused(channel), 1);
    EXPECT_EQ(Mci("resume song"), "");
    EXPECT_EQ(Mix_Paused(channel), 0);
    EXPECT_EQ(Mci("seek song to 2500"), "");
    EXPECT_EQ(Mix_Playing(channel), 0);
    EXPECT_EQ(Mci("play song"), "");
    EXPECT_EQ(Mix_Playing(channel), 1);
    EXPECT_EQ(Mci("close song"), "");
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mci("close myMP3"), "");
}

// Without its library the program plays silently, and says so once.
TEST_F(SdlAudio, WithoutTheSoundLibraryItSaysSoOnceAndPlaysSilently) {
    const auto backend = media::CreateSoundLibraryBackend(folder_ / "missing.so");
    media::SetAudioBackend(backend.get());
    testing::internal::CaptureStderr();
    EXPECT_EQ(win::PlaySoundA(effect_.c_str(), 0, win::SND_FILENAME | win::SND_ASYNC), 1);
    EXPECT_EQ(win::PlaySoundA(effect_.c_str(), 0, win::SND_FILENAME | win::SND_ASYNC), 1);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.rfind("Tolvarin: no sound device (", 0), 0u) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(Mix_Playing(-1), 0);
    media::SetAudioBackend(backend_.get());
}

// Sets an environment variable for the life of the object, then puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        const char* was = getenv(name);
        if (was) saved_ = was;
        had_ = was != nullptr;
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (had_) {
            setenv(name_, saved_.c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::string saved_;
    bool had_ = false;
};

// Without a device the player reads one line, whatever the libraries under SDL would say
// (ALSA asked for a device it does not know prints its own complaint).
TEST(SdlAudioWithoutDevice, SaysSoOnceAndKeepsTimeSilently) {
    struct Case {
        const char* driver;
        const char* device;
    };
    const Case cases[] = {{"no-such-driver", nullptr}, {"alsa", "tolvarin-no-such-device"}};
    headless::HeadlessHost host;
    files_test::TempFolder folder;
    int frames = 0;
    const std::string song = folder.Write("song.mp3", EncodeSong(frames)).string();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.driver);
        const std::unique_ptr<media::AudioBackend> backend = media::CreateSdlAudioBackend();
        media::SetAudioBackend(backend.get());
        testing::internal::CaptureStderr();
        {
            const ScopedEnv driver("SDL_AUDIODRIVER", c.driver);
            const ScopedEnv device("AUDIODEV", c.device);
            EXPECT_EQ(win::mciSendStringA(("open " + song + " alias song").c_str(), nullptr, 0, 0),
                      0u);
        }
        EXPECT_EQ(win::mciSendStringA("play song", nullptr, 0, 0), 0u);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said.rfind("Tolvarin: no sound device (", 0), 0u) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;

        char reply[16] = {};
        host.advance(250);
        EXPECT_EQ(win::mciSendStringA("status song position", reply, sizeof reply, 0), 0u);
        EXPECT_STREQ(reply, "250");
        media::SetAudioBackend(nullptr);
    }
}

}  // namespace
