#pragma once
// The top-scores window: one of the four top-score tables in a list, one tab for each,
// with Clear Table and the grid-lines switch; after a game a line that says whether the
// score made the table, and the end-of-game jingle.

#include <cstdint>
#include <string>

#include "dialogs/dialog_design.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/image_list.h"
#include "platform/forms/list_view.h"
#include "platform/forms/tabs.h"
#include "platform/forms/toggles.h"
#include "platform/forms/user_control_host.h"

class frmScores2 : public vb::Form {
public:
    frmScores2() : vb::Form("frmScores2") {}

    vb::TabControl SSTab1{*this, "SSTab1"};  // one tab for each table
    vb::ListView LVScores{*this, "LVScores"};
    vb::ImageList ilHeader{*this, "ilHeader"};  // the column headers' icons
    vb::Label lblScore{*this, "lblScore"};      // the result line after a game
    vb::CheckBox Check1{*this, "Check1"};       // grid lines
    vb::UserControlHost cmdClearTable{*this, "cmdClearTable", dialogs::kHoverProgID};
    vb::UserControlHost cmdReturn{*this, "cmdReturn", dialogs::kHoverProgID};
    // A box around the buttons (and the result line): its foot and its two sides.
    vb::Line Line2{*this, "Line2"};
    vb::Line Line3{*this, "Line3"};
    vb::Line Line4{*this, "Line4"};

    std::string ScoresFilePath;      // the file of the table shown
    bool SuppressTabReload = false;  // while Form_Load selects the tab
    int32_t TableNumber = 0;         // 1 to 4, chosen by the settings

    // Fills the list from ScoresFilePath.
    void LoadScoresTable();
    // Fills the list with 20 empty places.
    void ShowEmptyTable();
    // The four columns with their header texts, icons and widths.
    void SetupColumns();

protected:
    void InitializeComponent() override;
    void Form_Load() override;
    void Form_Unload(int16_t& Cancel) override;

private:
    void DesignButtons();
    void LayOut(bool resultLine);
    void ShowTable(int32_t tableNumber);
    void ShowResultLine();
    void SSTab1_Click(int16_t PreviousTab);
    void Check1_Click();
    void cmdClearTable_Click();
    void cmdReturn_Click();
};
