#pragma once
// The top-scores window: the table of the layout and dice in play, one row for each of
// its 20 places, and after a game a line that says whether the score made it.

#include <cstdint>
#include <string>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

class frmScores2 : public vb::Form {
public:
    frmScores2() : vb::Form("frmScores2") {}

    using Labels = vb::ControlArray<vb::Label>;

    // The table's frame and background, its header band, and the bar behind the row of the
    // entry a game has just made.
    vb::Shape shpTable{*this, "shpTable"};
    vb::Shape shpHeader{*this, "shpHeader"};
    vb::Shape shpNewEntry{*this, "shpNewEntry"};
    // The table, one label of each column for each place 1..20, under their headers.
    Labels lblHeader{*this, "lblHeader", 1, 4};
    Labels lblPlace{*this, "lblPlace", 1, 20};
    Labels lblName{*this, "lblName", 1, 20};
    Labels lblPoints{*this, "lblPoints", 1, 20};
    Labels lblDate{*this, "lblDate", 1, 20};
    vb::Label lblScore{*this, "lblScore"};  // the result line after a game
    vb::CommandButton cmdReturn{*this, "cmdReturn"};

    std::string ScoresFilePath;  // the file of the table shown
    int32_t TableNumber = 0;     // 1 to 4, chosen by the settings

    // Fills the table from ScoresFilePath.
    void LoadScoresTable();
    // Shows the 20 places with nothing in them.
    void ShowEmptyTable();

protected:
    void InitializeComponent() override;
    void Form_Load() override;

private:
    void DesignTable();
    void ShowResultLine();
    void MarkNewEntry(int32_t place);
    void ClearRows();
    void cmdReturn_Click();
};
