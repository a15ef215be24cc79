#pragma once
// The winner window: after a two-player game, both totals and who won.

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

class frmTheWinerIs : public vb::Form {
public:
    frmTheWinerIs() : vb::Form("frmTheWinerIs") {}

    vb::Label lblPlayer1{*this, "lblPlayer1"};
    vb::Label lblScore1{*this, "lblScore1"};
    vb::Label lblPlayer2{*this, "lblPlayer2"};
    vb::Label lblScore2{*this, "lblScore2"};
    vb::Label lblWiner{*this, "lblWiner"};
    vb::CommandButton cmdClose{*this, "cmdClose"};

protected:
    void InitializeComponent() override;
    void Form_Load() override;
    void Form_KeyPress(int16_t& KeyAscii) override;

private:
    void cmdClose_Click();
};
