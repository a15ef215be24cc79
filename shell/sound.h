#pragma once
// Sound effects: the named wave files of the program's "TLWAVS" folder. Callers test the
// sound switches; these routines only play.

#include <string>

namespace Module1 {

// Plays the effect @p name and returns at once; a new effect stops the one playing.
void PlayWave(const std::string& name);
// Plays the effect @p name and returns when it has played.
void PlayWaveSync(const std::string& name);
// The file of effect @p name: the program's path, "\TLWAVS\", the name, ".WAV".
std::string WavePath(const std::string& name);

}  // namespace Module1
