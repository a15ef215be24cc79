#include "dialogs/frmScores2.h"

#include "game/end_game.h"
#include "game/frmTolvarin.h"
#include "game/top_score_file.h"
#include "platform/files/paths.h"
#include "platform/forms/msgbox.h"
#include "platform/media/mci.h"
#include "platform/runtime/app.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/strings.h"
#include "shell/Module1.h"

namespace {

constexpr vb::OleColor kTableBack = 0xD2FFEF;   // RGB(239, 255, 210)
constexpr vb::OleColor kHeaderBack = 0xA5E6CD;  // RGB(205, 230, 165)
constexpr vb::OleColor kTableRule = 0x808080;
constexpr vb::OleColor kNewEntryBack = 0x8000000D;  // the system's highlight
constexpr vb::OleColor kNewEntryFore = 0x8000000E;
constexpr vb::OleColor kTableFore = vb::vbBlack;
const vb::Font kVerdana{.Name = "Verdana", .Size = 8};
const vb::Font kVerdanaBold{.Name = "Verdana", .Size = 8, .Bold = true};
const vb::Font kArial{.Name = "Arial", .Size = 9, .Bold = true};

// The table in twips of the window's inner area: a header band, then 20 rows. Every
// length is a whole number of pixels (15 twips), so rows and columns meet without seams.
constexpr int32_t kTableLeft = 135;
constexpr int32_t kTableTop = 120;
constexpr int32_t kHeaderHeight = 300;
constexpr int32_t kRowHeight = 270;
constexpr int32_t kFirstRowTop = kTableTop + kHeaderHeight;
constexpr int32_t kTextDrop = 30;   // the text's distance from the top of its row
constexpr int32_t kCellInset = 90;  // the text's distance from the column's sides

// The columns: place, name, score and date. Places are centred and scores lined up on the
// right, so that their digits stand in columns.
struct Column {
    int32_t left;
    int32_t width;
    int16_t alignment;
    const char* header;
};
constexpr Column kColumns[4] = {{kTableLeft, 810, vb::vbCenter, ""},
                                {kTableLeft + 810, 2205, vb::vbLeftJustify, "Name"},
                                {kTableLeft + 3015, 1545, vb::vbRightJustify, "Score"},
                                {kTableLeft + 4560, 1665, vb::vbLeftJustify, "Date"}};
constexpr int32_t kTableWidth = 6225;
constexpr int32_t kTableHeight = kHeaderHeight + topscores::kTableEntries * kRowHeight;

// The window without and with the result line of a finished game.
struct Layout {
    bool resultLine;
    int32_t buttonTop;
    int32_t height;
};
constexpr Layout kPlainLayout{false, 6390, 7860};
constexpr Layout kResultLayout{true, 7015, 8500};
constexpr int32_t kResultTop = 6150;
constexpr int32_t kReturnWidth = 1455;

int32_t RowTop(int32_t place) { return kFirstRowTop + (place - 1) * kRowHeight; }

void DesignCell(vb::Label& label, const Column& column, int32_t rowTop, const vb::Font& font) {
    label.setCaption("");
    label.setFont(font);
    label.setBackStyle(0);
    label.setForeColor(kTableFore);
    label.setAlignment(column.alignment);
    label.Move(column.left + kCellInset, rowTop + kTextDrop, column.width - 2 * kCellInset,
               kRowHeight - kTextDrop);
    label.setVisible(true);
}

void DesignBand(vb::Shape& band, int32_t top, int32_t height, vb::OleColor back) {
    band.setBackStyle(1);
    band.setBackColor(back);
    band.setBorderStyle(1);
    band.setBorderColor(kTableRule);
    band.Move(kTableLeft, top, kTableWidth, height);
    band.setVisible(true);
}

// The end-of-game jingle plays on the "song" device and goes on after the window closes.
void PlayJingle(const std::string& file, bool closeFirst) {
    if (!Module1::SoundsOn || Module1::SuppressSounds) return;
    const std::string path = "\"" + vb::Trim(vb::App().Path + "\\TLWAVS\\" + file) + "\"";
    if (closeFirst) win::mciSendStringA("close song", nullptr, 0, 0);
    win::mciSendStringA(("open " + path + " alias song").c_str(), nullptr, 0, 0);
    win::mciSendStringA("play song", nullptr, 0, 0);
}

void ReportOpenError(const vb::RuntimeError& error, const std::string& path) {
    if (error.Number() != vb::errFileNotFound) return;
    vb::MsgBox(vb::CStr(int32_t{error.Number()}) + error.Description() + "Cannot open " + path,
               vb::vbInformation, "Open scores");
}

}  // namespace

