#include "platform/media/mci.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/files/temp_folder.h"
#include "platform/headless/headless_host.h"
#include "platform/media/audio_backend.h"
#include "platform/media/silent_backend.h"
#include "platform/media/sound_files.h"

namespace {

using namespace media_test;

// One command of a script: the clock moves on by advanceMs, then the command is sent with
// a return buffer of bufferLength characters (0: no buffer at all).
struct Step {
    int64_t advanceMs;
    std::string command;  // "{dir}" stands for the test's folder
    uint32_t bufferLength;
    uint32_t want;
    std::string reply;
};

constexpr char kSentinel = '\xBD';

class Mci : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.Write("BG Music/SONG01.mp3", MakeMp3(kMpeg1L3At48k, 125));  // 3000 ms
        folder_.Write("TLWAVS/GameOver1.mp3", MakeMp3(kMpeg1L3At48k, 50));  // 1200 ms
        folder_.Write("jingle.wav", MakeWave({22050, 1, 16}, 11025));       // 500 ms
        folder_.Write("song.txt", MakeMp3(kMpeg1L3At48k, 10));
        folder_.Write("bad.mp3", "not a song");
        media::SetAudioBackend(&backend_);
        media::TakeMciCommands();
    }
    void TearDown() override { media::SetAudioBackend(nullptr); }

    std::string WithFolder(std::string text) const {
        const std::string dir = folder_.Path().string();
        for (size_t at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}")) {
            text.replace(at, 5, dir);
        }
        return text;
    }

    void Run(const std::vector<Step>& script) {
        for (const Step& s : script) {
            const std::string command = WithFolder(s.command);
            SCOPED_TRACE(command + " (buffer " + std::to_string(s.bufferLength) + ")");
            host_.advance(s.advanceMs);
            std::array<char, 40> buffer;
            buffer.fill(kSentinel);
            const uint32_t got = win::mciSendStringA(
                command.c_str(), s.bufferLength ? buffer.data() : nullptr, s.bufferLength, 0);
            EXPECT_EQ(got, s.want);
            std::array<char, 40> expected;
            expected.fill(kSentinel);
            if (s.bufferLength) {
                std::copy(s.reply.begin(), s.reply.end(), expected.begin());
                expected[s.reply.size()] = '\0';
            }
            EXPECT_EQ(std::string(buffer.begin(), buffer.end()),
                      std::string(expected.begin(), expected.end()));
        }
    }

    headless::HeadlessHost host_;
    media::SilentBackend backend_;
    files_test::TempFolder folder_;
};

TEST_F(Mci, ASongPlaysPausesResumesAndEnds) {
    Run({
        {0, "open \"{dir}/BG Music/SONG01.mp3\" type MPEGVideo alias myMP3", 16, 0, "1"},
        {0, "status myMP3 length", 16, 0, "3000"},
        {0, "status myMP3 position", 16, 0, "0"},
        {0, "status myMP3 mode", 16, 0, "stopped"},
        {0, "status myMP3 volume", 16, 0, "1000"},
        {0, "play myMP3 from 0", 16, 0, ""},
        {250, "status myMP3 position", 16, 0, "250"},
        {0, "status myMP3 mode", 16, 0, "playing"},
        {0, "pause myMP3", 0, 0, ""},
        {500, "status myMP3 position", 16, 0, "250"},
        {0, "status myMP3 mode", 16, 0, "paused"},
        {0, "pause myMP3", 0, 0, ""},
        {0, "resume myMP3", 0, 0, ""},
        {100, "status myMP3 position", 16, 0, "350"},
        {0, "setaudio myMP3 Volume to 250", 0, 0, ""},
        {0, "status myMP3 volume", 16, 0, "250"},
        {2649, "status myMP3 mode", 16, 0, "playing"},
        {1, "status myMP3 position", 16, 0, "3000"},
        {0, "status myMP3 mode", 16, 0, "stopped"},
        {0, "resume myMP3", 0, 0, ""},  // not paused: nothing happens
        {0, "play myMP3", 0, 0, ""},    // at its end: stays stopped
        {10, "status myMP3 mode", 16, 0, "stopped"},
        {0, "play myMP3 from 1000", 0, 0, ""},
        {40, "stop myMP3", 0, 0, ""},
        {100, "status myMP3 position", 16, 0, "1040"},
        {0, "seek myMP3 to end", 0, 0, ""},
        {0, "status myMP3 position", 16, 0, "3000"},
        {0, "seek myMP3 to 400", 0, 0, ""},
        {0, "status myMP3 position", 16, 0, "400"},
        {0, "play myMP3", 0, 0, ""},
        {0, "seek myMP3 to start", 0, 0, ""},  // a seek stops the song
        {30, "status myMP3 position", 16, 0, "0"},
        {0, "status myMP3 mode", 16, 0, "stopped"},
        {0, "close myMP3", 16, 0, ""},
        {0, "status myMP3 mode", 16, 263, ""},
        {0, "close myMP3", 0, 263, ""},
    });
}

