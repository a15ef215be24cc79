// The main window as it is designed: every control's stored properties, laid anew each time
// the window loads. The arrangement is the four-column sheet with six dice; SetControls
// moves it to the settings in force. Positions and sizes are in twips.

#include <utility>

#include "game/design_pictures.h"
#include "game/frmTolvarin.h"

namespace {

using F = frmTolvarin;

constexpr vb::OleColor kCellBack = vb::vbWhite;
constexpr vb::OleColor kTotalBack = 0xE0E0E0;
constexpr vb::OleColor kPanelBack = vb::vbBlack;
constexpr vb::OleColor kHintFore = vb::vbYellow;
constexpr vb::OleColor kSheetBack = 0x808080;
constexpr vb::OleColor kTableBack = 0x006000;  // the green cloth under the dice
constexpr vb::OleColor kRuleColour = 0x404040;

const vb::Font kCellFont{.Name = "Arial", .Size = 9, .Bold = true};
const vb::Font kRowFont{.Name = "Arial", .Size = 8, .Bold = true};
// The longest total caption, "(Max-Min)xOnes", fits its bar a size smaller.
const vb::Font kLongCaptionFont{.Name = "Arial", .Size = 7.5f, .Bold = true};
const vb::Font kHandOverFont{.Name = "Arial", .Size = 8, .Bold = true};

// Rows 0 to 12: the upper section, Max and Min, the lower section.
constexpr int32_t kCellTops[13] = {630,  885,  1140, 1395, 1650, 1905, 2520,
                                   2775, 3390, 3645, 3900, 4155, 4410};
constexpr int32_t kSubTotalTop = 2200;
constexpr int32_t kMaxMinLineTop = 3080;
constexpr int32_t kColumnTotalTop = 4690;

// Inside Picture2: the row names, their backing shapes and the hint values.
constexpr int32_t kOptionTops[13] = {15,   280,  550,  810,  1080, 1350, 1920,
                                     2195, 2785, 3055, 3325, 3595, 3870};
constexpr int32_t kOptionShapeTops[13] = {5,    270,  540,  810,  1060, 1340, 1920,
                                          2195, 2770, 3040, 3315, 3585, 3850};
constexpr int32_t kTipTops[13] = {25,   290,  550,  820,  1080, 1350, 1930,
                                  2205, 2785, 3055, 3325, 3595, 3870};
const char* const kRowNames[13] = {
    "Ones", "Twos",        "Threes",     "Fours",    "Fives",       "Sixes",   "Max",
    "Min",  "3 of a Kind", "Full House", "Straight", "4 of a Kind", "Tolvarin"};

void DesignLabel(vb::Label& l, vb::OleColor back, vb::OleColor fore, int16_t alignment) {
    l.setCaption("");
    l.setBackColor(back);
    l.setForeColor(fore);
    l.setBackStyle(1);
    l.setAlignment(alignment);
    l.setVisible(true);
}

void DesignShape(vb::Shape& s, vb::OleColor back, int16_t backStyle) {
    s.setKind(vb::vbShapeRectangle);
    s.setBackColor(back);
    s.setBackStyle(backStyle);
    s.setBorderColor(kRuleColour);
    s.setVisible(true);
}

void DesignColumn(F::SheetColumn col, int32_t left, bool down) {
    for (int16_t r = 0; r < kSheetRows; ++r) {
        vb::Label& cell = col.cells(r);
        DesignLabel(cell, kCellBack, vb::vbBlack, vb::vbCenter);
        cell.setFont(kCellFont);
        cell.setBorderStyle(1);
        cell.Move(left, kCellTops[r], kCellWidth, 255);
        vb::CommandButton& button = col.buttons(r);
        button.setCaption("");
        button.setStyle(1);
        button.Move(left, kCellTops[r], down && r == 0 ? 615 : kCellWidth, 260);
        button.setVisible(true);
        button.setEnabled(false);  // the first roll of a game enables them
    }
    const std::pair<vb::Label*, int32_t> totals[] = {{&col.subTotal, kSubTotalTop},
                                                     {&col.maxMinLine, kMaxMinLineTop},
                                                     {&col.columnTotal, kColumnTotalTop}};
    for (const auto& [total, top] : totals) {
        DesignLabel(*total, kTotalBack, vb::vbBlack, vb::vbCenter);
        total->setFont(kCellFont);
        total->setBorderStyle(1);
        total->Move(left, top, kCellWidth, 255);
    }
}

void DesignSheet(F& f) {
    for (int32_t code = colDown; code <= colOblg; ++code)
        DesignColumn(f.Column(code), kColumnLefts[code - 1], code == colDown);
    DesignShape(f.Shape10, kSheetBack, 1);
    f.Shape10.Move(2160, 585, 2505, 4770);
}

void DesignRowNames(F& f) {
    for (int16_t r = 0; r < kSheetRows; ++r) {
        vb::Label& name = f.lblOption(r);
        name.setContainer(&f.Picture2);
        DesignLabel(name, vb::vbBlack, vb::vbWhite, vb::vbLeftJustify);
        name.setCaption(kRowNames[r]);
        name.setFont(kRowFont);
        name.Move(30, kOptionTops[r], 1250, r >= rowThreeOfAKind ? 210 : 220);
        vb::Shape& back = f.shpOptions(r);
        back.setContainer(&f.Picture2);
        // The shapes under the row names and hints have no edge: the labels would cut it
        // into broken lines.
        DesignShape(back, vb::vbBlack, 1);
        back.setBorderStyle(0);
        back.Move(30, kOptionShapeTops[r], 1250, r <= rowMin ? 240 : 220);
        vb::Label& tip = f.lblTip(r);
        tip.setContainer(&f.Picture2);
        DesignLabel(tip, vb::vbBlack, kHintFore, vb::vbCenter);
        tip.setFont(kRowFont);
        tip.Move(1300, kTipTops[r], 300, 220);
        vb::Shape& tipBack = f.Shape12(r);
        tipBack.setContainer(&f.Picture2);
        DesignShape(tipBack, vb::vbBlack, 1);
        tipBack.setBorderStyle(0);
        tipBack.Move(1300, kOptionShapeTops[r], 300, r <= rowMin ? 235 : 220);
    }
}

void DesignTotalCaptions(F& f) {
    struct Caption {
        vb::Label F::*label;
        vb::Shape F::*back;
        const char* text;
        int32_t top, height, backTop, backHeight;
    };
    const Caption captions[] = {
        {&F::Label4, &F::shpLabel4, "Sub Total ", 1630, 220, 1620, 240},
        {&F::Label3, &F::shpLabel3, "(Max-Min)xOnes", 2490, 220, 2475, 260},
        {&F::Label13, &F::shpLabel13, "Column Total ", 4125, 210, 4120, 220},
        {&F::Label2, &F::shpLabel2, "Grand Total ", 4425, 220, 4425, 220}};
    for (const Caption& c : captions) {
        vb::Label& label = f.*c.label;
        label.setContainer(&f.Picture2);
        DesignLabel(label, vb::vbBlack, vb::vbWhite, vb::vbRightJustify);
        label.setBackStyle(0);
        label.setCaption(c.text);
        label.setFont(c.label == &F::Label3 ? kLongCaptionFont : kRowFont);
        label.Move(30, c.top, 1570, c.height);
        vb::Shape& back = f.*c.back;
        back.setContainer(&f.Picture2);
        DesignShape(back, kTableBack, 1);
        back.Move(30, c.backTop, 1570, c.backHeight);
    }
    // The arrows stand in the gap between the row names and the cells, beside "Grand
    // Total", pointing at the counter; the one-column sheet is 250 shorter.
    f.imgArrow.Move(1830, 5030, 195, 195);
    f.imgArrow.setVisible(true);
    f.imgArrow2.Move(1830, 4780, 195, 195);
    f.imgArrow2.setVisible(false);
}

void DesignRowPanel(F& f) {
    f.Picture2.Move(142, 587, 1655, 4740);
    f.Picture2.setBackColor(kPanelBack);
    f.Picture2.setBorderStyle(0);
    f.Picture2.setVisible(true);
    DesignRowNames(f);
    DesignTotalCaptions(f);
}

void DesignLines(F& f) {
    struct Rule {
        vb::Line F::*line;
        int32_t x1, y1, x2, y2;
    };
    const Rule rules[] = {{&F::Line1, 82, 520, 82, 5414},      {&F::Line2, 82, 520, 2040, 520},
                          {&F::Line3, 2040, 520, 2040, 5414},  {&F::Line4, 82, 5414, 2060, 5414},
                          {&F::Line10, 2100, 520, 2100, 5414}, {&F::Line11, 2100, 520, 4725, 520},
                          {&F::Line9, 4725, 520, 4725, 5425},  {&F::Line12, 2100, 5414, 4725, 5414},
                          {&F::Line5, 82, 5490, 82, 7540},     {&F::Line6, 82, 5490, 4732, 5490},
                          {&F::Line7, 4732, 5490, 4732, 7555}, {&F::Line8, 82, 7540, 4732, 7540}};
    for (const Rule& r : rules) {
        vb::Line& line = f.*r.line;
        line.setEnds(r.x1, r.y1, r.x2, r.y2);
        line.setBorderColor(kRuleColour);
        line.setVisible(true);
    }
}

void DesignPicture(vb::PictureBox& p, int32_t left, int32_t top, int32_t width, int32_t height) {
    p.Move(left, top, width, height);
    p.setBorderStyle(0);
    p.setVisible(true);
    p.setEnabled(true);
}

void DesignDice(F& f) {
    constexpr int32_t kDieLefts[3] = {245, 1150, 2070};
    constexpr int32_t kFrameLefts[3] = {247, 1150, 2070};
    constexpr int32_t kRowTops[2] = {5655, 6575};
    vb::Shape* const frames[6] = {&f.Shape6, &f.Shape7, &f.Shape8, &f.Shape3, &f.Shape4, &f.Shape5};
    for (int16_t i = 0; i < 6; ++i) {
        const int32_t top = kRowTops[i / 3];
        DesignPicture(f.picDice(i), kDieLefts[i % 3], top, 800, 800);
        f.picDice(i).setEnabled(false);  // the first roll enables them
        const int32_t heldLeft = i % 3 == 0 ? 247 : kDieLefts[i % 3];
        DesignPicture(f.PicDiceOff(i), heldLeft, top, 800, 800);
        f.PicDiceOff(i).setVisible(false);
        DesignShape(*frames[i], kTableBack, 0);
        frames[i]->Move(kFrameLefts[i % 3], top, 810, 810);
    }
    DesignShape(f.Shape9, kTableBack, 1);
    f.Shape9.Move(142, 5550, 4530, 1930);
}

// The roll area holds the three roll lamps and the hand-over buttons, so that they move
// with it between the two sheet heights.
void DesignRollArea(F& f) {
    DesignPicture(f.picRollDices, 3010, 5655, 1545, 1710);
    DesignShape(f.Shape1, kTableBack, 0);
    f.Shape1.Move(3000, 5655, 1590, 1730);
    for (int16_t k = 0; k < 3; ++k) {
        const int32_t left = 260 + 385 * k;
        f.picRound(k).setContainer(&f.picRollDices);
        DesignPicture(f.picRound(k), left, 90, 255, 255);
        f.picRound(k).setVisible(false);
        f.picRoundBG(k).setContainer(&f.picRollDices);
        DesignPicture(f.picRoundBG(k), left, 90, 255, 255);
    }
    for (vb::CommandButton* b : {&f.cmdNextPlayer, &f.cmdShowNextBoard}) {
        b->setContainer(&f.picRollDices);
        b->setStyle(1);
        b->setFont(kHandOverFont);
        b->Move(75, 1290, 1395, 345);
        b->setVisible(false);
    }
    f.cmdNextPlayer.setCaption("Next Player");
    f.cmdNextPlayer.setEnabled(true);
    f.cmdShowNextBoard.setCaption("");
    f.cmdShowNextBoard.setEnabled(false);
}

void DesignCounter(F& f) {
    DesignPicture(f.picScore, 2205, 4985, 2400, 330);
    DesignPicture(f.picScoreB, 7200, 6200, 2400, 330);
    DesignPicture(f.picPlayer1Score, 7200, 5400, 2400, 330);
    DesignPicture(f.picPlayer2Score, 7200, 5800, 2400, 330);
    for (int16_t k = 0; k < 3; ++k) DesignPicture(f.picBuffer(k), 7200, 6600 + 400 * k, 2400, 330);
    for (int16_t k = 0; k < 10; ++k) DesignPicture(f.picDigit(k), 9800 + 240 * k, 600, 195, 255);
    DesignPicture(f.picNeg, 9800, 1000, 195, 255);
    for (vb::PictureBox* p : {&f.picScore, &f.picScoreB, &f.picPlayer1Score, &f.picPlayer2Score,
                              &f.picBuffer(0), &f.picBuffer(1), &f.picBuffer(2)})
        p->setAutoRedraw(true);
}

// Picture sources and the clock's label lie right of the 4900-wide window, never seen.
void DesignSources(F& f) {
    DesignPicture(f.picRollDice, 5250, 5550, 1545, 1710);
    DesignPicture(f.picRollOn, 5340, 5550, 1545, 1710);
    DesignPicture(f.picRollOff, 5325, 5520, 1545, 1710);
    for (int16_t k = 0; k < 6; ++k) {
        DesignPicture(f.picHide(k), 6300, 4500, 800, 800);
        DesignPicture(f.picHideOff(k), 7200, 4500, 800, 800);
    }
    f.imgBut3.Move(5250, 600, kCellWidth, 260);
    for (int16_t r = 0; r < kSheetRows; ++r) {
        f.img1ColumnP(r).Move(5250, 1000 + 270 * r, 2400, 260);
        f.img1Column(r).Move(10500, 1000 + 270 * r, 2400, 260);
    }
    f.Image1.Move(10500, 5000, 960, 960);
    DesignLabel(f.lblTimeElapsed, vb::vbBlack, vb::vbWhite, vb::vbCenter);
    f.lblTimeElapsed.setCaption("00:00:00");
    f.lblTimeElapsed.Move(8400, 1080, 1125, 255);
}

void DesignStatusBar(F& f) {
    vb::StatusBar& bar = f.StatusBar1;
    bar.Move(0, 7590, 4785, 315);
    bar.setVisible(true);
    while (bar.PanelCount() < 5) bar.AddPanel(1);
    // One player's arrangement: panel 2 prompts, panel 4 the round, panel 5 the clock.
    const int32_t widths[5] = {1, 2550, 1, 1230, 1000};
    for (int16_t p = 1; p <= 5; ++p) {
        vb::Panel& panel = bar.Panels(p);
        panel.setWidth(widths[p - 1]);
        panel.setVisible(widths[p - 1] > 1);
        panel.setText("");
    }
    bar.Panels(5).setText("00:00:00");
}

void DesignToolbar(F& f) {
    struct Button {
        const char* key;
        int16_t image;
        const char* tip;
    };
    // Image 0 with no key is a separator.
    const Button buttons[12] = {{"tbNew", 1, "New Game"},
                                {"", 0, ""},
                                {"tbUndo", 2, "Undo"},
                                {"tbRedo", 3, "Redo"},
                                {"", 0, ""},
                                {"tbHint", 4, "Show Hints"},
                                {"", 0, ""},
                                {"tbSound", 5, "Sounds On/Off"},
                                {"tbBGmusic", 9, "Music On/Off"},
                                {"", 0, ""},
                                {"tbHelp", 6, "Quick Help"},
                                {"tbExit", 7, "Exit Game"}};
    vb::Toolbar& bar = f.Toolbar2;
    bar.Move(0, 0, 4785, 420);
    bar.setImageList(&f.ilToolBarSmall);
    bar.setVisible(true);
    if (bar.ButtonCount() == 0)
        for (const Button& b : buttons)
            bar.AddButton(b.key, b.image, b.image == 0 ? vb::tbrSeparator : int16_t{0});
    for (int16_t i = 1; i <= bar.ButtonCount(); ++i) {
        vb::ToolbarButton& button = bar.Buttons(i);
        button.setImage(buttons[i - 1].image);
        button.setToolTipText(buttons[i - 1].tip);
        button.setEnabled(true);
        button.setVisible(true);
    }
    bar.Buttons("tbUndo").setEnabled(false);
    bar.Buttons("tbRedo").setEnabled(false);
}

void DesignMenus(F& f) {
    struct Item {
        vb::Menu F::*menu;
        const char* caption;
        const char* shortcut;
    };
    const Item items[] = {{&F::mnuGame, "&Game", ""},
                          {&F::mnuNewGame, "&New Game", "F2"},
                          {&F::mnuOptions, "&Options...", "Ctrl+O"},
                          {&F::mnuScores, "&Show Top Scores...", "Ctrl+H"},
                          {&F::mnuHyphen1, "-", ""},
                          {&F::mnuGameExit, "E&xit", "Ctrl+X"},
                          {&F::mnuTools, "&Tools", ""},
                          {&F::mnuUndoUndo, "&Undo", ""},
                          {&F::mnuUndoRedo, "&Redo", ""},
                          {&F::mnuHyphen2, "-", ""},
                          {&F::mnuHintsByRequest, "Show &Hints by Request", ""},
                          {&F::mnuHintsByRequest2, "S&how Hints by Request", ""},
                          {&F::mnuHintsAllways, "Show Hints &Allways", ""},
                          {&F::mnuHintsAllways2, "Show &Hints Allways", ""},
                          {&F::mnuHyphen3, "-", ""},
                          {&F::mnuSoundsOn, "Turn S&ound Effects On", ""},
                          {&F::mnuSoundsOn2, "Turn Sound &Effects On", ""},
                          {&F::mnuSoundsOff, "Turn Sou&nd Effects Off", ""},
                          {&F::mnuSoundsOff2, "Turn Sound E&ffects Off", ""},
                          {&F::mnuHyphen4, "-", ""},
                          {&F::mnuMusicOn, "Turn &Music On", ""},
                          {&F::mnuMusicOn2, "Turn M&usic On", ""},
                          {&F::mnuMusicOff, "Turn Mu&sic Off", ""},
                          {&F::mnuMusicOff2, "Turn Mus&ic Off", ""},
                          {&F::mnuHelp, "&Help", ""},
                          {&F::mnuQuickStar, "&Quick Start...", ""},
                          {&F::mnuContents, "Help &Contents...", "F1"},
                          {&F::mnuHyphen5, "-", ""},
                          {&F::mnuGoToWeb, "&Visit Web Site...", ""},
                          {&F::mnuContact, "&Contact the Author...", ""},
                          {&F::mnuHyphen6, "-", ""},
                          {&F::mnuAbout, "&About Tolvarin...", ""}};
    for (const Item& item : items) {
        vb::Menu& menu = f.*item.menu;
        menu.setCaption(item.caption);
        menu.setShortcut(item.shortcut);
        menu.setChecked(false);
        menu.setVisible(true);
        menu.setEnabled(true);
    }
    f.mnuUndoUndo.setEnabled(false);
    f.mnuUndoRedo.setEnabled(false);
}

void DesignTimers(F& f) {
    struct Design {
        vb::Timer F::*timer;
        uint32_t interval;
    };
    // Every timer is stored disabled; the window's code starts each one when it is needed.
    const Design timers[] = {{&F::tmrCounter, 10},   {&F::tmrRollDice, 300},
                             {&F::tmrAnimation, 1},  {&F::tmrTimeElapsed, 1000},
                             {&F::tmrGameOver, 150}, {&F::Timer3, 500},
                             {&F::Timer4, 1000}};
    for (const Design& d : timers) {
        vb::Timer& timer = f.*d.timer;
        timer.setEnabled(false);
        timer.setInterval(d.interval);
    }
}

}  // namespace

