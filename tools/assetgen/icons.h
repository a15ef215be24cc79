#pragma once
// The small pictures of the menus and the toolbar, each drawn on a 16-unit square that a
// Frame places and scales into a picture: the menus show them 16 pixels high, the toolbar
// 22.

#include <functional>

#include "tools/assetgen/canvas.h"

namespace assetgen {

// Where a 16-unit icon lands in a picture: its top left corner and pixels per unit.
struct Frame {
    double ox = 0, oy = 0, k = 1;
    double x(double u) const { return ox + u * k; }
    double y(double u) const { return oy + u * k; }
    double s(double u) const { return u * k; }
};

using Icon = std::function<void(Canvas&, const Frame&)>;

void DrawNewGame(Canvas& c, const Frame& f);           // a die and a gold sparkle
void DrawOptions(Canvas& c, const Frame& f);           // a steel gear
void DrawScores(Canvas& c, const Frame& f);            // a gold cup
void DrawExit(Canvas& c, const Frame& f);              // a door and an arrow out of it
void DrawUndo(Canvas& c, const Frame& f);              // an arrow bending back to the left
void DrawRedo(Canvas& c, const Frame& f);              // the same to the right
void DrawHelp(Canvas& c, const Frame& f);              // a blue disc with a question mark
void DrawWeb(Canvas& c, const Frame& f);               // a globe
void DrawAbout(Canvas& c, const Frame& f);             // a blue disc with an "i"
void DrawBook(Canvas& c, const Frame& f);              // an open book
void DrawLetter(Canvas& c, const Frame& f);            // an envelope (18 units wide)
void DrawCheck(Canvas& c, const Frame& f);             // a green tick (15 units)
void DrawBulb(Canvas& c, const Frame& f);              // a lit bulb
void DrawSpeaker(Canvas& c, const Frame& f, bool on);  // with sound waves, or crossed out
void DrawNotes(Canvas& c, const Frame& f, bool on);    // two notes, or struck through

}  // namespace assetgen
