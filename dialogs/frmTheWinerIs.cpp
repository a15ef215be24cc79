#include "dialogs/frmTheWinerIs.h"

#include <string>

#include "dialogs/dialog_design.h"
#include "game/frmTolvarin.h"
#include "platform/runtime/conversions.h"
#include "shell/Module1.h"
#include "shell/base_cursor.h"
#include "shell/sound.h"

namespace {

const vb::Font kArial{.Name = "Arial", .Size = 10, .Bold = true};
const vb::Font kArialLarge{.Name = "Arial", .Size = 14, .Bold = true};

std::string WithoutTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// Each player's line has room for two lines of text, so that a long name wraps instead of
// losing the end of "Total Score:".
constexpr int32_t kNameWidth = 2955;
constexpr int32_t kTwoLines = 480;
constexpr int32_t kOneLine = 285;
constexpr int32_t kScoreLeft = 3135;
constexpr int32_t kScoreWidth = 660;

void DesignLabel(vb::Label& label, int32_t left, int32_t top, int32_t width, int32_t height,
                 int16_t alignment) {
    label.setCaption("");
    label.setFont(kArial);
    label.setAlignment(alignment);
    label.setBackStyle(0);
    label.Move(left, top, width, height);
    label.setVisible(true);
}

}  // namespace

// A fixed dialog frame around a client area of 3915 x 2220 twips.
void frmTheWinerIs::InitializeComponent() {
    setCaption("And the Winer is...");
    designGeometry(0, 0, 4005, 2625);
    DesignLabel(lblPlayer1, 120, 120, kNameWidth, kTwoLines, vb::vbLeftJustify);
    DesignLabel(lblScore1, kScoreLeft, 120, kScoreWidth, kOneLine, vb::vbRightJustify);
    DesignLabel(lblPlayer2, 120, 660, kNameWidth, kTwoLines, vb::vbLeftJustify);
    DesignLabel(lblScore2, kScoreLeft, 660, kScoreWidth, kOneLine, vb::vbRightJustify);
    DesignLabel(lblWiner, 120, 1230, 3675, 375, vb::vbCenter);
    lblWiner.setFont(kArialLarge);
    cmdClose.setCaption("Close");
    cmdClose.Move(1365, 1695, 1185, 375);
    cmdClose.setVisible(true);
    cmdClose.setEnabled(true);
    cmdClose.Click = [this] { cmdClose_Click(); };
}

// The totals are those of the board that finished first and second. The winner's line
// keeps the name as it is stored, trailing blanks and all.
void frmTheWinerIs::Form_Load() {
    Module1::UseBaseCursor(hWnd());
    dialogs::CentreOver(*this, vb::Default<frmTolvarin>());
    lblPlayer1.setCaption(WithoutTrailingBlanks(Module1::Player1Name) + "'s Total Score:");
    lblPlayer2.setCaption(WithoutTrailingBlanks(Module1::Player2Name) + "'s Total Score:");
    lblScore1.setCaption(vb::CStr(Module1::Player1Total));
    lblScore2.setCaption(vb::CStr(Module1::Player2Total));
    const bool draw = Module1::Player1Total == Module1::Player2Total;
    if (draw)
        lblWiner.setCaption("It's a Draw!");
    else if (Module1::Player2Total > Module1::Player1Total)
        lblWiner.setCaption(Module1::Player2Name + " " + "Wins!");
    else
        lblWiner.setCaption(Module1::Player1Name + " " + "Wins!");
    if (Module1::SoundsOn) Module1::PlayWave(draw ? "draw" : "applause");
}

// Enter and Escape close the window, as its only button does.
void frmTheWinerIs::Form_KeyPress(int16_t& KeyAscii) {
    if (KeyAscii == vb::vbKeyReturn || KeyAscii == vb::vbKeyEscape) cmdClose_Click();
}

void frmTheWinerIs::cmdClose_Click() { Unload(); }
