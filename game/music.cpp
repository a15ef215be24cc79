// The background music of the main window: the music switch, the playlist of two songs that
// take turns while music is on, and the intro that plays a little after a game has ended.

#include <string>

#include "game/frmTolvarin.h"
#include "platform/media/mci.h"
#include "platform/runtime/app.h"
#include "shell/BGmusic.h"
#include "shell/Module1.h"

namespace {

// A file under the program folder; @p relative starts with "\".
std::string ProgramFile(const char* relative) { return vb::App().Path + relative; }

// The intro or an end-of-game jingle stops; nothing open under "song" is no harm.
void CloseSong() { win::mciSendStringA("close song", nullptr, 0, 0); }

}  // namespace

void frmTolvarin::mnuMusicOn2_Click() {
    Module1::MusicOn = true;
    Toolbar2.Buttons("tbBGmusic").setImage(kMusicOnPicture);
    Timer3.setEnabled(true);  // its next tick starts a song
    ShowSwitchItems(mnuMusicOn, mnuMusicOn2, mnuMusicOff, mnuMusicOff2, true);
}

void frmTolvarin::mnuMusicOff2_Click() {
    Module1::MusicOn = false;
    Toolbar2.Buttons("tbBGmusic").setImage(kMusicOffPicture);
    BGmusic::CloseMP3();
    CloseSong();
    Timer3.setEnabled(false);
    // The intro still waiting after a game over must not start once music is off.
    Timer4.setEnabled(false);
    ShowSwitchItems(mnuMusicOn, mnuMusicOn2, mnuMusicOff, mnuMusicOff2, false);
}

// When the song has played to its end the other one starts from its beginning. With no song
// open, position and length both read 0, so the first tick after music on starts SONG01;
// a song file that cannot be opened is passed over at every tick.
void frmTolvarin::Timer3_Timer() {
    musicPosition = BGmusic::SendMP3Command("status myMP3 position");
    musicLength = BGmusic::SendMP3Command("status myMP3 length");
    if (musicPosition < musicLength) return;
    BGmusic::CloseMP3();
    BGmusic::CurrentMusicFile =
        ProgramFile(playSecondSong ? "\\BGMusic\\SONG02.mp3" : "\\BGMusic\\SONG01.mp3");
    playSecondSong = !playSecondSong;
    BGmusic::OpenMP3(BGmusic::CurrentMusicFile);
    BGmusic::SendMP3Command("play myMP3 from 0");
}

// The intro plays on every second tick: about two seconds after the end of a game. Stopped
// after one tick, the timer stays armed, and the intro then comes on its next first tick.
void frmTolvarin::Timer4_Timer() {
    if (introArmed) {
        CloseSong();
        BGmusic::OpenAndPlaySong(ProgramFile("\\BGmusic\\Intro.mp3"));
        Timer4.setEnabled(false);
    }
    introArmed = !introArmed;
}
