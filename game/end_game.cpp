// The end of a board: its grand total goes into the top-score table of the layout and dice
// in play, the top-scores window shows it and, after the second board of two, the winner
// window; then the game is over on the window, with the game-over text turning in the
// status bar until New Game.

#include <string>

#include "dialogs/frmScores2.h"
#include "dialogs/frmTheWinerIs.h"
#include "game/frmTolvarin.h"
#include "game/top_score_file.h"
#include "platform/files/paths.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/errors.h"
#include "shell/Module1.h"

namespace {

// The text that turns left through status panel 2 after a game, one character a tick.
const std::string kGameOverText = std::string(50, ' ') + "G a m e  O v e r !" +
                                  std::string(28, ' ') + "To begin a new" +
                                  " game click the 'New Game' button or press F2";

constexpr uint32_t kFirstMarqueeTick = 1;
constexpr uint32_t kFirstGameOverPause = 2000;
constexpr uint32_t kMarqueeStep = 150;

int32_t CellsOfBoard() { return Module1::NumColumns == 4 ? 4 * kSheetRows : kSheetRows; }

// The run-time error 53 is the one a player is told about: the table could not be opened.
void ReportScoreFileError(int number, const std::string& path) {
    if (number != vb::errFileNotFound) return;
    vb::MsgBox(vb::CStr(int32_t{number}) + vb::ErrorText(number) + "Cannot open " + path,
               vb::vbInformation, "Open scores");
}

}  // namespace

bool frmTolvarin::ShownBoardEntered() const {
    return boardEntered && roundIndex == CellsOfBoard();
}

void frmTolvarin::EndGame() {
    Module1::GameStarted = false;
    if (Module1::MusicOn) Timer3.setEnabled(false);  // the playlist stops for the results
    StatusBar1.Panels(2).setText(" ");
    EnterShownBoard(*this);
    Module1::OpenedFromMain = true;
    Module1::ShowScoreResult = true;
    StatusBar1.Panels(2).setText("");
    boardEntered = true;
    if (!ShowResultWindows(*this)) {
        TurnUndoRedoOff(*this);
        return;  // the first board of two: the second player plays on
    }
    if (Module1::NumPlayers != 2) picRollDices.setEnabled(false);
    picRollDices.setPicture(picRollOff.Picture());
    TurnUndoRedoOff(*this);
    Module1::GameStarted = true;
    gameOver = true;
    statusMarquee = kGameOverText;
    tmrGameOver.setInterval(kFirstMarqueeTick);
    tmrGameOver.setEnabled(true);
    if (Module1::MusicOn) Timer4.setEnabled(true);  // the intro music, after a pause
}

// Only the first game over of the window's life waits two seconds on empty panels before
// the text starts to turn.
void frmTolvarin::tmrGameOver_Timer() {
    if (gameOverScrolling == 0) {
        StatusBar1.Panels(2).setText("");
        StatusBar1.Panels(4).setText("");
        tmrGameOver.setInterval(kFirstGameOverPause);
    } else {
        tmrGameOver.setInterval(kMarqueeStep);
        if (!statusMarquee.empty())
            statusMarquee = statusMarquee.substr(1) + statusMarquee.front();
        StatusBar1.Panels(2).setText(statusMarquee);
    }
    gameOverScrolling = 1;
}
