// tolvarin-soundgen: writes the game's sound effects and music into the program folder.
//   tolvarin-soundgen PROGRAM_FOLDER
// Effects go to TLWAVS/<name>.WAV, the songs and the intro to BGMusic/, the two end-of-game
// jingles to TLWAVS/. The same sources always give the same bytes.

#include <exception>
#include <filesystem>
#include <fstream>
#include <future>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/soundgen/effects.h"
#include "tools/soundgen/mp3_writer.h"
#include "tools/soundgen/tunes.h"
#include "tools/soundgen/wav_writer.h"

namespace {

constexpr int kMusicKbps = 128;

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + path.string());
}

// Every file is made on a thread of its own; each depends on nothing but its recipe, so the
// bytes do not depend on the order the threads finish in.
void WriteAll(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "TLWAVS");
    std::filesystem::create_directories(folder / "BGMusic");
    std::vector<std::future<void>> jobs;
    for (const soundgen::Effect& effect : soundgen::Effects()) {
        jobs.push_back(std::async(std::launch::async, [&folder, &effect] {
            WriteFile(folder / "TLWAVS" / (std::string(effect.name) + ".WAV"),
                      soundgen::WaveBytes(soundgen::Finished(effect)));
        }));
    }
    for (const soundgen::Music& music : soundgen::MusicFiles()) {
        jobs.push_back(std::async(std::launch::async, [&folder, &music] {
            WriteFile(folder / music.path,
                      soundgen::Mp3Bytes(soundgen::Finished(music), kMusicKbps));
        }));
    }
    for (auto& job : jobs) job.get();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tolvarin-soundgen PROGRAM_FOLDER\n";
        return 2;
    }
    try {
        WriteAll(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "tolvarin-soundgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