// A fixed dialog frame around the client area of 6495 x 8115 twips.
void frmScores2::InitializeComponent() {
    setCaption("Tolvarin - Hall of Fame");
    designGeometry(0, 0, 6585, kPlainLayout.height);
    DesignTable();
    lblScore.setCaption("");
    lblScore.setFont(kArial);
    lblScore.setBackStyle(0);
    lblScore.Move(kTableLeft, kResultTop, kTableWidth, 480);
    lblScore.setVisible(false);
    cmdReturn.setCaption("&Return");
    cmdReturn.Move(kTableLeft + kTableWidth - kReturnWidth, kPlainLayout.buttonTop, kReturnWidth,
                   375);
    cmdReturn.setVisible(true);
    cmdReturn.setEnabled(true);
    cmdReturn.Click = [this] { cmdReturn_Click(); };
}

void frmScores2::DesignTable() {
    DesignBand(shpTable, kTableTop, kTableHeight, kTableBack);
    DesignBand(shpHeader, kTableTop, kHeaderHeight, kHeaderBack);
    shpNewEntry.setBackStyle(1);
    shpNewEntry.setBackColor(kNewEntryBack);
    shpNewEntry.setBorderStyle(0);
    shpNewEntry.Move(kTableLeft + 15, kFirstRowTop, kTableWidth - 30, kRowHeight);
    shpNewEntry.setVisible(false);
    for (int16_t c = 1; c <= 4; ++c) {
        DesignCell(lblHeader(c), kColumns[c - 1], kTableTop, kVerdanaBold);
        lblHeader(c).setCaption(kColumns[c - 1].header);
    }
    for (int16_t place = 1; place <= topscores::kTableEntries; ++place) {
        const int32_t top = RowTop(place);
        DesignCell(lblPlace(place), kColumns[0], top, kVerdana);
        DesignCell(lblName(place), kColumns[1], top, kVerdana);
        DesignCell(lblPoints(place), kColumns[2], top, kVerdana);
        DesignCell(lblDate(place), kColumns[3], top, kVerdana);
    }
}

void frmScores2::Form_Load() {
    const frmTolvarin& main = vb::Default<frmTolvarin>();
    setLeft(main.Left() + main.Width() / 2 - Width() / 2);
    setTop(main.Top() + main.Height() / 2 - Height() / 2);
    TableNumber = topscores::TableNumber(Module1::NumColumns, Module1::DiceSetting);
    ScoresFilePath = topscores::FilePath(TableNumber);
    if (vb::FileExists(ScoresFilePath))
        LoadScoresTable();
    else
        ShowEmptyTable();
    const Layout& layout = Module1::ShowScoreResult ? kResultLayout : kPlainLayout;
    lblScore.setVisible(layout.resultLine);
    cmdReturn.setTop(layout.buttonTop);
    setHeight(layout.height);
    if (Module1::ShowScoreResult) ShowResultLine();
}

void frmScores2::ClearRows() {
    shpNewEntry.setVisible(false);
    for (int16_t place = 1; place <= topscores::kTableEntries; ++place) {
        for (Labels* column : {&lblPlace, &lblName, &lblPoints, &lblDate}) {
            vb::Label& cell = (*column)(place);
            cell.setCaption("");
            cell.setForeColor(kTableFore);
        }
        lblPlace(place).setCaption(vb::CStr(int32_t{place}));
    }
}

void frmScores2::ShowEmptyTable() { ClearRows(); }

// A place whose score is -9999 is empty: its score cell stays blank, while its name and
// date show what is stored.
void frmScores2::LoadScoresTable() {
    ClearRows();
    try {
        const auto table = topscores::ReadTable(ScoresFilePath);
        for (int16_t place = 1; place <= topscores::kTableEntries; ++place) {
            const Module1::ScoreRecord& row = table[static_cast<size_t>(place - 1)];
            lblName(place).setCaption(topscores::FieldText(row.Name));
            if (row.Score != topscores::kEmptyScore)
                lblPoints(place).setCaption(vb::CStr(row.Score));
            lblDate(place).setCaption(topscores::FieldText(row.Date));
        }
    } catch (const vb::RuntimeError& error) {
        ReportOpenError(error, ScoresFilePath);
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
    MarkNewEntry(rank);
    PlayJingle("GameOver2.mp3", false);
}

// The new entry's row stands out in the system's highlight colours.
void frmScores2::MarkNewEntry(int32_t place) {
    shpNewEntry.setTop(RowTop(place));
    shpNewEntry.setVisible(true);
    const auto index = static_cast<int16_t>(place);
    for (Labels* column : {&lblPlace, &lblName, &lblPoints, &lblDate})
        (*column)(index).setForeColor(kNewEntryFore);
}

void frmScores2::cmdReturn_Click() { Unload(); }