void frmTolvarin::InitializeComponent() {
    setCaption("Tolvarin 2.3");
    designGeometry(0, 0, 4900, 8530);
    setKeyPreview(true);  // Enter rolls and Space minimises, whatever control was clicked
    DesignSheet(*this);
    DesignRowPanel(*this);
    DesignLines(*this);
    DesignDice(*this);
    DesignRollArea(*this);
    DesignCounter(*this);
    DesignSources(*this);
    DesignStatusBar(*this);
    DesignToolbar(*this);
    DesignMenus(*this);
    DesignTimers(*this);
    LoadDesignPictures(*this);
    ConnectTurnEvents();
    ConnectWindowEvents();
}

// Each concern wires its handlers under its own heading.
void frmTolvarin::ConnectTurnEvents() {
    // -- Rolling and holding the dice
    picRollDices.MouseDown = [this](int16_t b, int16_t s, float x, float y) {
        picRollDices_MouseDown(b, s, x, y);
    };
    picRollDices.MouseUp = [this](int16_t b, int16_t s, float x, float y) {
        picRollDices_MouseUp(b, s, x, y);
    };
    cmdNextPlayer.MouseUp = [this](int16_t b, int16_t s, float x, float y) {
        cmdNextPlayer_MouseUp(b, s, x, y);
    };
    for (int16_t i = 0; i <= 5; ++i) {
        picDice(i).Click = [this, i] { picDice_Click(i); };
        PicDiceOff(i).Click = [this, i] { PicDiceOff_Click(i); };
    }
    tmrRollDice.Tick = [this] { tmrRollDice_Timer(); };
    // -- Placing a score and the announce column
    for (int16_t i = 0; i < kSheetRows; ++i) {
        cmdDown(i).Click = [this, i] { cmdDown_Click(i); };
        cmdUp(i).Click = [this, i] { cmdUp_Click(i); };
        cmdRand(i).Click = [this, i] { cmdRand_Click(i); };
        cmdOblg(i).Click = [this, i] { cmdOblg_Click(i); };
    }
    // -- Row highlight under the pointer
    for (int16_t i = 0; i < kSheetRows; ++i) {
        cmdDown(i).MouseMove = [this, i](int16_t b, int16_t s, float x, float y) {
            cmdDown_MouseMove(i, b, s, x, y);
        };
        cmdUp(i).MouseMove = [this, i](int16_t b, int16_t s, float x, float y) {
            cmdUp_MouseMove(i, b, s, x, y);
        };
        cmdOblg(i).MouseMove = [this, i](int16_t b, int16_t s, float x, float y) {
            cmdOblg_MouseMove(i, b, s, x, y);
        };
        cmdRand(i).MouseMove = [this, i](int16_t b, int16_t s, float x, float y) {
            cmdRand_MouseMove(i, b, s, x, y);
        };
    }
}

