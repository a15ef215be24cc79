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
        Module1::OpenedFromMain = true;
        folder.Write("scores/scores1.dat", TableFileOf({{"Ann", 250, "1/1/2026"}}));
        folder.Write("scores/scores4.dat",
                     RecordsOf({{"Zo\xEB", 250, "1/1/2026"}, {"Bob", -9999, "2/1/2026"}}));
    }
    ~ScoresWindowTest() override { vb::SetReadFailureHook({}); }

    void Show(const std::function<void(frmScores2&)>& play) {
        host.onModal("frmScores2", [&](vb::Form& w) {
            play(static_cast<frmScores2&>(w));
            host.click(static_cast<frmScores2&>(w).cmdReturn);
        });
        vb::Default<frmScores2>().Show(vb::vbModal, &form);
    }

    // The first @p count rows, "key place|name|score|date", "*" before the selected one.
    static std::string Rows(frmScores2& w, int32_t count) {
        std::string text;
        for (int32_t place = 1; place <= count; ++place) {
            vb::ListItem& row = w.LVScores.ListItems(place);
            text += (row.Selected() ? "*" : "") + row.Key() + " " + row.Text();
            for (int16_t column = 1; column <= 3; ++column) text += "|" + row.SubItems(column);
            text += "\n";
        }
        return text + std::to_string(w.LVScores.ItemCount()) + " rows\n";
    }

    TempAppFolder folder;
};

// A short file shows its missing places empty (never 0); an empty place its stored name.
TEST_F(ScoresWindowTest, OpensOnTheTableOfTheSettings) {
    Module1::NumColumns = 1;
    Module1::DiceSetting = 4;
    Show([&](frmScores2& w) {
        EXPECT_EQ(w.SSTab1.TabCaption(w.SSTab1.Tab()), "&Yahtzee - 5 Dice");
        EXPECT_EQ(Rows(w, 3),
                  "a 1|Zo\xC3\xAB       |250|1/1/2026  \nb 2|Bob       ||2/1/2026  \n"
                  "c 3|||\n20 rows\n");
        std::string headers;
        for (const vb::ColumnHeader& h : w.LVScores.Columns())
            headers += h.Text + "/" + std::to_string(h.Icon) + "/" + std::to_string(h.Width) + " ";
        EXPECT_EQ(headers, "/4/800 Name/1/2200 Score/3/1550 Date/2/1650 ");
        EXPECT_EQ(w.Height(), 7860);  // no result line
        EXPECT_EQ(w.Left() + w.Width() / 2, 1500 + form.Width() / 2);
    });
}

// The first tab change may come from the keyboard, before any mouse event on the tabs: it
// shows its table, and Clear Table then clears that table, the one on the screen.
TEST_F(ScoresWindowTest, EveryTabChangeShowsTheTableThatClearTableClears) {
    Show([&](frmScores2& w) {
        w.SSTab1.setTab(3);
        EXPECT_EQ(Rows(w, 1), "a 1|Zo\xC3\xAB       |250|1/1/2026  \n20 rows\n");
        host.answerMsgBox(vb::vbCancel);
        host.click(w.cmdClearTable);
        host.answerMsgBox(vb::vbOK);
        host.click(w.cmdClearTable);
        EXPECT_EQ(Rows(w, 1), "a 1|||\n20 rows\n");
        EXPECT_FALSE(w.cmdClearTable.Enabled());
        host.clickTab(w.SSTab1, 1);
        EXPECT_TRUE(w.cmdClearTable.Enabled());
        host.answerMsgBox(vb::vbOK);
        host.click(w.cmdClearTable);
    });
    EXPECT_FALSE(fs::exists(folder.Path() / "scores/scores4.dat"));
    EXPECT_TRUE(fs::exists(folder.Path() / "scores/scores1.dat"));
    EXPECT_EQ(host.messageBoxes().back().prompt, "Table is Empty!");
}

TEST_F(ScoresWindowTest, AnUnreadableTableIsReportedOnceAndTheWindowOpens) {
    vb::SetReadFailureHook([] { return EIO; });
    host.answerMsgBox(vb::vbOK);
    Show([&](frmScores2& w) { EXPECT_EQ(Rows(w, 1), "a 1|||\n20 rows\n"); });
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0].prompt, "Cannot read the top-score table " +
                                                 topscores::FilePath(1) + ":\r\nDevice I/O error");
}

}  // namespace
