// Setting the main window up when it loads, and laying it out for the settings: the dice
// area for five or six dice, the sheet for four columns or one, the status bar for one or
// two players, the hint column, and the switches' menu pairs and toolbar pictures.

#include <cstdint>

#include "game/frmTolvarin.h"
#include "platform/forms/form.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/random.h"
#include "shell/Module1.h"
#include "shell/base_cursor.h"
#include "shell/board_height.h"

namespace {

using F = frmTolvarin;

constexpr int32_t kWindowWidth = 4900;
// A first-placed window is centred across; the room a window 8100 high leaves on the screen
// is split 1 above to 3.3 below.
constexpr double kPlacedHeight = 8100;
constexpr double kRoomAboveShare = 4.3;

// The Rand column in the four-column sheet, and the one wide column across all four.
constexpr int32_t kRandLeft = kColumnLefts[2];
constexpr int32_t kOneColumnLeft = kColumnLefts[0];
constexpr int32_t kOneColumnWidth = 4 * kCellWidth;

// Window heights: rows two players (status bar always shown), one player with the status
// bar, one player without it; columns the four-column sheet, the one-column sheet.
constexpr int32_t kWindowHeights[3][2] = {{8530, 8300}, {8530, 8270}, {8300, 8030}};

// Row names span the panel, or make room for the hint values beside them.
constexpr int32_t kRowNameWidth = 1570;
constexpr int32_t kRowNameWidthWithHints = 1250;

void PlaceWindow(F& f) {
    if (Module1::WinLeft != 0) {
        f.setLeft(Module1::WinLeft);
        f.setTop(Module1::WinTop);
        return;
    }
    f.setLeft(vb::CLng((vb::ScreenWidth() - f.Width()) / 2.0));
    f.setTop(vb::CLng((vb::ScreenHeight() - kPlacedHeight) / kRoomAboveShare));
}

// With five dice the second row's two dice (3 and 4) move 452 right, under the gaps of the
// first row, and the sixth die and its frame go.
void LayoutDiceArea(F& f) {
    if (Module1::DiceSetting != 4 && Module1::DiceSetting != 5) return;
    const bool six = Module1::DiceSetting == 5;
    f.picDice(5).setVisible(six);
    f.PicDiceOff(5).setVisible(false);
    f.picDice(4).setLeft(six ? 1150 : 1602);
    f.PicDiceOff(4).setLeft(six ? 1150 : 1602);
    f.picDice(3).setLeft(six ? 245 : 697);
    f.PicDiceOff(3).setLeft(six ? 245 : 697);
    f.Shape5.setVisible(six);
    f.Shape3.setLeft(six ? 247 : 697);
    f.Shape4.setLeft(six ? 1150 : 1602);
}

void SetTotalLabelsVisible(F& f, bool visible) {
    for (vb::Label* l : {&f.lblDownTot1, &f.lblUpTot1, &f.lblOblgTot1, &f.lblDownTot2, &f.lblUpTot2,
                         &f.lblOblgTot2, &f.lblDownTot, &f.lblUpTot, &f.lblOblgTot})
        l->setVisible(visible);
}

void SetRandTotalsAndCounter(F& f, int32_t left, int32_t width) {
    for (vb::Label* l : {&f.lblRandTot1, &f.lblRandTot2, &f.lblRandTot}) {
        l->setLeft(left);
        l->setWidth(width);
    }
    f.picScore.setLeft(kOneColumnLeft);
    f.picScore.setWidth(kOneColumnWidth);
}

void LayoutFourColumns(F& f) {
    const vb::Picture& button = f.imgBut3.Picture();
    for (int16_t r = 0; r < kSheetRows; ++r) {
        f.cmdDown(r).setDisabledPicture(button);
        f.cmdDown(r).setVisible(true);
        f.cmdUp(r).setDisabledPicture(button);
        f.cmdUp(r).setVisible(true);
        f.cmdRand(r).setDisabledPicture(button);
        f.cmdRand(r).setWidth(kCellWidth);
        f.cmdRand(r).setLeft(kRandLeft);
        f.cmdRand(r).setVisible(true);
        f.cmdOblg(r).setDisabledPicture(button);
        f.cmdOblg(r).setVisible(true);
        f.cmdRand(r).setPicture(button);
        f.lblRand(r).setWidth(kCellWidth);
        f.lblRand(r).setLeft(kRandLeft);
        f.lblDown(r).setVisible(true);
        f.lblUp(r).setVisible(true);
        f.lblOblg(r).setVisible(true);
    }
    SetTotalLabelsVisible(f, true);
    SetRandTotalsAndCounter(f, kRandLeft, kCellWidth);
}

// Each Rand button shows its row's own picture across the whole width of the sheet.
void LayoutOneColumn(F& f) {
    for (int16_t r = 0; r < kSheetRows; ++r) {
        f.cmdDown(r).setVisible(false);
        f.lblDown(r).setVisible(false);
        f.cmdUp(r).setVisible(false);
        f.lblUp(r).setVisible(false);
        f.cmdRand(r).setDisabledPicture(f.img1ColumnP(r).Picture());
        f.cmdRand(r).setPicture(f.img1ColumnP(r).Picture());
        f.cmdRand(r).setVisible(true);
        f.cmdRand(r).setEnabled(false);
        f.cmdRand(r).setWidth(kOneColumnWidth);
        f.cmdRand(r).setLeft(kOneColumnLeft);
        f.lblRand(r).setWidth(kOneColumnWidth);
        f.lblRand(r).setLeft(kOneColumnLeft);
        f.cmdOblg(r).setVisible(false);
        f.lblOblg(r).setVisible(false);
    }
    SetTotalLabelsVisible(f, false);
    SetRandTotalsAndCounter(f, kOneColumnLeft, kOneColumnWidth);
}

void MoveDown(vb::Control& c, int32_t by) { c.setTop(c.Top() + by); }
void MoveLine(vb::Line& l, int32_t by) {
    l.setY1(l.Y1() + by);
    l.setY2(l.Y2() + by);
}

// The Column Total row is 250 high; the counter under it moves a little more.
constexpr int32_t kTotalRowHeight = 250;
constexpr int32_t kCounterShift = 270;

// The Column Total row comes (direction 1) or goes (direction -1), and everything below it
// follows. Each value moves from where it is, so the two directions undo each other exactly.
void ShiftBelowSheet(F& f, int32_t direction) {
    const bool totalRow = direction > 0;
    const int32_t by = kTotalRowHeight * direction;
    f.lblRandTot.setVisible(totalRow);
    f.Label13.setVisible(totalRow);
    f.shpLabel13.setVisible(totalRow);
    f.imgArrow.setVisible(totalRow);
    f.imgArrow2.setVisible(!totalRow);
    f.Shape10.setHeight(f.Shape10.Height() + by);
    MoveDown(f.Label2, by);
    MoveDown(f.shpLabel2, by);
    MoveDown(f.picScore, kCounterShift * direction);
    for (vb::Shape* s :
         {&f.Shape1, &f.Shape3, &f.Shape4, &f.Shape5, &f.Shape6, &f.Shape7, &f.Shape8, &f.Shape9})
        MoveDown(*s, by);
    MoveDown(f.picRollDices, by);
    for (int16_t i = 0; i <= 5; ++i) {
        MoveDown(f.picDice(i), by);
        MoveDown(f.PicDiceOff(i), by);
    }
    for (vb::Line* l : {&f.Line5, &f.Line6, &f.Line7, &f.Line8}) MoveLine(*l, by);
    f.Line9.setY2(f.Line9.Y2() + by);
    f.Line10.setY2(f.Line10.Y2() + by);
    MoveLine(f.Line12, by);
}

// lblRandTot's visibility tells which arrangement is in force, so a second layout with the
// same settings moves nothing.
void LayoutSheet(F& f) {
    if (Module1::NumColumns == 4) {
        LayoutFourColumns(f);
        if (!f.lblRandTot.Visible()) ShiftBelowSheet(f, 1);
    } else {
        LayoutOneColumn(f);
        if (f.lblRandTot.Visible()) ShiftBelowSheet(f, -1);
    }
}

void ShowPlayers(F& f) {
    if (Module1::NumPlayers == 2) {
        f.setCaption("Tolvarin - " + Module1::Player1Name);
        f.StatusBar1.Panels(3).setText("0 : 0");
        f.cmdShowNextBoard.setCaption("    Show      " + Module1::Player1Name + "'s  Board");
    } else {
        f.setCaption("Tolvarin 2.3");
    }
}

// Each switch shows one item of each of its two pairs: the plain item of the option in
// force (with the check picture), the twin of the other option (which chooses it).
void ShowSwitch(vb::Menu& onItem, vb::Menu& onTwin, vb::Menu& offItem, vb::Menu& offTwin, bool on) {
    onItem.setVisible(on);
    onTwin.setVisible(!on);
    offItem.setVisible(!on);
    offTwin.setVisible(on);
}

void ShowSwitches(F& f) {
    if (Module1::HintsAlwaysSetting) f.hintsAlways = true;
    ShowSwitch(f.mnuHintsAllways, f.mnuHintsAllways2, f.mnuHintsByRequest, f.mnuHintsByRequest2,
               Module1::HintsAlwaysSetting);
    // The hint button serves only while hints are on request; the switch keeps it in step
    // from here on.
    f.Toolbar2.Buttons("tbHint").setEnabled(!Module1::HintsAlwaysSetting);
    ShowSwitch(f.mnuSoundsOn, f.mnuSoundsOn2, f.mnuSoundsOff, f.mnuSoundsOff2,
               Module1::SoundSetting);
    Module1::SoundsOn = Module1::SoundSetting;
    f.Toolbar2.Buttons("tbSound").setImage(Module1::SoundSetting ? F::kSoundOnPicture
                                                                 : F::kSoundOffPicture);
    ShowSwitch(f.mnuMusicOn, f.mnuMusicOn2, f.mnuMusicOff, f.mnuMusicOff2, Module1::MusicOn);
    f.Toolbar2.Buttons("tbBGmusic")
        .setImage(Module1::MusicOn ? F::kMusicOnPicture : F::kMusicOffPicture);
}

int32_t WindowHeight() {
    const int row = Module1::NumPlayers == 2 ? 0 : (Module1::StatusBarOn ? 1 : 2);
    return kWindowHeights[row][Module1::NumColumns == 4 ? 0 : 1];
}

// A panel the layout does not use stays, one twip wide and hidden, so that every panel
// keeps its number.
void SetPanel(vb::StatusBar& bar, int16_t panel, int32_t width) {
    bar.Panels(panel).setWidth(width);
    bar.Panels(panel).setVisible(width > 1);
}

}  // namespace

