#include "dialogs/frmScores2.h"

#include "dialogs/dialog_owner.h"
#include "game/end_game.h"
#include "game/top_score_file.h"
#include "platform/files/file_ops.h"
#include "platform/files/paths.h"
#include "platform/forms/msgbox.h"
#include "platform/media/mci.h"
#include "platform/runtime/app.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/strings.h"
#include "shell/Module1.h"
#include "shell/base_cursor.h"

namespace {

constexpr vb::OleColor kTableBack = 0xD2FFEF;  // RGB(239, 255, 210)

// The list's columns: the place, then what each record holds.
struct Column {
    const char* header;
    int16_t icon;  // in ilHeader
    int32_t width;
};
constexpr Column kColumns[] = {
    {"", 4, 800}, {"Name", 1, 2200}, {"Score", 3, 1550}, {"Date", 2, 1650}};

// The window without and with the result line of a finished game: where the buttons, the
// foot of the box around them and the check box below it stand, and the window's height.
struct Layout {
    int32_t buttonTop;
    int32_t ruleY;
    int32_t checkTop;
    int32_t height;
};
constexpr Layout kPlainLayout{6390, 7040, 7100, 7860};
constexpr Layout kResultLayout{7015, 7650, 7720, 8500};

// Rows are keyed "a" to "t" by place, so that a place finds its row.
std::string RowKey(int32_t place) { return std::string(1, static_cast<char>(96 + place)); }

// The end-of-game jingle plays on the "song" device and goes on after the window closes.
void PlayJingle(const std::string& file, bool closeFirst) {
    if (!Module1::SoundsOn || Module1::SuppressSounds) return;
    const std::string path = "\"" + vb::Trim(vb::App().Path + "\\TLWAVS\\" + file) + "\"";
    if (closeFirst) win::mciSendStringA("close song", nullptr, 0, 0);
    win::mciSendStringA(("open " + path + " alias song").c_str(), nullptr, 0, 0);
    win::mciSendStringA("play song", nullptr, 0, 0);
}

// A table that was not found gets the game's own message; any other failure says what
// could not be done to which file, so that a damaged or locked table is never passed over.
void ReportFileError(const vb::RuntimeError& error, const std::string& path,
                     const std::string& what) {
    if (error.Number() == vb::errFileNotFound) {
        vb::MsgBox(vb::CStr(int32_t{error.Number()}) + error.Description() + "Cannot open " + path,
                   vb::vbInformation, "Open scores");
        return;
    }
    vb::MsgBox("Cannot " + what + " the top-score table " + path + ":\r\n" + error.Description(),
               vb::vbExclamation, "Open scores");
}

}  // namespace

// Centred over its owner at the window's design height.
void frmScores2::Form_Load() {
    PlaceOverOwner(*this, false);
    Module1::UseBaseCursor(hWnd());
    LVScores.setBackColor(kTableBack);
    TableNumber = topscores::TableNumber(Module1::NumColumns, Module1::DiceSetting);
    Check1.setValue(Module1::GridLinesOn ? vb::vbChecked : vb::vbUnchecked);
    LVScores.setGridLines(Module1::GridLinesOn);
    SuppressTabReload = true;
    ShowTable(TableNumber);
    SSTab1.setTab(static_cast<int16_t>(TableNumber - 1));
    // From here every tab change, by mouse or by keyboard, shows its own table.
    SuppressTabReload = false;
    LayOut(Module1::ShowScoreResult);
    if (Module1::ShowScoreResult) ShowResultLine();
}

void frmScores2::LayOut(bool resultLine) {
    const Layout& layout = resultLine ? kResultLayout : kPlainLayout;
    lblScore.setVisible(resultLine);
    cmdClearTable.setTop(layout.buttonTop);
    cmdReturn.setTop(layout.buttonTop);
    Line2.setY1(layout.ruleY);
    Line2.setY2(layout.ruleY);
    Line3.setY2(layout.ruleY);
    Line4.setY2(layout.ruleY);
    Check1.setTop(layout.checkTop);
    setHeight(layout.height);
}

