// The top-scores window as designed: the tabs over the list, the result line, the two
// buttons in a box of rules, and the grid-lines switch below it.

#include "dialogs/dialog_design.h"
#include "dialogs/frmScores2.h"
#include "shell/resources.h"

namespace {

const vb::Font kVerdana{.Name = "Verdana", .Size = 8};
const vb::Font kArial{.Name = "Arial", .Size = 9, .Bold = true};
using dialogs::kButtonFont;

// The tabs, in the order of the tables they show.
constexpr const char* kTabCaptions[] = {"&Yamb - 6 Dice", "&Yamb - 5 Dice", "&Yahtzee - 6 Dice",
                                        "&Yahtzee - 5 Dice"};
// The header icons by image number: 1 name, 2 date, 3 score, 4 place.
constexpr const char* kHeaderIcons[] = {"hdrname", "hdrdate", "hdrscore", "hdrplace"};

// The inner area is 6495 twips wide; everything keeps 120 twips from its sides.
constexpr int32_t kMargin = 120;
constexpr int32_t kInnerWidth = 6495;
constexpr int32_t kTabsBottom = 6360;
constexpr int32_t kButtonWidth = 1815, kButtonHeight = 525;

}  // namespace

void frmScores2::InitializeComponent() {
    SuppressTabReload = true;  // the design's own tab change loads nothing
    setCaption("Tolvarin - Hall of Fame");
    designGeometry(0, 0, kInnerWidth + 90, 7860);
    SSTab1.setTabs(4);
    for (int16_t t = 0; t < 4; ++t) SSTab1.setTabCaption(t, kTabCaptions[t]);
    SSTab1.setTab(0);
    SSTab1.Move(60, 60, kInnerWidth - 120, kTabsBottom - 60);
    ilHeader.Clear();
    for (const char* icon : kHeaderIcons) ilHeader.Add(vb::LoadResPicture(icon));
    LVScores.setFont(kVerdana);
    LVScores.setColumnHeaderIcons(ilHeader.Name());
    LVScores.Move(kMargin, 480, kInnerWidth - 2 * kMargin, 5805);
    lblScore.setCaption("");
    lblScore.setFont(kArial);
    lblScore.setBackStyle(0);
    lblScore.Move(kMargin + 60, kTabsBottom + 90, kInnerWidth - 2 * kMargin - 120, 540);
    Check1.setCaption("&Show Grid Lines");
    Check1.Move(kMargin, 7100, 2400, 255);
    DesignButtons();
    Line3.setEnds(kMargin, kTabsBottom, kMargin, 7040);
    Line4.setEnds(kInnerWidth - kMargin, kTabsBottom, kInnerWidth - kMargin, 7040);
    Line2.setEnds(kMargin, 7040, kInnerWidth - kMargin, 7040);
    for (vb::Line* rule : {&Line2, &Line3, &Line4}) rule->setBorderColor(0x808080);
    SSTab1.TabClick = [this](int16_t previous) { SSTab1_Click(previous); };
    Check1.Click = [this] { Check1_Click(); };
}

// The buttons come from the control library, set up from their stored properties.
void frmScores2::DesignButtons() {
    dialogs::DesignHoverButton(cmdClearTable, "&Clear Table", kMargin + 120, 6390, kButtonWidth,
                               kButtonHeight, kButtonFont);
    dialogs::DesignHoverButton(cmdReturn, "&Return", kInnerWidth - kMargin - 120 - kButtonWidth,
                               6390, kButtonWidth, kButtonHeight, kButtonFont);
    cmdClearTable.Click = [this] { cmdClearTable_Click(); };
    cmdReturn.setCancel(true);  // Escape returns
    cmdReturn.Click = [this] { cmdReturn_Click(); };
}
