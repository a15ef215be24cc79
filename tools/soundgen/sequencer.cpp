#include "tools/soundgen/sequencer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace soundgen {

namespace {

// How much of its written length a note is held; the rest lets notes breathe apart.
constexpr double kHeldShare = 0.9;

[[noreturn]] void Fail(std::string_view token, std::string_view why) {
    throw std::invalid_argument("note list: \"" + std::string(token) + "\": " + std::string(why));
}

double ParseNumber(std::string_view text, std::string_view token) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) Fail(token, "not a length");
    return value;
}

// "2", "0.5" or "1/3".
double ParseLength(std::string_view text, std::string_view token) {
    const size_t slash = text.find('/');
    const double beats = slash == std::string_view::npos
                             ? ParseNumber(text, token)
                             : ParseNumber(text.substr(0, slash), token) /
                                   ParseNumber(text.substr(slash + 1), token);
    if (!(beats > 0.0) || !std::isfinite(beats)) Fail(token, "not a length");
    return beats;
}

// "C4", "F#5", "Bb3" as a MIDI note number.
int ParsePitch(std::string_view text, std::string_view token) {
    // Semitones above C of the letters A to G.
    constexpr int kLetterSemitones[] = {9, 11, 0, 2, 4, 5, 7};
    if (text.empty() || text[0] < 'A' || text[0] > 'G') Fail(token, "not a note");
    int semitone = kLetterSemitones[text[0] - 'A'];
    text.remove_prefix(1);
    if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
        semitone += text[0] == '#' ? 1 : -1;
        text.remove_prefix(1);
    }
    int octave = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), octave);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || octave < 0 ||
        octave > 9) {
        Fail(token, "not a note");
    }
    return 12 * (octave + 1) + semitone;
}

// Loudness by place in the bar: the first beat leans, beats between beats are lighter.
double Velocity(double beat, int beatsPerBar) {
    const double inBar = std::fmod(beat, beatsPerBar);
    if (inBar < 1e-6) return 0.9;
    if (std::abs(inBar - std::round(inBar)) < 1e-6) return 0.78;
    return 0.68;
}

}  // namespace

std::vector<std::string_view> Tokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    while (true) {
        const size_t start = text.find_first_not_of(" \t\n");
        if (start == std::string_view::npos) return tokens;
        text.remove_prefix(start);
        const size_t end = std::min(text.find_first_of(" \t\n"), text.size());
        tokens.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

NoteList ParseNotes(std::string_view text, int beatsPerBar) {
    std::vector<Note> notes;
    double beat = 0.0;
    double barStart = 0.0;
    double beats = 1.0;
    for (std::string_view token : Tokens(text)) {
        if (token == "|") {
            if (std::abs(beat - barStart - beatsPerBar) > 1e-6) Fail(token, "bar is not full");
            barStart = beat;
            continue;
        }
        const size_t colon = token.find(':');
        const std::string_view head = token.substr(0, colon);
        if (colon != std::string_view::npos) beats = ParseLength(token.substr(colon + 1), token);
        if (head != "r") {
            for (std::string_view rest = head;;) {
                const size_t plus = rest.find('+');
                notes.push_back({beat, beats, ParsePitch(rest.substr(0, plus), token)});
                if (plus == std::string_view::npos) break;
                rest.remove_prefix(plus + 1);
            }
        }
        beat += beats;
        if (beat - barStart > beatsPerBar + 1e-6) Fail(token, "runs past the bar line");
    }
    return {notes, beat};
}

Stereo Render(const Tune& tune) {
    const double secondsPerBeat = 60.0 / tune.bpm;
    Stereo out;
    double end = 0.0;
    for (const Part& part : tune.parts) {
        const NoteList list = ParseNotes(part.notes, tune.beatsPerBar);
        for (const Note& note : list.notes) {
            const Mono sound = Play(part.instrument, Frequency(note.pitch),
                                    note.beats * secondsPerBeat * kHeldShare,
                                    Velocity(note.beat, tune.beatsPerBar));
            Mix(out, sound, note.beat * secondsPerBeat, part.gain, part.pan);
        }
        end = std::max(end, list.beats * secondsPerBeat);
    }
    const size_t length = SampleCount(end + tune.tail);
    out.left.resize(length);
    out.right.resize(length);
    AddRoom(out, tune.room);
    FadeEnds(out, 0.002, std::min(tune.tail, 1.5));
    return out;
}

}  // namespace soundgen