void frmScores2::ShowTable(int32_t tableNumber) {
    ScoresFilePath = topscores::FilePath(tableNumber);
    if (vb::FileExists(ScoresFilePath))
        LoadScoresTable();
    else
        ShowEmptyTable();
}

void frmScores2::SetupColumns() {
    LVScores.setColumnHeaderIcons(ilHeader.Name());
    LVScores.ClearColumns();
    for (const Column& c : kColumns) LVScores.AddColumn(c.header, c.width, c.icon);
}

void frmScores2::ShowEmptyTable() {
    LVScores.ClearItems();
    SetupColumns();
    for (int32_t place = 1; place <= topscores::kTableEntries; ++place)
        LVScores.AddItem(RowKey(place), vb::CStr(place));
}

// An empty place (score -9999) shows no score, while its name and date show what is
// stored; the places a short file does not reach are empty places. A table that cannot be
// read shows 20 empty places after the message.
void frmScores2::LoadScoresTable() {
    LVScores.ClearItems();
    SetupColumns();
    std::vector<Module1::ScoreRecord> table;
    try {
        table = topscores::ReadTable(ScoresFilePath);
    } catch (const vb::RuntimeError& error) {
        ReportFileError(error, ScoresFilePath, "read");
        ShowEmptyTable();
        return;
    }
    for (int32_t place = 1; place <= topscores::kTableEntries; ++place) {
        const Module1::ScoreRecord& row = table[static_cast<size_t>(place - 1)];
        vb::ListItem& item = LVScores.AddItem(RowKey(place), vb::CStr(place));
        item.setSubItems(1, topscores::FieldText(row.Name));
        if (row.Score != topscores::kEmptyScore) item.setSubItems(2, vb::CStr(row.Score));
        item.setSubItems(3, topscores::FieldText(row.Date));
    }
}

void frmScores2::ShowResultLine() {
    const int32_t rank = Module1::NewScoreRank;
    lblScore.setCaption(endgame::ScoreResultLine(rank, Module1::LastGameScore));
    if (rank < 1 || rank > topscores::kTableEntries) {
        PlayJingle("GameOver1.mp3", true);
        return;
    }
    win::mciSendStringA("close song", nullptr, 0, 0);
    LVScores.ListItems(RowKey(rank)).setSelected(true);
    PlayJingle("GameOver2.mp3", false);
}

void frmScores2::SSTab1_Click(int16_t /*PreviousTab*/) {
    if (SuppressTabReload) return;
    cmdClearTable.PutProperty("Enabled", true);
    ShowTable(SSTab1.Tab() + 1);
}

void frmScores2::Check1_Click() { LVScores.setGridLines(Check1.Value() == vb::vbChecked); }

// Clears the table of the tab shown, which is the table on the screen.
void frmScores2::cmdClearTable_Click() {
    ScoresFilePath = topscores::FilePath(SSTab1.Tab() + 1);
    if (!vb::FileExists(ScoresFilePath)) {
        vb::MsgBox("Table is Empty!", vb::vbExclamation);
        return;
    }
    if (vb::MsgBox("Delete top 20 Scores?", vb::vbOKCancel + vb::vbQuestion, "Delete Scores?") !=
        vb::vbOK)
        return;
    try {
        vb::SetAttr(ScoresFilePath, 0);  // normal: a hidden or read-only table goes too
        vb::Kill(ScoresFilePath);
    } catch (const vb::RuntimeError& error) {
        ReportFileError(error, ScoresFilePath, "delete");
        return;
    }
    ShowEmptyTable();
    cmdClearTable.PutProperty("Enabled", false);
}

void frmScores2::cmdReturn_Click() { Unload(); }

void frmScores2::Form_Unload(int16_t& /*Cancel*/) {
    Module1::GridLinesOn = Check1.Value() != vb::vbUnchecked;
}
