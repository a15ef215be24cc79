#pragma once
// The background music: one MP3 file at a time, opened under the media alias "myMP3" and
// played at the volume of the MusicVolume setting. Callers decide when music runs; these
// routines never report a failure.

#include <cstdint>
#include <string>

namespace BGmusic {

// The full path of the song opened under "myMP3"; the music timer sets it.
inline std::string CurrentMusicFile;

// Opens the MP3 file @p path under "myMP3", in the short form of its path when there is one.
void OpenMP3(const std::string& path);
// Closes the song under "myMP3".
void CloseMP3();
// Sends @p command, then the volume; returns the number the reply begins with (0 for none).
int32_t SendMP3Command(const std::string& command);
// Holds the song where it is, and plays it on from there.
void PauseMP3();
void ResumeMP3();

// The intro and the end-of-game jingles play under the alias "song", beside the background
// song: opens @p path, trimmed of blanks and in quotes, then plays it. The caller closes
// "song" first.
void OpenAndPlaySong(const std::string& path);

}  // namespace BGmusic
