// The end of a board: its grand total goes into the top-score table of the layout and dice
// in play, the top-scores window shows it and, after the second board of two, the winner
// window; then the game is over on the window, with the game-over text turning in the
// status bar until New Game.

#include "game/end_game.h"

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
#include "shell/BGmusic.h"
#include "shell/Module1.h"

namespace {

// The text that turns left through status panel 2 after a game, one character a tick.
const std::string kGameOverText = std::string(50, ' ') + "G a m e  O v e r !" +
                                  std::string(28, ' ') + "To begin a new" +
                                  " game click the 'New Game' button or press F2";

constexpr uint32_t kFirstMarqueeTick = 1;
constexpr uint32_t kFirstGameOverPause = 2000;
constexpr uint32_t kMarqueeStep = 150;

int32_t CellsOfBoard() { return Module1::NumColumns == 4 ? kFourColumnCells : kOneColumnCells; }

std::string& UnusableTable() {
    static std::string path;
    return path;
}

// The run-time error 53 is the one a player is told about: the table could not be opened.
void ReportScoreFileError(int number, const std::string& path) {
    if (number != vb::errFileNotFound) return;
    vb::MsgBox(vb::CStr(int32_t{number}) + vb::ErrorText(number) + "Cannot open " + path,
               vb::vbInformation, "Open scores");
}

// The name of the player at the board: the player flags say whose board is shown.
std::string PlayerOfShownBoard(const frmTolvarin& f) {
    if (Module1::NumPlayers == 2 && f.SecondBoardShown()) return Module1::Player2Name;
    return Module1::Player1Name;
}

// Enters the shown board's grand total into the table of the layout and dice in play.
// NewScoreRank says -1 until the new table is safely written; a failure is reported once
// and the end of the game goes on without the file.
void EnterShownBoard(frmTolvarin& f) {
    Module1::NewScoreRank = -1;
    const std::string path =
        topscores::FilePath(topscores::TableNumber(Module1::NumColumns, Module1::DiceSetting));
    Module1::NewScoreRecord.Score = f.grandTotal;
    Module1::LastGameScore = f.grandTotal;
    Module1::NewScoreRecord.Name = topscores::Field(PlayerOfShownBoard(f));
    Module1::NewScoreRecord.Date = topscores::Field(vb::ShortDate(vb::Now()));
    const bool existed = vb::FileExists(path);
    UnusableTable().clear();
    try {
        Module1::NewScoreRank = topscores::EnterScore(path, Module1::NewScoreRecord);
    } catch (const vb::RuntimeError& error) {
        UnusableTable() = vb::NativePath(path);
        // A table that did not exist and could not be made is one that was not found.
        ReportScoreFileError(existed ? error.Number() : vb::errFileNotFound, path);
    }
}

template <class Window>
void ShowModal(frmTolvarin& owner) {
    vb::Default<Window>().Show(vb::vbModal, &owner);
}

// The result windows; false after the first board of two, when the game goes on. One
// player always sees the table; with two, it opens for an entry that made it, and to say
// that the table could not be used.
bool ShowResultWindows(frmTolvarin& f) {
    if (Module1::NumPlayers != 2) {
        ShowModal<frmScores2>(f);
        return true;
    }
    if (Module1::NewScoreRank != -1 || !UnusableTable().empty()) ShowModal<frmScores2>(f);
    if (!f.SecondBoardShown()) {
        Module1::Player1Total = f.grandTotal;
        return false;
    }
    Module1::Player2Total = f.grandTotal;
    ShowModal<frmTheWinerIs>(f);
    f.cmdShowNextBoard.setVisible(true);
    f.cmdShowNextBoard.setEnabled(true);
    return true;
}

// An entered board keeps its last placement: taking it back would let it be entered again.
void TurnUndoRedoOff(frmTolvarin& f) {
    f.OfferUndo(false);
    f.OfferRedo(false);
}

}  // namespace

namespace endgame {

const std::string& UnusableScoreTable() { return UnusableTable(); }

std::string ScoreResultLine(int32_t rank, int32_t score) {
    const std::string yours = "  Your score of  " + vb::CStr(score);
    if (!UnusableTable().empty())
        return yours + " points could not be entered: the top scores table\r\n   " +
               UnusableTable() + " could not be used.";
    if (rank < 1 || rank > topscores::kTableEntries)
        return yours + " points was not good enough to get on the  \r\n   top scores table.";
    return yours + " points was good enough to get on the \r\n   top scores table at position #" +
           vb::CStr(rank) + ".";
}

}  // namespace endgame

// With two players the first player's board is entered first, and the second player's only
// by the end of the game: until then the second board's last placement can be taken back.
bool frmTolvarin::ShownBoardEntered() const {
    if (!boardEntered || roundIndex != CellsOfBoard()) return false;
    return Module1::NumPlayers != 2 || !SecondBoardShown() || gameOver;
}

void frmTolvarin::EndGame() {
    Module1::GameStarted = false;
    if (Module1::MusicOn) {  // the song and the playlist stop for the results
        BGmusic::CloseMP3();
        Timer3.setEnabled(false);
    }
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
        if (!statusMarquee.empty()) statusMarquee = statusMarquee.substr(1) + statusMarquee.front();
        StatusBar1.Panels(2).setText(statusMarquee);
    }
    gameOverScrolling = 1;
}
