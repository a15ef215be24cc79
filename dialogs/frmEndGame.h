#pragma once
// The end-of-game dialog: when the last cell of the sheet was filled by a turn of fewer
// than three rolls, it asks whether to finish the game or take the move back. The answer
// goes to Module1::EndGameFinish; closing the dialog any other way takes the move back.

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

class frmEndGame : public vb::Form {
public:
    frmEndGame() : vb::Form("frmEndGame") {}

    vb::CommandButton cmdFinish{*this, "cmdFinish"};
    vb::CommandButton cmdUndo{*this, "cmdUndo"};

protected:
    void InitializeComponent() override;
    void Form_Load() override;
    void Form_KeyPress(int16_t& KeyAscii) override;

private:
    void cmdFinish_Click();
    void cmdUndo_Click();
};
