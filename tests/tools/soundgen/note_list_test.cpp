// Reading tunes written as note lists, and playing them to the right length.

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "tools/soundgen/sequencer.h"

namespace soundgen {
namespace {

struct ListCase {
    const char* text;
    std::vector<Note> notes;
    double beats;
};
const ListCase kLists[] = {
    {"", {}, 0},
    {"C4", {{0, 1, 60}}, 1},
    {"A4:2 r:1/2 F#5", {{0, 2, 69}, {2.5, 0.5, 78}}, 3},  // a length carries on
    {"Bb3+D4:1.5 E4", {{0, 1.5, 58}, {0, 1.5, 62}, {1.5, 1.5, 64}}, 3},
    {"C0 B9", {{0, 1, 12}, {1, 1, 131}}, 2},
    {"Cb4 B#3", {{0, 1, 59}, {1, 1, 60}}, 2},
    {" G4:3 |\n r:3 | ", {{0, 3, 67}}, 6},  // bar lines of a three-beat bar; a rest counts
    {"C4:1/3 D4 E4 F4:2",
     {{0, 1.0 / 3, 60}, {1.0 / 3, 1.0 / 3, 62}, {2.0 / 3, 1.0 / 3, 64}, {1, 2, 65}},
     3},
};

TEST(ParseNotes, ReadsNotesChordsRestsAndLengths) {
    for (const auto& c : kLists) {
        SCOPED_TRACE(c.text);
        const NoteList list = ParseNotes(c.text, 3);
        EXPECT_EQ(list.notes, c.notes);
        EXPECT_DOUBLE_EQ(list.beats, c.beats);
    }
}

TEST(ParseNotes, RefusesWhatIsNotANoteList) {
    const char* kBad[] = {
        "H4",         // no such letter
        "C",          // no octave
        "C#",         // no octave
        "C10",        // octave out of range
        "c4",         // lower case
        "C4:0",       // no length
        "C4:-1",      // negative length
        "C4:x",       // not a number
        "C4:1/0",     // endless
        "C4+",        // chord with a missing note
        "C4:2 |",     // bar too short
        "C4:2 D4:2",  // note runs past the bar line
    };
    for (const char* text : kBad) {
        SCOPED_TRACE(text);
        EXPECT_THROW(ParseNotes(text, 3), std::invalid_argument);
    }
}

TEST(Render, LastsUntilThePartEndsAndTheTailHasRung) {
    // Two beats at 120 beats a minute, the second a rest, then half a second of tail.
    const Tune tune{120, 4, {{Instrument::Marimba, 1.0, 0.0, "C5 r"}}, {0.7, 0.5, 0.2}, 0.5};
    const Stereo sound = Render(tune);
    EXPECT_EQ(sound.left.size(), SampleCount(1.5));
    EXPECT_EQ(sound.right.size(), sound.left.size());
    EXPECT_GT(Peak(sound), 0.1);
    EXPECT_EQ(sound.left.back(), 0.0);  // faded out
}

}  // namespace
}  // namespace soundgen
