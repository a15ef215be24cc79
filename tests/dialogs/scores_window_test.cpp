// The top-scores window over the loaded main window: the table the settings choose, the
// tabs, the result line after a game, Clear Table and the file errors it reports.

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "dialogs/frmScores2.h"
#include "game/score_file_text.h"
#include "game/support/tolvarin_fixture.h"
#include "game/temp_app_folder.h"
#include "game/top_score_file.h"
#include "platform/files/atomic_file.h"
#include "platform/forms/msgbox.h"

namespace {

using namespace endgame_test;

class ScoresWindowTest : public TolvarinTest {
protected:
    ScoresWindowTest() {
        form.setLeft(1500);
        form.setTop(900);
        Module1::OpenedFromMain = true;
        Module1::ShowScoreResult = false;
        Module1::SoundsOn = false;
    }
    ~ScoresWindowTest() override { vb::SetReadFailureHook({}); }

    void Show(const std::function<void(frmScores2&)>& play) {
        host.onModal("frmScores2", [&](vb::Form& w) {
            auto& scores = static_cast<frmScores2&>(w);
            play(scores);
            host.click(scores.cmdReturn);
        });
        vb::Default<frmScores2>().Show(vb::vbModal, &form);
    }

    // The first @p count rows, "key place|name|score|date" each, "*" before the selected one.
    static std::string Rows(frmScores2& w, int32_t count = 3) {
        std::string text;
        for (int32_t place = 1; place <= count; ++place) {
            vb::ListItem& row = w.LVScores.ListItems(place);
            text += (row.Selected() ? "*" : "") + row.Key() + " " + row.Text();
            for (int16_t column = 1; column <= 3; ++column) text += "|" + row.SubItems(column);
            text += "\n";
        }
        return text + std::to_string(w.LVScores.ItemCount()) + " rows, " +
               std::to_string(w.LVScores.Columns().size()) + " columns\n";
    }

    std::string Boxes() {
        std::string text;
        for (const auto& m : host.messageBoxes())
            text += m.prompt + " [" + m.title + " " + std::to_string(m.buttons) + "]\n";
        return text;
    }