void frmTolvarin::Form_Load() {
    setWidth(kWindowWidth);
    PlaceWindow(*this);
    Module1::UseBaseCursor(hWnd());
    // A setting that names no dice count would send the dice loops past the sixth die.
    if (Module1::DiceSetting != 4 && Module1::DiceSetting != 5)
        Module1::DiceSetting = Module1::Globals{}.DiceSetting;  // the first-run count
    Module1::LastDieIndex = Module1::DiceSetting;
    Module1::AdjustBoardHeight();
    UpdateHintDisplay();
    newGameNotRolled = true;
    mayRoll = true;
    nextUpRow = 12;
    InitMenuImages();
    SetControls();
    // All six dice start free and blank, also the sixth while five are played, so that a
    // later change to six dice brings no face or hold left from before.
    for (int16_t i = 0; i <= 5; ++i) {
        Module1::DiceToRoll[i] = true;
        diceValues[i] = 0;
    }
    ShowDiceUnrolled(Module1::LastDieIndex);
    vb::Randomize();
    OfferUndo(false);
    OfferRedo(false);
    lblTimeElapsed.setCaption("00:00:00");
    tmrTimeElapsed.setEnabled(true);
    if (Module1::MusicOn) Timer3.setEnabled(true);
}

void frmTolvarin::SetControls() {
    LayoutStatusBar();
    LayoutDiceArea(*this);
    LayoutSheet(*this);
    Module1::AdjustBoardHeight();
    ShowPlayers(*this);
    ShowSwitches(*this);
}

