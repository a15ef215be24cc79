#include "dialogs/frmScores2.h"

#include "game/frmTolvarin.h"
#include "game/top_score_file.h"
#include "platform/files/paths.h"
#include "platform/forms/msgbox.h"
#include "platform/media/mci.h"
#include "platform/runtime/app.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/errors.h"
#include "shell/Module1.h"

namespace {

constexpr vb::OleColor kTableBack = 0xD2FFEF;       // RGB(239, 255, 210)
constexpr vb::OleColor kNewEntryBack = 0x8000000D;  // the system's highlight
constexpr vb::OleColor kNewEntryFore = 0x8000000E;
constexpr vb::OleColor kTableFore = vb::vbBlack;
const vb::Font kVerdana{.Name = "Verdana", .Size = 8};
const vb::Font kArial{.Name = "Arial", .Size = 9, .Bold = true};

constexpr int32_t kFirstRowTop = 360;
constexpr int32_t kRowHeight = 270;
// Left and width of the columns: place, name, score, date.
constexpr int32_t kColumnLefts[4] = {120, 920, 3120, 4670};
constexpr int32_t kColumnWidths[4] = {800, 2200, 1550, 1650};
const char* const kHeaders[4] = {"", "Name", "Score", "Date"};

// The window without and with the result line of a finished game.
struct Layout {
    bool resultLine;
    int32_t buttonTop;
    int32_t height;
};
constexpr Layout kPlainLayout{false, 6390, 7860};
constexpr Layout kResultLayout{true, 7015, 8500};

void DesignCell(vb::Label& label, int32_t column, int32_t top) {
    label.setCaption("");
    label.setFont(kVerdana);
    label.setBackStyle(1);
    label.setBackColor(kTableBack);
    label.setForeColor(kTableFore);
    label.Move(kColumnLefts[column], top, kColumnWidths[column], kRowHeight);
    label.setVisible(true);
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
    for (int16_t c = 1; c <= 4; ++c) {
        DesignCell(lblHeader(c), c - 1, kFirstRowTop - kRowHeight);
        lblHeader(c).setCaption(kHeaders[c - 1]);
    }
    for (int16_t place = 1; place <= topscores::kTableEntries; ++place) {
        const int32_t top = kFirstRowTop + (place - 1) * kRowHeight;
        DesignCell(lblPlace(place), 0, top);
        DesignCell(lblName(place), 1, top);
        DesignCell(lblPoints(place), 2, top);
        DesignCell(lblDate(place), 3, top);
    }
    lblScore.setCaption("");
    lblScore.setFont(kArial);
    lblScore.Move(120, 6000, 6255, 495);
    lblScore.setVisible(false);
    cmdReturn.setCaption("&Return");
    cmdReturn.Move(4920, kPlainLayout.buttonTop, 1455, 375);
    cmdReturn.setVisible(true);
    cmdReturn.setEnabled(true);
    cmdReturn.Click = [this] { cmdReturn_Click(); };
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
    for (int16_t place = 1; place <= topscores::kTableEntries; ++place) {
        for (Labels* column : {&lblPlace, &lblName, &lblPoints, &lblDate}) {
            vb::Label& cell = (*column)(place);
            cell.setCaption("");
            cell.setBackColor(kTableBack);
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

namespace {

// The end-of-game jingle plays on the "song" device and goes on after the window closes.
void PlayJingle(const std::string& file, bool closeFirst) {
    if (!Module1::SoundsOn || Module1::SuppressSounds) return;
    const std::string path = "\"" + vb::Trim(vb::App().Path + "\\TLWAVS\\" + file) + "\"";
    if (closeFirst) win::mciSendStringA("close song", nullptr, 0, 0);
    win::mciSendStringA(("open " + path + " alias song").c_str(), nullptr, 0, 0);
    win::mciSendStringA("play song", nullptr, 0, 0);
}

}  // namespace

void frmScores2::ShowResultLine() {
    const int32_t rank = Module1::NewScoreRank;
    const std::string score = "  Your score of  " + vb::CStr(Module1::LastGameScore);
    if (rank < 1 || rank > topscores::kTableEntries) {
        lblScore.setCaption(score + " points was not good enough to get on the  \r\n" +
                            "   top scores table.");
        PlayJingle("GameOver1.mp3", true);
        return;
    }
    win::mciSendStringA("close song", nullptr, 0, 0);
    for (Labels* column : {&lblPlace, &lblName, &lblPoints, &lblDate}) {
        (*column)(rank).setBackColor(kNewEntryBack);
        (*column)(rank).setForeColor(kNewEntryFore);
    }
    lblScore.setCaption(score + " points was good enough to get on the \r\n" +
                        "   top scores table at position #" + vb::CStr(rank) + ".");
    PlayJingle("GameOver2.mp3", false);
}

void frmScores2::cmdReturn_Click() { Unload(); }
