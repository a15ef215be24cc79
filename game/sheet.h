#pragma once
// The score sheet's rows and columns as the game's code knows them.

#include <cstdint>

// Column codes: the value of selectedColumn, the index of bonusAwarded, redoColumn.
enum SheetColumnCode : int32_t {
    colDown = 1,  // filled from the top
    colUp = 2,    // filled from the bottom
    colRand = 3,  // any order; the one-column sheet uses it alone
    colOblg = 4,  // only the row announced after the turn's first roll
};

// Rows, 0 to 12.
enum SheetRow : int32_t {
    rowOnes = 0,
    rowSixes = 5,
    rowMax = 6,
    rowMin = 7,
    rowThreeOfAKind = 8,
    rowFullHouse = 9,
    rowStraight = 10,
    rowFourOfAKind = 11,
    rowTolvarin = 12,
};

inline constexpr int32_t kSheetRows = 13;
inline constexpr int32_t kUpperRows = 6;

// A board has a cell per row in each column: four columns, or the one Rand column.
inline constexpr int32_t kFourColumnCells = 4 * kSheetRows;
inline constexpr int32_t kOneColumnCells = kSheetRows;

// Where the four columns stand on the window (Down, Up, Rand, Oblg) and how wide their
// cells are, in twips.
inline constexpr int32_t kColumnLefts[4] = {2205, 2805, 3405, 4005};
inline constexpr int32_t kCellWidth = 600;

// A turn has at most three rolls.
inline constexpr int32_t kRollsPerTurn = 3;

// The upper bonus: a Sub Total of this much or more over the six upper cells earns it.
inline constexpr double kBonusThreshold = 63;
inline constexpr double kUpperBonus = 35;

inline constexpr bool IsColumnCode(int32_t code) { return code >= colDown && code <= colOblg; }
