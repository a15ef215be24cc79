// The options dialog as designed: one tab holding seven frames in five rows, and the OK and
// Cancel buttons under them. Every place is relative to the control it sits in.

#include "dialogs/dialog_design.h"
#include "dialogs/frmOptions.h"

namespace {

using F = frmOptions;

using dialogs::kButtonFont;

// The inner area is 5685 x 7755 twips; the tab fills it but for a 60-twip edge.
constexpr int32_t kInnerWidth = 5685, kInnerHeight = 7755;
constexpr int32_t kFrameFull = 5280, kFrameHalf = 2580;
constexpr int32_t kLeftColumn = 120, kRightColumn = 2820;
constexpr int32_t kChoiceHeight = 255;

struct FramePlace {
    vb::Frame F::*frame;
    const char* caption;
    int32_t left, top, width, height;
};
constexpr FramePlace kFrames[] = {
    {&F::Frame1, " Number of Dice ", kLeftColumn, 480, kFrameHalf, 1095},
    {&F::Frame3, " Number of Players ", kRightColumn, 480, kFrameHalf, 1095},
    {&F::Frame2, " Type of Game ", kLeftColumn, 1785, kFrameFull, 780},
    {&F::Frame6, " Players Names ", kLeftColumn, 2775, kFrameFull, 840},
    {&F::Frame4, " General Options ", kLeftColumn, 3825, kFrameHalf, 1380},
    {&F::Frame5, " Show at Start Up ", kRightColumn, 3825, kFrameHalf, 1380},
    {&F::Frame7, " Adjust Music Volume ", kLeftColumn, 5415, kFrameFull, 1095},
};

// The option buttons and check boxes, each in its frame.
struct ChoicePlace {
    vb::Control* control;
    vb::Frame* frame;
    const char* caption;
    int32_t left, top, width;
};

}  // namespace

void frmOptions::InitializeComponent() {
    sldVolume.Change = nullptr;  // the design's own position is no change of the volume
    setCaption("Options");
    designGeometry(0, 0, kInnerWidth + 90, kInnerHeight + 385);
    SSTab1.setTabs(1);
    SSTab1.setTabCaption(0, "Options");
    SSTab1.Move(60, 60, kInnerWidth - 120, kInnerHeight - 120);
    DesignFrames();
    DesignChoices();
    DesignVolume();
    DesignButtons();
    opt1Player.Click = [this] { opt1Player_Click(); };
    opt2Players.Click = [this] { opt2Players_Click(); };
    sldVolume.Change = [this] { sldVolume_Change(); };
}

void frmOptions::DesignFrames() {
    for (const FramePlace& p : kFrames) {
        vb::Frame& frame = this->*p.frame;
        frame.setContainer(&SSTab1);
        frame.setCaption(p.caption);
        frame.Move(p.left, p.top, p.width, p.height);
    }
    txtName1.setContainer(&Frame6);
    txtName1.Move(240, 345, 2280, 315);
    txtName1.setText("Player 1");
    txtName2.setContainer(&Frame6);
    txtName2.Move(2760, 345, 2280, 315);
    txtName2.setText("Player 2");
    txtName2.setEnabled(true);
}

// Nothing is chosen in the design, so that setting each group from the settings raises
// its Click, as the players' group needs.
void frmOptions::DesignChoices() {
    const ChoicePlace choices[] = {
        {&opt5Dice, &Frame1, "&Five Dice", 240, 330, 2160},
        {&opt6Dice, &Frame1, "&Six Dice", 240, 690, 2160},
        {&opt1Player, &Frame3, "&One Player", 240, 330, 2160},
        {&opt2Players, &Frame3, "&Two Players", 240, 690, 2160},
        {&optYahtzee, &Frame2, "&Yahtzee (single column)", 240, 345, 2520},
        {&optYamb, &Frame2, "Y&amb (four columns)", 2940, 345, 2160},
        {&chkShowStatusBar, &Frame4, "S&how Status Bar", 240, 330, 2220},
        {&chkQuitGame, &Frame4, "C&onfirm Quit Game", 240, 660, 2220},
        {&chkConfirmExit, &Frame4, "&Confirm on Exit", 240, 990, 2220},
        {&optShowNone, &Frame5, "&None", 240, 330, 2220},
        {&optShowSplash, &Frame5, "S&plash Screen", 240, 660, 2220},
        {&optShowDialog, &Frame5, "&Dialog Screen", 240, 990, 2220},
    };
    for (const ChoicePlace& p : choices) {
        vb::Control& control = *p.control;
        control.setContainer(p.frame);
        control.Move(p.left, p.top, p.width, kChoiceHeight);
        control.setEnabled(true);
        if (auto* option = dynamic_cast<vb::OptionButton*>(&control)) {
            option->setCaption(p.caption);
            option->setValue(false);
        } else if (auto* check = dynamic_cast<vb::CheckBox*>(&control)) {
            check->setCaption(p.caption);
            check->setValue(vb::vbUnchecked);
        }
    }
}

void frmOptions::DesignVolume() {
    Label1.setContainer(&Frame7);
    sldVolume.setContainer(&Frame7);
    Label2.setContainer(&Frame7);
    Label1.setCaption("Min");
    Label1.Move(180, 450, 480, kChoiceHeight);
    Label2.setCaption("Max");
    Label2.setAlignment(vb::vbRightJustify);
    Label2.Move(kFrameFull - 660, 450, 480, kChoiceHeight);
    sldVolume.setRange(0, 1000);
    sldVolume.setTickFrequency(100);
    sldVolume.setValue(500);
    sldVolume.Move(690, 330, kFrameFull - 1380, 510);
}

// OK and Cancel come from the control library, set up from their stored properties.
void frmOptions::DesignButtons() {
    HoverCommand1.setContainer(&SSTab1);
    dialogs::DesignHoverButton(HoverCommand1, "  &OK", 600, 6780, 1935, 525, kButtonFont);
    HoverCommand2.setContainer(&SSTab1);
    dialogs::DesignHoverButton(HoverCommand2, "&Cancel", 3030, 6780, 1935, 525, kButtonFont);
    // Enter is OK and Escape is Cancel, wherever the focus is.
    HoverCommand1.setDefault(true);
    HoverCommand2.setCancel(true);
    HoverCommand1.Click = [this] { HoverCommand1_Click(); };
    HoverCommand2.Click = [this] { HoverCommand2_Click(); };
}
