#include "shell/BGmusic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files/temp_folder.h"
#include "platform/headless/headless_host.h"
#include "platform/media/audio_backend.h"
#include "platform/media/mci.h"
#include "shell/Module1.h"

namespace {

using namespace BGmusic;

// A sound device that writes down what it is asked to do and gives set answers.
class RecordingBackend : public media::AudioBackend {
public:
    std::optional<uint32_t> playEffect(const std::string& file) override {
        calls.push_back("effect " + file);
        return 0;
    }
    bool openSong(const std::string& alias, const std::string& file) override {
        calls.push_back("open " + alias + " " + file);
        return true;
    }
    void closeSong(const std::string& alias) override { calls.push_back("close " + alias); }
    void playSong(const std::string& alias) override { calls.push_back("play " + alias); }
    void pauseSong(const std::string& alias) override { calls.push_back("pause " + alias); }
    void stopSong(const std::string& alias) override { calls.push_back("stop " + alias); }
    void seekSong(const std::string& alias, uint32_t ms) override {
        calls.push_back("seek " + alias + " " + std::to_string(ms));
    }
    void setSongVolume(const std::string& alias, uint32_t volume) override {
        calls.push_back("volume " + alias + " " + std::to_string(volume));
    }
    uint32_t songPosition(const std::string&) override { return position; }
    uint32_t songLength(const std::string&) override { return 3000; }
    media::SongMode songMode(const std::string&) override { return mode; }
    uint32_t songVolume(const std::string&) override { return 1000; }

    std::vector<std::string> calls;
    uint32_t position = 0;
    media::SongMode mode = media::SongMode::Stopped;
};

class BGmusicTest : public ::testing::Test {
protected:
    void SetUp() override {
        song_ = folder_.Write("Program Files/BGMusic/SONG01.mp3", "frames").string();
        Module1::ResetModule1();
        media::SetAudioBackend(&backend_);
        media::TakeMciCommands();
    }
    void TearDown() override {
        media::SetAudioBackend(nullptr);
        Module1::ResetModule1();
    }
    std::vector<std::string> Sent() { return media::TakeMciCommands(); }
    std::vector<std::string> Done() {
        std::vector<std::string> calls;
        calls.swap(backend_.calls);
        return calls;
    }

    headless::HeadlessHost host_;
    RecordingBackend backend_;
    files_test::TempFolder folder_;
    std::string song_;
};

using Lines = std::vector<std::string>;

TEST_F(BGmusicTest, ASongInAFolderWithABlankOpens) {
    OpenMP3(song_);
    EXPECT_EQ(Sent(), (Lines{"open \"" + song_ + "\" type MPEGVideo alias myMP3"}));
    EXPECT_EQ(Done(), (Lines{"open myMP3 " + song_}));
}

TEST_F(BGmusicTest, AMissingSongIsSentAsWrittenAndOpensNothing) {
    const std::string missing = folder_.Path().string() + "\\BGMusic\\SONG02.mp3";
    OpenMP3(missing);
    EXPECT_EQ(Sent(), (Lines{"open \"" + missing + "\" type MPEGVideo alias myMP3"}));
    EXPECT_EQ(Done(), Lines{});
    CloseMP3();
    EXPECT_EQ(Sent(), (Lines{"close myMP3"}));
    EXPECT_EQ(Done(), Lines{});
}

// A path too long for the short-path buffer is sent as it stands, not as the buffer's blanks.
TEST_F(BGmusicTest, ASongWithAVeryLongPathOpensToo) {
    const std::string folder = std::string(120, 'a') + "/" + std::string(120, 'b');
    const std::string song = folder_.Write(folder + "/SONG01.mp3", "frames").string();
    ASSERT_GE(song.size(), 255u);
    OpenMP3(song);
    EXPECT_EQ(Sent(), (Lines{"open \"" + song + "\" type MPEGVideo alias myMP3"}));
    EXPECT_EQ(Done(), (Lines{"open myMP3 " + song}));
}

// The intro and the jingles: the path trimmed and quoted, no device type, no volume after.
TEST_F(BGmusicTest, AJingleOpensUnderSongAndPlays) {
    OpenAndPlaySong("  " + song_ + " ");
    EXPECT_EQ(Sent(), (Lines{"open \"" + song_ + "\" alias song", "play song"}));
    EXPECT_EQ(Done(), (Lines{"open song " + song_, "play song"}));
}

TEST_F(BGmusicTest, EveryCommandIsFollowedByTheVolume) {
    OpenMP3(song_);
    Sent();
    Done();
    Module1::MusicVolume = 730;
    EXPECT_EQ(SendMP3Command("status myMP3 length"), 3000);
    EXPECT_EQ(SendMP3Command("play myMP3 from 0"), 0);
    backend_.position = 1250;
    Module1::MusicVolume = 0;  // the slider moves: nothing is sent until the next command
    EXPECT_EQ(Sent(), (Lines{"status myMP3 length", "setaudio myMP3 Volume to 730",
                             "play myMP3 from 0", "setaudio myMP3 Volume to 730"}));
    EXPECT_EQ(SendMP3Command("status myMP3 position"), 1250);
    EXPECT_EQ(Sent(), (Lines{"status myMP3 position", "setaudio myMP3 Volume to 0"}));
    EXPECT_EQ(Done(), (Lines{"volume myMP3 730", "seek myMP3 0", "play myMP3", "volume myMP3 730",
                             "volume myMP3 0"}));
}

TEST_F(BGmusicTest, RepliesWithoutANumberReadAsZero) {
    EXPECT_EQ(SendMP3Command("status myMP3 position"), 0);  // nothing open
    OpenMP3(song_);
    backend_.mode = media::SongMode::Playing;
    EXPECT_EQ(SendMP3Command("status myMP3 mode"), 0);
    EXPECT_EQ(SendMP3Command("status myMP3 tempo"), 0);
}

TEST_F(BGmusicTest, PauseResumeAndCloseSendOneCommandEach) {
    OpenMP3(song_);
    SendMP3Command("play myMP3 from 0");
    Sent();
    Done();
    backend_.mode = media::SongMode::Playing;
    PauseMP3();
    backend_.mode = media::SongMode::Paused;
    ResumeMP3();
    CloseMP3();
    CloseMP3();
    EXPECT_EQ(Sent(), (Lines{"pause myMP3", "resume myMP3", "close myMP3", "close myMP3"}));
    EXPECT_EQ(Done(), (Lines{"pause myMP3", "play myMP3", "close myMP3"}));
}

}  // namespace
