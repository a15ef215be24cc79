// The pictures the main window is designed with. Each control takes the resource named
// here; the pictures are drawn to the controls' sizes by tools/assetgen.

#include "game/design_pictures.h"

#include <string>

#include "game/frmTolvarin.h"
#include "shell/resources.h"

namespace {

using vb::LoadResPicture;

std::string Numbered(const char* name, int n) { return name + std::to_string(n); }

void LoadDice(frmTolvarin& f) {
    // Face k + 1 of a free and of a held die; the dice show faces 1 to 6 before the first
    // roll.
    for (int16_t k = 0; k < 6; ++k) {
        f.picHide(k).setPicture(LoadResPicture(Numbered("die", k + 1)));
        f.picHideOff(k).setPicture(LoadResPicture(Numbered("held", k + 1)));
        f.picDice(k).setPicture(f.picHide(k).Picture());
        f.PicDiceOff(k).setPicture(f.picHideOff(k).Picture());
    }
}

void LoadRollArea(frmTolvarin& f) {
    f.picRollDice.setPicture(LoadResPicture("roll"));
    f.picRollOn.setPicture(LoadResPicture("rollpressed"));
    f.picRollOff.setPicture(LoadResPicture("rolloff"));
    for (vb::CommandButton* b : {&f.cmdNextPlayer, &f.cmdShowNextBoard}) {
        b->setPicture(LoadResPicture("handover"));
        b->setDisabledPicture(LoadResPicture("handoveroff"));
    }
    f.picRollDices.setPicture(f.picRollDice.Picture());
    for (int16_t k = 0; k < 3; ++k) {
        f.picRound(k).setPicture(LoadResPicture("lamplit"));
        f.picRoundBG(k).setPicture(LoadResPicture("lampdark"));
    }
}

// The counter, its work pictures and the players' stored counters all start blank.
void LoadCounter(frmTolvarin& f) {
    for (int16_t k = 0; k <= 9; ++k) f.picDigit(k).setPicture(LoadResPicture(Numbered("digit", k)));
    f.picNeg.setPicture(LoadResPicture("minus"));
    const vb::Picture blank = LoadResPicture("counter");
    for (vb::PictureBox* p : {&f.picScoreB, &f.picScore, &f.picBuffer(0), &f.picBuffer(1),
                              &f.picBuffer(2), &f.picPlayer1Score, &f.picPlayer2Score})
        p->setPicture(blank);
}

void LoadSheet(frmTolvarin& f) {
    const vb::Picture cell = LoadResPicture("cellbutton");
    f.imgBut3.setPicture(cell);
    // Every cell button shows the cell picture until the layout gives it another.
    for (int16_t r = 0; r < kSheetRows; ++r)
        for (auto* buttons : {&f.cmdDown, &f.cmdUp, &f.cmdRand, &f.cmdOblg})
            (*buttons)(r).setPicture(cell);
    for (int16_t r = 0; r < kSheetRows; ++r) {
        f.img1ColumnP(r).setPicture(LoadResPicture(Numbered("row", r)));
        f.img1Column(r).setPicture(LoadResPicture(Numbered("rowlit", r)));
    }
    f.imgArrow.setPicture(LoadResPicture("arrow"));
    f.imgArrow2.setPicture(LoadResPicture("arrow"));
}

// The menus' and the toolbar's background, and the toolbar's ten pictures by index.
void LoadBars(frmTolvarin& f) {
    f.Image1.setPicture(LoadResPicture("menuback"));
    if (f.ilToolBarSmall.Count() == 0)
        for (int n = 1; n <= 10; ++n) f.ilToolBarSmall.Add(LoadResPicture(Numbered("tool", n)));
    f.ilToolBarSmall.setMaskColor(0xC0C0C0);
}

}  // namespace

void LoadDesignPictures(frmTolvarin& f) {
    LoadDice(f);
    LoadRollArea(f);
    LoadCounter(f);
    LoadSheet(f);
    LoadBars(f);
}