TEST_F(Mci, TheJingleAliasPlaysBesideTheSong) {
    Run({
        {0, "close song", 0, 263, ""},
        {0, "open \"{dir}\\bg music\\song01.MP3\" type MPEGVideo alias myMP3", 0, 0, ""},
        {0, "play myMP3", 0, 0, ""},
        {0, "open \"{dir}\\TLWAVS\\GameOver1.mp3\" alias song", 16, 0, "2"},
        {0, "play song", 0, 0, ""},
        {1000, "status song position", 16, 0, "1000"},
        {0, "status myMP3 position", 16, 0, "1000"},
        {0, "close Intro", 0, 263, ""},
        {200, "status song mode", 16, 0, "stopped"},
        {0, "status myMP3 mode", 16, 0, "playing"},
        {0, "open \"{dir}\\TLWAVS\\GameOver1.mp3\" alias song", 0, 289, ""},
        {0, "close song", 0, 0, ""},
        {0, "open \"{dir}/jingle.wav\" alias song", 16, 0, "2"},
        {0, "status song length", 16, 0, "500"},
        {0, "close myMP3", 0, 0, ""},
        {0, "open \"{dir}/BG Music/SONG01.mp3\" type mpegvideo alias myMP3", 16, 0, "1"},
    });
}

TEST_F(Mci, FailingCommandsReplyNothingAndOpenNothing) {
    Run({
        {0, "", 16, 267, ""},
        {0, "   ", 16, 267, ""},
        {0, "jump myMP3", 16, 261, ""},
        {0, "play", 16, 292, ""},
        {0, "open", 16, 292, ""},
        {0, "status myMP3 position", 16, 263, ""},
        // A path with a blank, not quoted: the second half reads as a keyword.
        {0, "open {dir}/BG Music/SONG01.mp3 type MPEGVideo alias myMP3", 16, 259, ""},
        {0, "open \"{dir}/BG Music/SONG01.mp3 alias myMP3", 16, 294, ""},
        {0, "open \"{dir}/BG Music/SONG03.mp3\" alias myMP3", 16, 275, ""},
        {0, "open \"{dir}/song.txt\" alias myMP3", 16, 281, ""},
        {0, "open \"{dir}/bad.mp3\" alias myMP3", 16, 296, ""},
        {0, "open \"{dir}/song.txt\" type cdaudio alias myMP3", 16, 263, ""},
        {0, "open \"{dir}/song.txt\" type waveaudio alias", 16, 269, ""},
        {0, "open \"{dir}/song.txt\" shareable alias myMP3", 16, 259, ""},
        {0, "open \"{dir}/song.txt\" type MPEGVideo alias myMP3", 16, 0, "1"},
        {0, "open \"{dir}/jingle.wav\" alias MYMP3", 16, 289, ""},
        {0, "status myMP3", 16, 273, ""},
        {0, "status myMP3 tempo", 16, 259, ""},
        {0, "status myMP3 mode now", 16, 259, ""},
        {0, "setaudio myMP3 volume to 1001", 16, 282, ""},
        {0, "setaudio myMP3 volume to loud", 16, 270, ""},
        {0, "setaudio myMP3 volume to", 16, 273, ""},
        {0, "setaudio myMP3 volume 500", 16, 259, ""},
        {0, "setaudio myMP3 treble to 5", 16, 259, ""},
        {0, "play myMP3 from 241", 16, 282, ""},
        {0, "play myMP3 from -1", 16, 270, ""},
        {0, "play myMP3 to 5", 16, 259, ""},
        {0, "seek myMP3", 16, 273, ""},
        {0, "seek myMP3 to 9999", 16, 282, ""},
        {0, "pause myMP3 now", 16, 259, ""},
        {0, "close myMP3 now", 16, 259, ""},
        {0, "STATUS MYMP3 MODE", 16, 0, "stopped"},
        {0, "STATUS MYMP3 VOLUME", 16, 0, "1000"},
    });
}

TEST_F(Mci, AFileOpenedWithoutAliasIsNamedByItsPath) {
    Run({
        {0, "open {dir}/jingle.wav", 16, 0, "1"},
        {0, "status {dir}/jingle.wav length", 16, 0, "500"},
        {0, "open {dir}/jingle.wav", 16, 265, ""},
        {0, "open {dir}/jingle.wav alias second", 16, 0, "2"},
        {0, "close {dir}/jingle.wav", 16, 0, ""},
        {0, "open {dir}/jingle.wav alias third", 16, 0, "1"},  // the lowest free ID
    });
}

TEST_F(Mci, RepliesAreCutToTheBuffer) {
    Run({
        {0, "open \"{dir}/BG Music/SONG01.mp3\" alias myMP3", 1, 268, ""},
        {0, "status myMP3 length", 5, 0, "3000"},
        {0, "status myMP3 length", 4, 268, "300"},
        {0, "status myMP3 length", 0, 0, ""},
        {0, "status myMP3 mode", 8, 0, "stopped"},
        {0, "status myMP3 mode", 7, 268, "stoppe"},
        {0, "status song mode", 8, 263, ""},
        {0, "play myMP3", 8, 0, ""},
    });
}

TEST_F(Mci, ANewBackendStartsWithNothingOpen) {
    Run({{0, "open \"{dir}/BG Music/SONG01.mp3\" alias myMP3", 0, 0, ""}});
    media::SilentBackend other;
    media::SetAudioBackend(&other);
    Run({{0, "status myMP3 mode", 16, 263, ""},
         {0, "open \"{dir}/BG Music/SONG01.mp3\" alias myMP3", 16, 0, "1"}});
    media::SetAudioBackend(&backend_);
    Run({{0, "status myMP3 mode", 16, 263, ""}});
}

TEST_F(Mci, EveryCommandIsRecordedAsSent) {
    win::mciSendStringA("close song", nullptr, 0, 0);
    win::mciSendStringA(nullptr, nullptr, 0, 0);
    win::mciSendStringA("status myMP3 position", nullptr, 0, 0);
    EXPECT_EQ(media::TakeMciCommands(),
              (std::vector<std::string>{"close song", "", "status myMP3 position"}));
    EXPECT_TRUE(media::TakeMciCommands().empty());
}

}  // namespace
