#pragma once
// What the end of a board tells the top-scores window about its entry into the table.

#include <cstdint>
#include <string>

namespace endgame {

// The table file that could not be read or written at the last end of a board (as the
// system names it), or "" when the entry went into the table or did not make it.
const std::string& UnusableScoreTable();

// The result line of the top-scores window for an entry of @p score that took place
// @p rank (1 to 20, or -1): it made the table, it did not, or the table could not be used.
std::string ScoreResultLine(int32_t rank, int32_t score);

}  // namespace endgame
