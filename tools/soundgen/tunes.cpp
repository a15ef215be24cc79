#include "tools/soundgen/tunes.h"

#include <array>
#include <stdexcept>
#include <string>

namespace soundgen {

namespace {

// The chords the tunes use: a voicing around middle C and the bass note under it.
struct Chord {
    std::string_view name;
    std::string_view voicing;
    std::string_view root;
};

constexpr std::array kChords{
    Chord{"C", "C4+E4+G4", "C3"},   Chord{"Am", "A3+C4+E4", "A2"},
    Chord{"F", "A3+C4+F4", "F2"},   Chord{"G", "B3+D4+G4", "G2"},
    Chord{"G7", "B3+D4+F4", "G2"},  Chord{"Dm", "A3+D4+F4", "D3"},
    Chord{"Em", "B3+E4+G4", "E2"},  Chord{"Bb", "Bb3+D4+F4", "Bb2"},
    Chord{"Gm", "Bb3+D4+G4", "G2"}, Chord{"Fmaj7", "F3+A3+C4+E4", "F2"},
};

const Chord& ChordNamed(std::string_view name) {
    for (const Chord& c : kChords) {
        if (c.name == name) return c;
    }
    throw std::invalid_argument("no chord " + std::string(name));
}

// Plays @p rhythm once for every chord of @p progression (chord names and bar lines separated
// by blanks). In the rhythm, "X" stands for the chord's voicing and "R" for its bass note.
std::string Over(std::string_view progression, std::string_view rhythm) {
    std::string out;
    for (std::string_view name : Tokens(progression)) {
        if (name == "|") {
            out += "| ";
            continue;
        }
        const Chord& chord = ChordNamed(name);
        for (std::string_view token : Tokens(rhythm)) {
            if (token.starts_with('X')) {
                out += chord.voicing;
                token.remove_prefix(1);
            } else if (token.starts_with('R')) {
                out += chord.root;
                token.remove_prefix(1);
            }
            out += token;
            out += ' ';
        }
    }
    return out;
}

// @p bars bars of silence, for a part that waits its turn.
std::string Rests(int bars, int beatsPerBar) {
    std::string out;
    for (int b = 0; b < bars; ++b) out += "r:" + std::to_string(beatsPerBar) + " | ";
    return out;
}

// Song 1: an easy-going tune in C, flute over electric piano; the bells join in the second
// half. Chords change every half bar.
Tune Song1() {
    const std::string chordsA = "C C | Am Am | F F | G G | C C | Am Am | Dm G | C C | ";
    const std::string chordsB = "F F | G G | Em Em | Am Am | Dm Dm | G G7 | C C | C C | ";
    const std::string melodyA =
        "E5:1.5 D5:0.5 C5:1 G4:1 | A4:1.5 B4:0.5 C5:1 E5:1 | F5:1.5 E5:0.5 D5:1 C5:1 | "
        "D5:3 r:1 | E5:1.5 D5:0.5 C5:1 G4:1 | A4:1.5 B4:0.5 C5:1 A4:1 | F4:1 A4:1 B4:1 D5:1 | "
        "C5:3 r:1 | ";
    const std::string melodyB =
        "A5:1.5 G5:0.5 F5:1 C5:1 | D5:1.5 E5:0.5 F5:1 G5:1 | G5:1.5 F5:0.5 E5:1 B4:1 | "
        "C5:1.5 D5:0.5 E5:2 | F5:1.5 E5:0.5 D5:1 A4:1 | B4:1 D5:1 G5:1 F5:1 | E5:3 D5:1 | "
        "C5:4 | ";
    const std::string bellsB = "A6:4 | B6:4 | G6:4 | E6:4 | F6:4 | D6:4 | E6:4 | C6:4 | ";
    const std::string chords = chordsA + chordsB;
    // A last bar of one held chord lets the song come to rest before the other one begins.
    return {100,
            4,
            {{Instrument::Flute, 0.55, 0.1, melodyA + melodyB},
             {Instrument::EPiano, 0.35, -0.35, Over(chords, "X:1.5 X:0.5") + "C4+E4+G4+C5:4 |"},
             {Instrument::Bass, 0.5, 0.0, Over(chords, "R:2") + "C2:4 |"},
             {Instrument::Bell, 0.15, 0.45, Rests(8, 4) + bellsB + "C6:4 |"}},
            {0.8, 0.35, 0.3},
            2.5};
}

// Song 2: a waltz in F. The marimba has the tune, the flute answers in the middle, and both
// play it together at the end, over bass, piano and a soft pad; a held chord closes it.
Tune Song2() {
    const std::string chordsA = "F | Am | Bb | F | Gm | C | F | C | ";
    const std::string chordsB = "Dm | Bb | F | C | Dm | Gm | C | F | ";
    const std::string chordsEnd = "F | Am | Bb | F | Gm | C | C | F | ";
    const std::string opening =
        "C5:2 A4:1 | E5:2 C5:1 | D5:1 F5:1 D5:1 | C5:3 | Bb4:2 D5:1 | "
        "C5:1 E5:1 G5:1 | ";
    const std::string melodyA = opening + "A5:2 F5:1 | E5:2 r:1 | ";
    const std::string melodyB =
        "F5:2 E5:1 | D5:2 F5:1 | C5:2 A4:1 | G4:2 C5:1 | "
        "A4:1 D5:1 F5:1 | G5:2 F5:1 | E5:1 D5:1 E5:1 | F5:3 | ";
    const std::string melodyEnd = opening + "G5:1 E5:1 C5:1 | F5:3 | ";
    const std::string chords = chordsA + chordsB + chordsEnd;
    const std::string rest = "F3+A3+C4+F4:3 |";
    return {126,
            3,
            {{Instrument::Marimba, 0.6, -0.1, melodyA + Rests(8, 3) + melodyEnd},
             {Instrument::Flute, 0.45, 0.2, Rests(8, 3) + melodyB},
             {Instrument::Flute, 0.25, 0.2, Rests(16, 3) + melodyEnd},
             {Instrument::EPiano, 0.3, -0.35, Over(chords, "r:1 X:1 X:1") + rest},
             {Instrument::Bass, 0.5, 0.0, Over(chords, "R:1 r:2") + "F2:3 |"},
             {Instrument::Pad, 0.12, 0.35, Over(chords, "X:3") + rest}},
            {0.8, 0.35, 0.3},
            2.5};
}

// After a game: a short, rising phrase that comes to rest, as if to say "once more?".
Tune Intro() {
    const std::string chords = "Fmaj7 | G | C";
    return {96,
            4,
            {{Instrument::Bell, 0.4, 0.2,
              "A5:1 G5:0.5 F5:0.5 E5:1 C5:1 | D5:1 E5:0.5 F5:0.5 G5:1 B5:1 | C6:3"},
             {Instrument::EPiano, 0.3, -0.3,
              "F3:1/2 C4 A4 C4 F3 C4 A4 E4 | G3 D4 B4 D4 G3 D4 B4 D4 | C4+E4+G4:3"},
             {Instrument::Bass, 0.45, 0.0, Over(chords, "R:4")},
             {Instrument::Pad, 0.15, 0.0, Over(chords, "X:4")}},
            {0.82, 0.3, 0.35},
            1.8};
}

// The score did not reach the table: a gentle, consoling cadence.
Tune GameOverGentle() {
    return {96,
            5,
            {{Instrument::Flute, 0.5, 0.1, "E5:1 D5:1 B4:1 C5:2"},
             {Instrument::EPiano, 0.4, -0.2, "A3+C4+F4:2 G3+B3+D4:1 E3+G3+C4:2"},
             {Instrument::Bass, 0.4, 0.0, "F2:2 G2:1 C2:2"}},
            {0.8, 0.35, 0.3},
            1.3};
}

// The score made the table: a brass fanfare with bells on the last chord.
Tune GameOverCelebration() {
    return {132,
            6,
            {{Instrument::Brass, 1.0, 0.0, "G4:1/3 C5 E5 G5:1 E5:1/2 G5 C6:3"},
             {Instrument::Brass, 0.5, -0.2, "r:1 C4+E4+G4:1 C4+E4+G4 C4+E4+G4+C5:3"},
             {Instrument::Bass, 0.5, 0.0, "r:1 C3:1 G2:1 C2:3"},
             {Instrument::Glockenspiel, 0.35, 0.3, "r:3 C7:1/4 E7 G7 C8:2.25"}},
            {0.8, 0.3, 0.3},
            1.2};
}

constexpr std::array kMusic{
    Music{"BGMusic/SONG01.mp3", 0.45, Song1},
    Music{"BGMusic/SONG02.mp3", 0.45, Song2},
    Music{"BGMusic/Intro.mp3", 0.5, Intro},
    Music{"TLWAVS/GameOver1.mp3", 0.6, GameOverGentle},
    Music{"TLWAVS/GameOver2.mp3", 0.7, GameOverCelebration},
};

}  // namespace

std::span<const Music> MusicFiles() { return kMusic; }

Stereo Finished(const Music& music) {
    Stereo sound = Render(music.compose());
    ScaleToPeak(sound, music.peak);
    return sound;
}

}  // namespace soundgen
