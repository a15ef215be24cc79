#include "dialogs/frmEndGame.h"

#include "game/frmTolvarin.h"
#include "shell/Module1.h"
#include "shell/base_cursor.h"

namespace {

// The dialog sits this far below the middle of the main window, clear of the sheet's end.
constexpr int32_t kBelowCentre = 2200;

}  // namespace

// A fixed dialog frame around a client area of 3675 x 1020 twips.
void frmEndGame::InitializeComponent() {
    setCaption("Finish Game?");
    designGeometry(0, 0, 3765, 1425);
    cmdFinish.setCaption("&Finish Game");
    cmdFinish.Move(120, 300, 1635, 435);
    cmdUndo.setCaption("&Undo Last Move");
    cmdUndo.Move(1920, 300, 1635, 435);
    for (vb::CommandButton* b : {&cmdFinish, &cmdUndo}) {
        b->setVisible(true);
        b->setEnabled(true);
    }
    cmdFinish.Click = [this] { cmdFinish_Click(); };
    cmdUndo.Click = [this] { cmdUndo_Click(); };
}

// Until a button answers, the answer is "Undo Last Move": the title bar's close box or
// Escape never leave the answer of an earlier game in force.
void frmEndGame::Form_Load() {
    Module1::UseBaseCursor(hWnd());
    Module1::EndGameFinish = false;
    const frmTolvarin& main = vb::Default<frmTolvarin>();
    setLeft(main.Left() + main.Width() / 2 - Width() / 2);
    setTop(main.Top() + main.Height() / 2 - Height() / 2 + kBelowCentre);
    Module1::EndGameShown = true;
}

void frmEndGame::Form_KeyPress(int16_t& KeyAscii) {
    if (KeyAscii == vb::vbKeyEscape) cmdUndo_Click();
}

void frmEndGame::cmdFinish_Click() {
    Module1::EndGameFinish = true;
    Unload();
}

void frmEndGame::cmdUndo_Click() {
    Module1::EndGameFinish = false;
    Unload();
}
