// The background music on the virtual clock and the silent sound device: the playlist of
// two songs while music is on, the intro after a game over, and the music switch turned off.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/frmScores2.h"
#include "game/temp_app_folder.h"
#include "game/turn_fixture.h"
#include "platform/media/mci.h"
#include "platform/media/sound_files.h"
#include "platform/runtime/app.h"
#include "shell/BGmusic.h"

namespace {

using Lines = std::vector<std::string>;

// Songs of 50 and 25 frames of 24 ms.
constexpr int kSong1Frames = 50;  // 1200 ms
constexpr int kSong2Frames = 25;  // 600 ms

class MusicTest : public TurnTest {
protected:
    MusicTest() {
        savedProgramFolder_ = vb::App().Path;
        program_ = Module1::AppFolder.substr(0, Module1::AppFolder.size() - 1);
        vb::App().Path = program_;
        folder_.Write("BGMusic/SONG01.mp3", Song(kSong1Frames));
        folder_.Write("BGMusic/SONG02.mp3", Song(kSong2Frames));
        folder_.Write("BGMusic/Intro.mp3", Song(10));
        media::TakeMciCommands();
    }
    ~MusicTest() override {
        media::CloseAllDevices();
        media::TakeMciCommands();
        vb::App().Path = savedProgramFolder_;
    }

    static std::vector<uint8_t> Song(int frames) {
        return media_test::MakeMp3(media_test::kMpeg1L3At48k, frames);
    }

    // The commands sent since the last call, the program folder written as "<program>" and
    // the volume that follows every song command left out.
    Lines Sent() {
        Lines sent;
        for (std::string command : media::TakeMciCommands()) {
            if (command.rfind("setaudio myMP3 Volume to ", 0) == 0) continue;
            for (size_t at; (at = command.find(program_)) != std::string::npos;)
                command.replace(at, program_.size(), "<program>");
            sent.push_back(command);
        }
        return sent;
    }

    // Advances @p ms in ticks of the playlist; each song opened, as "1500 SONG02".
    Lines SongsOpened(int ms) {
        const std::string open = "open \"<program>\\BGMusic\\";
        Lines opened;
        for (int elapsed = 500; elapsed <= ms; elapsed += 500) {
            host.advance(500);
            for (const std::string& command : Sent())
                if (command.rfind(open, 0) == 0)
                    opened.push_back(std::to_string(elapsed) + " " +
                                     command.substr(open.size(), 6));
        }
        return opened;
    }

    // What the sound device says of @p alias.
    static std::string Status(const std::string& alias, const std::string& item) {
        char reply[64] = {};
        win::mciSendStringA(("status " + alias + " " + item).c_str(), reply, sizeof reply, 0);
        media::TakeMciCommands();
        return reply;
    }

    // Ends the game as the last placement does, the top-scores window closed at once.
    void GameOver() {
        host.onModal("frmScores2", [](vb::Form& window) { window.Unload(); });
        form.roundIndex = 52;
        form.grandTotal = 150;
        form.EndGame();
        Sent();
    }

    endgame_test::TempAppFolder folder_;
    std::string program_;
    std::string savedProgramFolder_;
};

TEST_F(MusicTest, TheFirstTickAfterMusicOnStartsTheFirstSong) {
    host.clickMenu(form.mnuMusicOn2);
    EXPECT_EQ(Sent(), Lines{});
    host.advance(499);
    EXPECT_EQ(Sent(), Lines{});
    host.advance(1);
    EXPECT_EQ(media::TakeMciCommands(),
              (Lines{"status myMP3 position", "setaudio myMP3 Volume to 500", "status myMP3 length",
                     "setaudio myMP3 Volume to 500", "close myMP3",
                     "open \"" + program_ + "\\BGMusic\\SONG01.mp3\" type MPEGVideo alias myMP3",
                     "play myMP3 from 0", "setaudio myMP3 Volume to 500"}));
    EXPECT_EQ(Status("myMP3", "mode"), "playing");
}

// Each song is followed by the other at the first tick after it has played to its end.
TEST_F(MusicTest, TheTwoSongsTakeTurns) {
    host.clickMenu(form.mnuMusicOn2);
    EXPECT_EQ(SongsOpened(4000), (Lines{"500 SONG01", "2000 SONG02", "3000 SONG01"}));
    EXPECT_EQ(BGmusic::CurrentMusicFile, program_ + "\\BGMusic\\SONG01.mp3");
}

// A song that cannot be opened reads as ended: the next tick goes on with the other one.
TEST_F(MusicTest, ASongThatCannotBeOpenedIsPassedOver) {
    folder_.Write("BGMusic/SONG01.mp3", std::vector<uint8_t>{});
    host.clickMenu(form.mnuMusicOn2);
    EXPECT_EQ(SongsOpened(2500),
              (Lines{"500 SONG01", "1000 SONG02", "2000 SONG01", "2500 SONG02"}));
}

TEST_F(MusicTest, TheIntroPlaysOnTheSecondTickAfterTheGameOver) {
    host.clickMenu(form.mnuMusicOn2);
    host.advance(500);
    Sent();
    GameOver();
    EXPECT_FALSE(form.Timer3.Enabled());
    host.advance(1000);
    EXPECT_EQ(Sent(), Lines{});
    host.advance(1000);
    EXPECT_EQ(Sent(), (Lines{"close song", "open \"<program>\\BGmusic\\Intro.mp3\" alias song",
                             "play song"}));
    EXPECT_EQ(Status("song", "mode"), "playing");
    host.advance(5000);
    EXPECT_EQ(Sent(), Lines{});
    EXPECT_FALSE(form.Timer4.Enabled());
}

// Music off stops the song, the intro or jingle, the playlist, and an intro still to come.
TEST_F(MusicTest, MusicOffSilencesEverythingAlsoTheIntroToCome) {
    host.clickMenu(form.mnuMusicOn2);
    host.advance(500);
    GameOver();
    host.advance(1000);
    host.clickToolbarButton(form.Toolbar2, "tbBGmusic");
    EXPECT_EQ(Sent(), (Lines{"close myMP3", "close song"}));
    host.advance(5000);
    EXPECT_EQ(Sent(), Lines{});
    EXPECT_EQ(Status("myMP3", "mode"), "");
}

// New Game after one tick of the intro timer leaves it armed: at the next game over the
// intro comes on the first tick.
TEST_F(MusicTest, AnIntroTimerStoppedAfterOneTickPlaysOnItsNextFirstTick) {
    Module1::MusicOn = true;
    GameOver();
    host.advance(1000);
    host.clickToolbarButton(form.Toolbar2, "tbNew");
    ASSERT_FALSE(form.Timer4.Enabled());
    GameOver();
    host.advance(1000);
    EXPECT_EQ(Sent(), (Lines{"close song", "open \"<program>\\BGmusic\\Intro.mp3\" alias song",
                             "play song"}));
}

}  // namespace
