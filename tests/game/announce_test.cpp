// The Oblg column: announcing a row after the first roll, placing into it after one, two or
// three rolls, what undo and redo then offer, and the end of the sheet through Oblg.

#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/frmEndGame.h"
#include "dialogs/frmScores2.h"
#include "dialogs/frmTheWinerIs.h"
#include "game/temp_app_folder.h"
#include "game/turn_fixture.h"

namespace {

using AnnounceTest = TurnTest;

TEST_F(AnnounceTest, AnnouncementLeavesOnlyTheAnnouncedCell) {
    Module1::SoundsOn = true;
    Roll("1 2 3 4 5 6");
    host.click(form.picDice(2));
    Sounds();
    host.click(form.cmdOblg(rowFullHouse));
    EXPECT_EQ(Sounds(), std::vector<std::string>{"announce"});
    EXPECT_TRUE(form.announcedThisTurn);
    EXPECT_EQ(form.rollNumber, 1);
    EXPECT_EQ(form.lastTurnRolls, 1);
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg 9");
    EXPECT_EQ(UndoRedo(), "undo on, redo off");
    EXPECT_EQ(form.savedDiceValues, (frmTolvarin::Dice{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(form.savedDiceToRoll[2]);
    EXPECT_FALSE(form.tmrCounter.Enabled());
    // The announced row keeps its hint in view, as 0 when it had none.
    std::string hints;
    for (int16_t r = 0; r < kSheetRows; ++r) hints += form.lblTip(r).Caption() + ",";
    EXPECT_EQ(hints, ",,,,,,,,,0,,,,");
    Roll("1 2 3 4 5");
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg 9") << "the second roll keeps it";
}

TEST_F(AnnounceTest, PlacementAfterOneRoll) {
    Module1::SoundsOn = true;
    Roll("1 2 3 4 5 6");
    host.click(form.cmdOblg(rowStraight));
    EXPECT_EQ(form.lblTip(rowStraight).Caption(), "60");
    Sounds();
    host.click(form.cmdOblg(rowStraight));
    EXPECT_EQ(Sounds(), std::vector<std::string>{"score (sync)"});
    EXPECT_EQ(SheetText(form),
              "                 Down    Up  Rand  Oblg  Hint\n"
              "Ones                .     .     .     .     .\n"
              "Twos                .     .     .     .     .\n"
              "Threes              .     .     .     .     .\n"
              "Fours               .     .     .     .     .\n"
              "Fives               .     .     .     .     .\n"
              "Sixes               .     .     .     .     .\n"
              "Max                 .     .     .     .     .\n"
              "Min                 .     .     .     .     .\n"
              "3 of a Kind         .     .     .     .     .\n"
              "Full House          .     .     .     .     .\n"
              "Straight            .     .     .    60     .\n"
              "4 of a Kind         .     .     .     .     .\n"
              "Tolvarin            .     .     .     .     .\n"
              "Sub Total           .     .     .     .\n"
              "(Max-Min)xOnes      .     .     .     .\n"
              "Column Total        .     .     .    60\n"
              "Grand Total        60\n");
    EXPECT_FALSE(form.announcedThisTurn);
    EXPECT_FALSE(form.announceKeptForUndo);
    EXPECT_TRUE(form.hideAnnounceButtons);
    EXPECT_EQ(form.lastTurnRolls, 1);
    EXPECT_EQ(form.roundIndex, 1);
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg -");
    EXPECT_EQ(UndoRedo(), "undo on, redo off");
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "Roll the dice or undo last move");
    EXPECT_TRUE(form.hintAvailable) << "left as the roll set it";
    EXPECT_TRUE(form.tmrCounter.Enabled());
    EXPECT_TRUE(form.picRollDices.Enabled());
    Roll("1 1 1 1 1 1");
    EXPECT_EQ(Offered(), std::string("Down 0 | Up 12 | Rand 0 1 2 3 4 5 6 7 8 9 10 11 12 | ") +
                             "Oblg 0 1 2 3 4 5 6 7 8 9 11 12")
        << "the next turn offers the open Oblg cells again";
}

TEST_F(AnnounceTest, ZeroScoreStillCountsThroughTheTimer) {
    Module1::SoundsOn = true;
    Roll("1 2 3 4 5 6");
    host.click(form.cmdOblg(rowTolvarin));
    Sounds();
    host.click(form.cmdOblg(rowTolvarin));
    EXPECT_EQ(Sounds(), std::vector<std::string>{"scoreZero"});
    EXPECT_EQ(form.lblOblg(rowTolvarin).Caption(), "0");
    EXPECT_TRUE(form.tmrCounter.Enabled());
    EXPECT_FALSE(form.counterShown);
}

TEST_F(AnnounceTest, FiveOfAKindCountsInTheOblgTotal) {
    Roll("5 5 5 5 5 5");
    host.click(form.cmdOblg(rowTolvarin));
    host.click(form.cmdOblg(rowTolvarin));
    EXPECT_EQ(form.lblOblg(rowTolvarin).Caption(), "100");
    EXPECT_EQ(form.lblOblgTot.Caption(), "100");
    EXPECT_EQ(form.grandTotal, 100);
}

TEST_F(AnnounceTest, PlacementAfterTwoRollsIsOfferedAloneAfterUndo) {
    Roll("1 2 3 4 5 5");
    host.click(form.cmdOblg(rowStraight));
    Roll("1 2 3 4 5 6");
    host.click(form.cmdOblg(rowStraight));
    EXPECT_TRUE(form.announceKeptForUndo);
    EXPECT_EQ(form.lastTurnRolls, 2);
    EXPECT_EQ(UndoRedo(), "undo on, redo off");
    const std::string placed = SheetText(form);
    host.clickMenu(form.mnuUndoUndo);
    EXPECT_EQ(form.lblOblg(rowStraight).Caption(), "");
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg 10");
    host.click(form.cmdOblg(rowStraight));
    EXPECT_EQ(form.lblOblg(rowStraight).Caption(), "60") << "one click places again";
    EXPECT_EQ(form.grandTotal, 60);
}

TEST_F(AnnounceTest, RedoAnnouncesAndPlacesTheUndoneRowAgain) {
    Module1::SoundsOn = true;
    Roll("1 2 3 4 5 6");
    host.click(form.cmdOblg(rowStraight));
    host.click(form.cmdOblg(rowStraight));
    const std::string placed = SheetText(form);
    host.clickMenu(form.mnuUndoUndo);
    EXPECT_EQ(form.lblOblg(rowStraight).Caption(), "");
    Sounds();
    host.clickMenu(form.mnuUndoRedo);
    EXPECT_EQ(SheetText(form), placed);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"redo"}) << "the replay itself is silent";
}

TEST_F(AnnounceTest, AfterTheFullBoardDialogOblgStillOffersUndo) {
    Module1::EndGameShown = true;
    Roll("1 2 3 4 5 6");
    host.click(form.cmdOblg(rowStraight));
    host.click(form.cmdOblg(rowStraight));
    EXPECT_EQ(UndoRedo(), "undo on, redo off");
    Roll("1 2 3 4 5 6");
    host.click(form.cmdDown(0));
    EXPECT_EQ(UndoRedo(), "undo off, redo off") << "Down no longer offers it";
}

TEST_F(AnnounceTest, ClickAfterTheReminderOpensTheRollAreaAgain) {
    Roll("1 2 3 4 5 6");
    form.mayRoll = false;
    form.SetRollAreaEnabled(false);
    host.click(form.cmdOblg(3));
    EXPECT_TRUE(form.mayRoll);
    EXPECT_TRUE(form.picRollDices.Enabled());
    EXPECT_EQ(form.picRollDices.Picture().name(), "roll");
    EXPECT_TRUE(form.announcedThisTurn);
}

TEST_F(AnnounceTest, FilledCellIsNeitherAnnouncedNorPlaced) {
    Roll("1 2 3 4 5 6");
    host.click(form.cmdOblg(6));
    form.lblOblg(6).setCaption("9");
    const std::string before = SheetText(form);
    host.click(form.cmdOblg(6));
    EXPECT_EQ(SheetText(form), before);
    EXPECT_TRUE(form.announcedThisTurn) << "the announcement stands";
    EXPECT_EQ(form.roundIndex, 0);

    form.announcedThisTurn = false;
    form.selectedRow = 2;
    host.click(form.cmdOblg(6));
    EXPECT_FALSE(form.announcedThisTurn);
    EXPECT_EQ(form.selectedRow, 2);
}

// The last open cell of the board is "Fives" in Oblg; the rest holds ones.
class LastOblgCellTest : public TurnTest {
protected:
    LastOblgCellTest() {
        std::filesystem::create_directories(folder / "scores");
        HideAllCellButtons();
        PresetLastOpenCell(colOblg, 4, "5");  // Fives
        form.grandTotal = 43;
        host.onModal("frmScores2",
                     [this](vb::Form& w) { host.click(static_cast<frmScores2&>(w).cmdReturn); });
    }
    endgame_test::TempAppFolder folder;
};

TEST_F(LastOblgCellTest, ThirdRollPlacesTheForcedAnnouncementAndEndsTheGame) {
    Roll("1 2 3 4 5 6");
    Roll("1 2 3 4 5 6");
    Roll("5 5 5 1 2 3");
    EXPECT_EQ(form.lblOblg(4).Caption(), "15");
    EXPECT_EQ(form.grandTotal, 58);
    EXPECT_TRUE(form.gameOver);
    EXPECT_FALSE(Module1::EndGameShown) << "no dialog after three rolls";
    EXPECT_TRUE(host.pendingScripts().empty());
}

TEST_F(LastOblgCellTest, UndoAnswerAfterOneRollKeepsTheAnnouncement) {
    host.onModal("frmEndGame",
                 [this](vb::Form& w) { host.click(static_cast<frmEndGame&>(w).cmdUndo); });
    Roll("5 5 1 2 3 4");
    host.click(form.cmdOblg(4));
    EXPECT_EQ(form.lblOblg(4).Caption(), "");
    EXPECT_TRUE(form.announcedThisTurn) << "the row stays announced";
    EXPECT_FALSE(form.gameOver);
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg 4");

    host.onModal("frmEndGame",
                 [this](vb::Form& w) { host.click(static_cast<frmEndGame&>(w).cmdFinish); });
    host.click(form.cmdOblg(4));
    EXPECT_EQ(form.lblOblg(4).Caption(), "10");
    EXPECT_TRUE(form.gameOver);
    EXPECT_TRUE(host.pendingScripts().empty());
}

// Two players: the last Oblg cell of either board, placed after one, two or three rolls, with
// the end-of-game dialog answered either way after fewer than three.
struct OblgEndCase {
    const char* name;
    bool secondBoard;
    int rolls;
    const char* answer;  // the end-of-game dialog's button; none after three rolls
    const char* outcome;
};

class TwoPlayerLastOblgCellTest : public LastOblgCellTest,
                                  public ::testing::WithParamInterface<OblgEndCase> {
protected:
    TwoPlayerLastOblgCellTest() {
        Module1::NumPlayers = 2;
        Reload();
    }
    std::string Outcome() const {
        const auto yesNo = [](bool b) { return b ? "yes" : "no"; };
        return "Fives '" + form.lblOblg(4).Caption() + "'; " +
               (form.gameOver ? "game over" : "in play") + "; Next Player " +
               (form.cmdNextPlayer.Visible() ? "shown" : "hidden") + "; count " +
               (form.tmrCounter.Enabled() ? "due" : "none") + "; announced " +
               yesNo(form.announcedThisTurn) + "; kept " + yesNo(form.announceKeptForUndo) +
               "; end shown " + yesNo(Module1::EndGameShown);
    }
};

TEST_P(TwoPlayerLastOblgCellTest, EndOfEitherBoard) {
    const OblgEndCase& c = GetParam();
    if (c.secondBoard) form.playerFlags = {false, true, true, true, true};
    const bool finish = c.answer && std::string(c.answer) == "Finish";
    if (c.secondBoard && (!c.answer || finish))
        host.onModal("frmTheWinerIs",
                     [this](vb::Form& w) { host.click(static_cast<frmTheWinerIs&>(w).cmdClose); });
    if (c.answer)
        host.onModal("frmEndGame", [this, finish](vb::Form& w) {
            auto& dialog = static_cast<frmEndGame&>(w);
            host.click(finish ? dialog.cmdFinish : dialog.cmdUndo);
        });
    for (int r = 1; r <= c.rolls; ++r) Roll("5 5 5 1 2 3");  // the first announces "Fives"
    if (c.rolls < 3) host.click(form.cmdOblg(4));
    EXPECT_EQ(Outcome(), c.outcome);
    EXPECT_FALSE(form.mnuUndoRedo.Enabled()) << "the full board turns redo off";
}

INSTANTIATE_TEST_SUITE_P(
    Oblg, TwoPlayerLastOblgCellTest,
    ::testing::Values(
        OblgEndCase{"FirstBoardThreeRolls", false, 3, nullptr,
                    "Fives '15'; in play; Next Player shown; count due; announced no; kept no; "
                    "end shown yes"},
        OblgEndCase{"SecondBoardThreeRolls", true, 3, nullptr,
                    "Fives '15'; game over; Next Player hidden; count none; announced no; "
                    "kept no; end shown no"},
        OblgEndCase{"FirstBoardOneRollFinish", false, 1, "Finish",
                    "Fives '15'; in play; Next Player shown; count due; announced no; kept no; "
                    "end shown yes"},
        OblgEndCase{"SecondBoardTwoRollsFinish", true, 2, "Finish",
                    "Fives '15'; game over; Next Player hidden; count due; announced no; "
                    "kept yes; end shown yes"},
        OblgEndCase{"FirstBoardOneRollUndo", false, 1, "Undo",
                    "Fives ''; in play; Next Player hidden; count none; announced yes; kept no; "
                    "end shown yes"},
        OblgEndCase{"SecondBoardTwoRollsUndo", true, 2, "Undo",
                    "Fives ''; in play; Next Player hidden; count due; announced no; kept yes; "
                    "end shown yes"}),
    [](const ::testing::TestParamInfo<OblgEndCase>& p) { return p.param.name; });

}  // namespace