    TempAppFolder folder;
};

// A short file shows its missing places empty; an empty place shows its stored name.
TEST_F(ScoresWindowTest, OpensOnTheTableOfTheSettings) {
    Module1::NumColumns = 1;
    Module1::DiceSetting = 4;
    Module1::GridLinesOn = false;
    folder.Write("scores/scores4.dat",
                 RecordsOf({{"Zo\xEB", 250, "1/1/2026"}, {"Bob", -9999, "2/1/2026"}}));
    Show([&](frmScores2& w) {
        EXPECT_EQ(w.Caption(), "Tolvarin - Hall of Fame");
        EXPECT_EQ(w.SSTab1.TabCaption(w.SSTab1.Tab()), "&Yahtzee - 5 Dice");
        EXPECT_EQ(Rows(w), "a 1|Zo\xEB       |250|1/1/2026  \n"
                           "b 2|Bob       ||2/1/2026  \n"
                           "c 3|||\n"
                           "20 rows, 4 columns\n");
        std::string headers;
        for (const vb::ColumnHeader& h : w.LVScores.Columns())
            headers += h.Text + "/" + std::to_string(h.Icon) + "/" + std::to_string(h.Width) + " ";
        EXPECT_EQ(headers, "/4/800 Name/1/2200 Score/3/1550 Date/2/1650 ");
        EXPECT_EQ(w.ilHeader.ListImages(4).name(), "hdrplace");
        EXPECT_FALSE(w.lblScore.Visible());
        EXPECT_EQ(w.Height(), 7860);
        EXPECT_EQ(w.cmdReturn.Top(), 6390);
        EXPECT_EQ(w.Left() + w.Width() / 2, 1500 + form.Width() / 2);
        EXPECT_FALSE(w.LVScores.GridLines());
        host.click(w.Check1);
        EXPECT_TRUE(w.LVScores.GridLines());
    });
    EXPECT_TRUE(Module1::GridLinesOn);
    EXPECT_EQ(Boxes(), "");
}

TEST_F(ScoresWindowTest, AfterAGameTheResultLineAndTheNewRow) {
    folder.Write("scores/scores1.dat", TableFileOf({{"Ann", 250, "1/1/2026"}, {"Bob", 240, "1/1/2026"},
                                                    {"Cy", 230, "1/1/2026"}}));
    Module1::ShowScoreResult = true;
    Module1::LastGameScore = 230;
    Module1::NewScoreRank = 3;
    Show([&](frmScores2& w) {
        EXPECT_EQ(w.lblScore.Caption(),
                  "  Your score of  230 points was good enough to get on the \r\n"
                  "   top scores table at position #3.");
        EXPECT_EQ(w.LVScores.SelectedItem()->Key(), "c");
        EXPECT_EQ(std::to_string(w.Height()) + " " + std::to_string(w.cmdClearTable.Top()) + " " +
                      std::to_string(w.Line2.Y1()) + " " + std::to_string(w.Check1.Top()),
                  "8500 7015 7650 7720");
    });
    Module1::NewScoreRank = -1;
    Show([&](frmScores2& w) {
        EXPECT_EQ(w.lblScore.Caption(),
                  "  Your score of  230 points was not good enough to get on the  \r\n"
                  "   top scores table.");
        EXPECT_EQ(w.LVScores.SelectedItem(), nullptr);
    });
}

// The first change may come from the keyboard, before any mouse event on the tabs.
TEST_F(ScoresWindowTest, EveryTabChangeShowsItsTable) {
    folder.Write("scores/scores1.dat", TableFileOf({{"Ann", 250, "1/1/2026"}}));
    folder.Write("scores/scores2.dat", TableFileOf({{"Bob", 120, "1/1/2026"}}));
    Show([&](frmScores2& w) {
        EXPECT_EQ(w.SSTab1.Tab(), 0);
        w.SSTab1.setTab(1);
        EXPECT_EQ(Rows(w, 1), "a 1|Bob       |120|1/1/2026  \n20 rows, 4 columns\n");
        host.clickTab(w.SSTab1, 3);
        EXPECT_EQ(Rows(w, 1), "a 1|||\n20 rows, 4 columns\n");
        host.clickTab(w.SSTab1, 0);
        EXPECT_EQ(Rows(w, 1), "a 1|Ann       |250|1/1/2026  \n20 rows, 4 columns\n");
    });
}

TEST_F(ScoresWindowTest, ClearTableClearsTheTableOnTheScreen) {
    folder.Write("scores/scores1.dat", TableFileOf({{"Ann", 250, "1/1/2026"}}));
    folder.Write("scores/scores2.dat", TableFileOf({{"Bob", 120, "1/1/2026"}}));
    Show([&](frmScores2& w) {
        w.SSTab1.setTab(1);
        host.answerMsgBox(vb::vbCancel);
        host.click(w.cmdClearTable);
        EXPECT_TRUE(fs::exists(folder.Path() / "scores/scores2.dat"));
        host.answerMsgBox(vb::vbOK);
        host.click(w.cmdClearTable);
        EXPECT_FALSE(fs::exists(folder.Path() / "scores/scores2.dat"));
        EXPECT_TRUE(fs::exists(folder.Path() / "scores/scores1.dat"));
        EXPECT_EQ(Rows(w, 1), "a 1|||\n20 rows, 4 columns\n");
        EXPECT_FALSE(w.cmdClearTable.Enabled());
        host.clickTab(w.SSTab1, 2);
        EXPECT_TRUE(w.cmdClearTable.Enabled());
        host.answerMsgBox(vb::vbOK);
        host.click(w.cmdClearTable);
    });
    EXPECT_EQ(Boxes(), "Delete top 20 Scores? [Delete Scores? 33]\n"
                       "Delete top 20 Scores? [Delete Scores? 33]\n"
                       "Table is Empty! [Tolvarin 48]\n");
}

TEST_F(ScoresWindowTest, AnUnreadableTableIsReportedOnceAndTheWindowOpens) {
    folder.Write("scores/scores1.dat", TableFileOf({{"Ann", 250, "1/1/2026"}}));
    vb::SetReadFailureHook([] { return EIO; });
    host.answerMsgBox(vb::vbOK);
    Show([&](frmScores2& w) { EXPECT_EQ(Rows(w, 1), "a 1|||\n20 rows, 4 columns\n"); });
    EXPECT_EQ(Boxes(), "Cannot read the top-score table " + topscores::FilePath(1) +
                           ":\r\nDevice I/O error [Open scores 48]\n");
}

}  // namespace
