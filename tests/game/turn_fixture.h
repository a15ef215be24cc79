#pragma once
// A turn on the loaded main window: scripted rolls through the roll area, the sounds asked
// for, and short texts of the cell buttons offered, the dice and the window's pictures.

#include <cstdint>
#include <string>
#include <vector>

#include "game/support/tolvarin_fixture.h"
#include "platform/types/picture.h"

class TurnTest : public TolvarinTest {
protected:
    // Sounds off and nothing recorded; the roll area's looks and the face pictures carry
    // names, so that tests can tell them apart.
    TurnTest();

    // Lays the window out again for the settings in force, as the options dialog has it done.
    void Reload();
    // Scripts the next roll: a tumble number per free die for each of the nine frames, then
    // @p faces ("3 5 1") for the free dice in index order.
    void ScriptRoll(const std::string& faces);
    // Scripts the roll and clicks the roll area.
    void Roll(const std::string& faces);
    // The dice free to roll among those in play.
    int32_t FreeDice() const;

    // The sounds asked for since the last call: "name" when played without waiting,
    // "name (sync)" when the window waits for it.
    static std::vector<std::string> Sounds();
    // The cell buttons shown, by column: "Down 3 | Up 12 | Rand 0 1 | Oblg -".
    std::string Offered() const;
    // The dice in play as "3 5 1 2 6", a held die marked "h" ("3h 5 1 2 6").
    std::string DiceText() const;
    // "undo on, redo off": the toolbar buttons, checked against their menu items.
    std::string UndoRedo();
    // Fills @p column's cells with @p cells (row 0 first; "" leaves a cell open) and
    // writes its three totals.
    void Preset(int32_t column, const std::vector<std::string>& cells, const std::string& sub,
                const std::string& line, const std::string& total);

    // A board of 1s whose one open cell is @p row of @p column: that column totals @p sub,
    // 0 and 10, every other one 6, 0 and 11 (the Oblg column only with four columns), and
    // the next cell placed is the last.
    void PresetLastOpenCell(int32_t column, int32_t row, const std::string& sub);

    static vb::Picture Named(const std::string& name);
};