void frmTolvarin::ConnectWindowEvents() {
    // -- Undo and redo
    mnuUndoUndo.Click = [this] { mnuUndoUndo_Click(); };
    mnuUndoRedo.Click = [this] { mnuUndoRedo_Click(); };
    // -- Two players and their boards
    cmdShowNextBoard.Click = [this] { cmdShowNextBoard_Click(); };
    // -- Closing, minimising and the game clock
    tmrTimeElapsed.Tick = [this] { tmrTimeElapsed_Timer(); };
    // -- Score counter
    tmrCounter.Tick = [this] { tmrCounter_Timer(); };
    // -- End of game
    tmrGameOver.Tick = [this] { tmrGameOver_Timer(); };
    // -- New game and the board reveal
    mnuNewGame.Click = [this] { mnuNewGame_Click(); };
    tmrAnimation.Tick = [this] { tmrAnimation_Timer(); };
    // -- Menus, toolbar, sound and music
    mnuOptions.Click = [this] { mnuOptions_Click(); };
    mnuScores.Click = [this] { mnuScores_Click(); };
    mnuGameExit.Click = [this] { mnuGameExit_Click(); };
    mnuHintsByRequest2.Click = [this] { mnuHintsByRequest2_Click(); };
    mnuHintsAllways2.Click = [this] { mnuHintsAllways2_Click(); };
    mnuSoundsOn2.Click = [this] { mnuSoundsOn2_Click(); };
    mnuSoundsOff2.Click = [this] { mnuSoundsOff2_Click(); };
    mnuMusicOn2.Click = [this] { mnuMusicOn2_Click(); };
    mnuMusicOff2.Click = [this] { mnuMusicOff2_Click(); };
    mnuQuickStar.Click = [this] { mnuQuickStar_Click(); };
    mnuContents.Click = [this] { mnuContents_Click(); };
    mnuGoToWeb.Click = [this] { mnuGoToWeb_Click(); };
    mnuContact.Click = [this] { mnuContact_Click(); };
    mnuAbout.Click = [this] { mnuAbout_Click(); };
    Toolbar2.ButtonClick = [this](vb::ToolbarButton& Button) { Toolbar2_ButtonClick(Button); };
    Timer3.Tick = [this] { Timer3_Timer(); };
    Timer4.Tick = [this] { Timer4_Timer(); };
}
