#pragma once
// Tunes written as note lists, one line of text per part, and played into a stereo sound.
//
// A part is a list of tokens separated by blanks:
//   C4  F#5  Bb3   a note: letter, optional sharp or flat, octave (C4 is middle C)
//   C4+E4+G4       a chord: notes that start together
//   r              a rest
//   :2 :0.5 :1/3   after a note, chord or rest: its length in beats; without one a token
//                  lasts as long as the token before it (one beat at the start)
//   |              a bar line: the bar before it must hold exactly the tune's beats per bar,
//                  which catches a slip in the writing when the generator runs

#include <string>
#include <string_view>
#include <vector>

#include "tools/soundgen/instruments.h"
#include "tools/soundgen/mixer.h"
#include "tools/soundgen/room.h"

namespace soundgen {

// A note of a part: where it starts and how long it lasts, in beats, and its pitch as a
// MIDI note number.
struct Note {
    double beat;
    double beats;
    int pitch;

    bool operator==(const Note&) const = default;
};

// The blank-separated tokens of a note list.
std::vector<std::string_view> Tokens(std::string_view text);

// A part read: its notes in the order written (chord notes share their start), and its
// length in beats, rests included.
struct NoteList {
    std::vector<Note> notes;
    double beats = 0.0;
};

// Throws std::invalid_argument naming the first token that is wrong.
NoteList ParseNotes(std::string_view text, int beatsPerBar);

struct Part {
    Instrument instrument;
    double gain;
    double pan;  // -1 left .. 1 right
    std::string notes;
};

struct Tune {
    double bpm;
    int beatsPerBar;
    std::vector<Part> parts;
    Room room;
    double tail;  // seconds after the longest part ends, for it and the room to ring out
};

// Plays every part, adds the room and fades out the end of the tail.
Stereo Render(const Tune& tune);

}  // namespace soundgen
