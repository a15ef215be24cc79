// While the pointer rests on a visible cell button, the name of its row is lit. The button
// takes the mouse capture when it lights its row, so that it sees the pointer leave.

#include <cstdint>

#include "game/frmTolvarin.h"
#include "platform/user32/capture.h"
#include "shell/Module1.h"

namespace {

// A lit row name: black on the system's tooltip background; a normal one: white on black.
constexpr vb::OleColor kLitBack = vb::vbInfoBackground;
constexpr vb::OleColor kLitFore = vb::vbBlack;
constexpr vb::OleColor kNormalBack = vb::vbBlack;
constexpr vb::OleColor kNormalFore = vb::vbWhite;

}  // namespace

void frmTolvarin::cmdDown_MouseMove(int16_t Index, int16_t, int16_t, float X, float Y) {
    HighlightRowUnder(cmdDown(Index), Index, X, Y, false);
}

void frmTolvarin::cmdUp_MouseMove(int16_t Index, int16_t, int16_t, float X, float Y) {
    HighlightRowUnder(cmdUp(Index), Index, X, Y, false);
}

void frmTolvarin::cmdOblg_MouseMove(int16_t Index, int16_t, int16_t, float X, float Y) {
    HighlightRowUnder(cmdOblg(Index), Index, X, Y, false);
}

// The one-column sheet's buttons also show their lit picture under the pointer.
void frmTolvarin::cmdRand_MouseMove(int16_t Index, int16_t, int16_t, float X, float Y) {
    HighlightRowUnder(cmdRand(Index), Index, X, Y, Module1::NumColumns != 4);
}

// The flag, not the capture, says whether a row is lit: a move reaching any cell button
// while it is set is taken as a move of the lit button.
void frmTolvarin::HighlightRowUnder(vb::CommandButton& button, int16_t Index, float X, float Y,
                                    bool litPicture) {
    if (!rowHighlightCaptured) {
        win::SetCapture(button.hWnd());
        rowHighlightCaptured = true;
        if (litPicture) button.setPicture(img1Column(Index).Picture());
        lblOption(Index).setBackColor(kLitBack);
        lblOption(Index).setForeColor(kLitFore);
        return;
    }
    // The edges count as inside.
    const bool inside = X >= 0 && Y >= 0 && X <= static_cast<float>(button.Width()) &&
                        Y <= static_cast<float>(button.Height());
    if (inside) return;
    if (litPicture) button.setPicture(img1ColumnP(Index).Picture());
    RowHighlightOff(Index);
}

void frmTolvarin::RowHighlightOff(int16_t Index) {
    rowHighlightCaptured = false;
    lblOption(Index).setBackColor(kNormalBack);
    lblOption(Index).setForeColor(kNormalFore);
    win::ReleaseCapture();
}
