#pragma once
// A loaded main window on the headless host, with the shell's globals at their start
// values, and small helpers to put dice on the table and place them.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/frmTolvarin.h"
#include "game/sheet_text.h"
#include "platform/headless/headless_host.h"
#include "shell/Module1.h"

// The sheet of a board with nothing placed and no hints shown.
extern const char* const kEmptySheet;

class TolvarinTest : public ::testing::Test {
protected:
    TolvarinTest() {
        Module1::ResetModule1();
        form.Load();
    }

    // Dice given as text, "5 3 1 4 2", as rolled; five or six of them.
    static std::vector<int32_t> Faces(const std::string& dice);
    // Puts @p dice on the table and sets the number of dice in play to match.
    void Throw(const std::string& dice);
    // Scores @p dice into @p row of @p column as a placement does: the row's scorer (which
    // writes the cell and the column's totals), the Down and Up bonus, the grand total.
    void Place(int32_t column, int32_t row, const std::string& dice);
    // Hides every cell button of the sheet.
    void HideAllCellButtons();

    headless::HeadlessHost host;
    frmTolvarin form;
};