void frmTolvarin::LayoutStatusBar() {
    if (Module1::NumPlayers == 2) {
        StatusBar1.setVisible(true);
        SetPanel(StatusBar1, 2, 1);
        SetPanel(StatusBar1, 1, 2000);
        SetPanel(StatusBar1, 4, 1);
        SetPanel(StatusBar1, 3, 1630);
        StatusBar1.Panels(1).setText(Module1::Player1Name);
        setHeight(WindowHeight());
        return;
    }
    SetPanel(StatusBar1, 1, 1);
    SetPanel(StatusBar1, 2, 2550);
    SetPanel(StatusBar1, 3, 1);
    SetPanel(StatusBar1, 4, 1230);
    StatusBar1.Panels(2).setText("Roll the dice");
    setHeight(WindowHeight());
    StatusBar1.setVisible(Module1::StatusBarOn);
    cmdNextPlayer.setVisible(false);
}

void frmTolvarin::UpdateHintDisplay() {
    const bool shown = Module1::HintsAlwaysSetting || hintRequested;
    const int32_t nameWidth = shown ? kRowNameWidthWithHints : kRowNameWidth;
    for (int16_t r = 0; r < kSheetRows; ++r) {
        lblTip(r).setVisible(shown);
        Shape12(r).setVisible(shown);
        lblOption(r).setWidth(nameWidth);
    }
    for (int16_t r = 0; r < kSheetRows; ++r) shpOptions(r).setWidth(nameWidth);
}
