#pragma once
// The number a score-counter picture shows, read back from its pixels: what the player would
// read off picScore, or off the counter picture kept for a player while the other one plays.

#include <string>

#include "game/frmTolvarin.h"

namespace script {

// The glyphs drawn in @p picture (picScore, picPlayer1Score, picPlayer2Score or a counter
// buffer), left to right: the digits, and "-" for the minus sign; "(blank)" when it shows
// none. A glyph counts only where it stands whole at one of the counter's cells.
std::string CounterText(frmTolvarin& form, vb::PictureBox& picture);

}  // namespace script
