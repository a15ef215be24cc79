// Undo and redo of the last placement, played through the real roll area and cell buttons.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/frmEndGame.h"
#include "dialogs/frmScores2.h"
#include "game/temp_app_folder.h"
#include "game/turn_fixture.h"
#include "platform/forms/picturebox_surface.h"

namespace {

class UndoRedoTest : public TurnTest {
protected:
    // The roll's count and the placement's counter tick are delivered.
    void Place(vb::CommandButton& button) {
        host.click(button);
        host.advance(1000);
    }
    void Undo() { host.clickMenu(form.mnuUndoUndo); }
    void Redo() { host.clickMenu(form.mnuUndoRedo); }

    // One column's cells top to bottom, then Sub Total, (Max-Min)xOnes and Column Total; an
    // empty caption is ".". Then the grand total.
    std::string ColumnText(int32_t code) {
        frmTolvarin::SheetColumn col = form.Column(code);
        auto shown = [](const vb::Label& l) { return l.Caption().empty() ? "." : l.Caption(); };
        std::string text;
        for (int32_t r = 0; r < kSheetRows; ++r) text += shown(col.cells(r)) + " ";
        return text + "| " + shown(col.subTotal) + " " + shown(col.maxMinLine) + " " +
               shown(col.columnTotal) + " | " + std::to_string(form.grandTotal);
    }

    // Round, roll and the offer of undo and redo.
    std::string TurnText() {
        return "round " + std::to_string(form.roundIndex) + ", roll " +
               std::to_string(form.rollNumber) + ", " + UndoRedo();
    }
};

// Switching hints to always runs a hint pass between a placement and its undo, and the pass
// leaves the five-of-a-kind value in lastScore: undo takes off the score placed all the same.
TEST_F(UndoRedoTest, TakesOffThePlacedScoreAlsoAfterAHintPass) {
    Roll("6 6 6 6 6 2");
    Place(form.cmdRand(rowThreeOfAKind));
    EXPECT_EQ(ColumnText(colRand), ". . . . . . . . 40 . . . . | . . 40 | 40");
    form.ComputeHints();
    ASSERT_EQ(form.lastScore, 100);

    Undo();
    EXPECT_EQ(SheetText(form),
              "                 Down    Up  Rand  Oblg  Hint\n"
              "Ones                .     .     .     .     .\n"
              "Twos                .     .     .     .     2\n"
              "Threes              .     .     .     .     .\n"
              "Fours               .     .     .     .     .\n"
              "Fives               .     .     .     .     .\n"
              "Sixes               .     .     .     .    30\n"
              "Max                 .     .     .     .    30\n"
              "Min                 .     .     .     .    26\n"
              "3 of a Kind         .     .     .     .    40\n"
              "Full House          .     .     .     .     .\n"
              "Straight            .     .     .     .     .\n"
              "4 of a Kind         .     .     .     .    60\n"
              "Tolvarin            .     .     .     .   100\n"
              "Sub Total           .     .     .     .\n"
              "(Max-Min)xOnes      .     .     .     .\n"
              "Column Total        .     .     .     .\n"
              "Grand Total         0\n");
    EXPECT_EQ(TurnText(), "round 0, roll 1, undo off, redo on");
}

// A column whose (Max-Min)xOnes line is negative: undo writes the exact difference back,
// and redo places the score again.
TEST_F(UndoRedoTest, WritesTheExactDifferenceIntoANegativeColumnTotal) {
    Preset(colRand, {"", "", "", "", "", "", "12", "20"}, "", "", "");
    Roll("1 1 2 3 4 5");
    Place(form.cmdRand(rowOnes));
    ASSERT_EQ(ColumnText(colRand), "2 . . . . . 12 20 . . . . . | 2 -16 -14 | -14");
    Roll("2 2 2 2 5 6");
    Place(form.cmdRand(1));
    ASSERT_EQ(ColumnText(colRand), "2 8 . . . . 12 20 . . . . . | 10 -16 -6 | -6");

    Undo();
    EXPECT_EQ(ColumnText(colRand), "2 . . . . . 12 20 . . . . . | 2 -16 -14 | -14");
    Redo();
    EXPECT_EQ(ColumnText(colRand), "2 8 . . . . 12 20 . . . . . | 10 -16 -6 | -6");
    EXPECT_EQ(TurnText(), "round 2, roll 0, undo on, redo off");
}

// A total is empty exactly while no cell stands behind it: one that comes back to 0 over a
// cell holding "0" shows "0" again, as it did before the placement.
TEST_F(UndoRedoTest, EmptiesATotalOnlyWhenNoCellStandsBehindIt) {
    Roll("2 2 3 4 5 6");
    Place(form.cmdRand(1));
    Undo();
    EXPECT_EQ(ColumnText(colRand), ". . . . . . . . . . . . . | . . . | 0");

    Roll("2 3 4 5 6 6");
    Place(form.cmdRand(rowOnes));
    Roll("2 2 3 4 5 6");
    Place(form.cmdRand(1));
    ASSERT_EQ(ColumnText(colRand), "0 4 . . . . . . . . . . . | 4 . 4 | 4");
    Undo();
    EXPECT_EQ(ColumnText(colRand), "0 . . . . . . . . . . . . | 0 . 0 | 0");
}

TEST_F(UndoRedoTest, TakesADownBonusBackAndRedoGivesItAgain) {
    Preset(colDown, {"3", "6", "9", "12", "15"}, "45", "", "45");
    form.nextDownRow = 5;
    form.roundIndex = 5;
    form.grandTotal = 45;
    Roll("6 6 6 6 1 2");
    Place(form.cmdDown(rowSixes));
    ASSERT_EQ(ColumnText(colDown), "3 6 9 12 15 24 . . . . . . . | 104 . 104 | 104");

    Module1::SoundsOn = true;
    Sounds();
    Undo();
    EXPECT_EQ(Sounds(), std::vector<std::string>{"undo"});
    EXPECT_EQ(ColumnText(colDown), "3 6 9 12 15 . . . . . . . . | 45 . 45 | 45");
    EXPECT_FALSE(form.bonusAwarded[colDown]);
    EXPECT_EQ(form.nextDownRow, 5);
    EXPECT_EQ(
        Offered(),
        "Down 5 | Up 12 | Rand 0 1 2 3 4 5 6 7 8 9 10 11 12 | Oblg 0 1 2 3 4 5 6 7 8 9 10 11 12");

    // The placement is replayed without its "score"; the counter shows its total at once.
    Redo();
    host.advance(1000);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"redo"});
    EXPECT_EQ(ColumnText(colDown), "3 6 9 12 15 24 . . . . . . . | 104 . 104 | 104");
    EXPECT_TRUE(form.bonusAwarded[colDown]);
    EXPECT_EQ(TurnText(), "round 6, roll 0, undo on, redo off");
}

// Min completes a negative line: the grand total goes back to its value before, and the
// column total is summed afresh from the column's cells.
TEST_F(UndoRedoTest, TakesBackANegativeLineWithTheGrandTotalBeforeIt) {
    Preset(colRand, {"2", "", "", "", "", "", "12"}, "2", "", "2");
    form.grandTotal = 2;
    form.roundIndex = 2;
    Roll("4 4 4 4 4 6");
    Place(form.cmdRand(rowMin));
    ASSERT_EQ(ColumnText(colRand), "2 . . . . . 12 20 . . . . . | 2 -16 -14 | -14");

    Undo();
    EXPECT_EQ(ColumnText(colRand), "2 . . . . . 12 . . . . . . | 2 . 2 | 2");
    EXPECT_EQ(TurnText(), "round 2, roll 1, undo off, redo on");
}

// Undo of an announcement cancels it; redo announces the same row again and places nothing,
// also when an earlier undo had taken back an Oblg placement.
TEST_F(UndoRedoTest, RedoOfAnAnnouncementOnlyAnnouncesAgain) {
    Roll("1 2 3 4 5 6");
    Place(form.cmdOblg(rowStraight));
    Place(form.cmdOblg(rowStraight));
    ASSERT_EQ(ColumnText(colOblg), ". . . . . . . . . . 60 . . | . . 60 | 60");
    Undo();
    EXPECT_EQ(
        Offered(),
        "Down 0 | Up 12 | Rand 0 1 2 3 4 5 6 7 8 9 10 11 12 | Oblg 0 1 2 3 4 5 6 7 8 9 10 11 12");
    EXPECT_EQ(ColumnText(colOblg), ". . . . . . . . . . . . . | . . . | 0");

    Place(form.cmdOblg(3));  // announces Fours instead
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg 3");
    Undo();
    EXPECT_FALSE(form.announcedThisTurn);
    EXPECT_EQ(
        Offered(),
        "Down 0 | Up 12 | Rand 0 1 2 3 4 5 6 7 8 9 10 11 12 | Oblg 0 1 2 3 4 5 6 7 8 9 10 11 12");
    Redo();
    EXPECT_TRUE(form.announcedThisTurn);
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg 3");
    EXPECT_EQ(ColumnText(colOblg), ". . . . . . . . . . . . . | . . . | 0");
    EXPECT_EQ(TurnText(), "round 0, roll 1, undo on, redo off");
}

// An Oblg cell placed after two rolls is offered alone again, and one click places it.
TEST_F(UndoRedoTest, OffersAnOblgCellPlacedAfterTwoRollsAlone) {
    Roll("2 2 3 3 3 6");
    Place(form.cmdOblg(rowFullHouse));
    Roll("2 2 3 3 3 6");
    Place(form.cmdOblg(rowFullHouse));
    ASSERT_EQ(ColumnText(colOblg), ". . . . . . . . . 33 . . . | . . 33 | 33");

    Undo();
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg 9");
    EXPECT_EQ(TurnText(), "round 0, roll 2, undo off, redo on");
    Redo();
    EXPECT_EQ(ColumnText(colOblg), ". . . . . . . . . 33 . . . | . . 33 | 33");
    EXPECT_EQ(TurnText(), "round 1, roll 0, undo on, redo off");
}

// After three rolls no roll is left: the roll area stays off and the holds stay released.
TEST_F(UndoRedoTest, LeavesTheRollAreaOffAfterAThreeRollTurn) {
    Roll("5 1 1 2 3 4");
    host.click(form.picDice(0));
    Roll("1 2 3 4 6");
    Roll("1 2 3 4 6");
    Place(form.cmdRand(4));  // Fives

    Undo();
    EXPECT_EQ(TurnText(), "round 0, roll 3, undo off, redo on");
    EXPECT_FALSE(form.picRollDices.Enabled());
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "Place your score");
    EXPECT_EQ(DiceText(), "5 1 2 3 4 6");
}

// Two players: panel 3 keeps the first player's total on the left, as the player flags say
// whose board is shown, also when both players have the same name.
TEST_F(UndoRedoTest, KeepsTheFirstPlayersTotalOnTheLeftForPlayersOfOneName) {
    Module1::NumPlayers = 2;
    Module1::Player1Name = Module1::Player2Name = "Ann";
    Reload();
    form.setCaption("Tolvarin - Ann");
    form.otherPlayerTotal = 95;
    const struct {
        bool secondBoard;
        const char *placed, *undone;
    } cases[] = {{false, "40 : 95", "0 : 95"}, {true, "95 : 40", "95 : 0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.secondBoard ? "second board" : "first board");
        form.playerFlags = {false, c.secondBoard, c.secondBoard, c.secondBoard, c.secondBoard};
        Roll("6 6 6 6 6 2");
        Place(form.cmdRand(rowThreeOfAKind));
        ASSERT_EQ(form.StatusBar1.Panels(3).Text(), c.placed);
        Undo();
        EXPECT_EQ(form.StatusBar1.Panels(3).Text(), c.undone);
        EXPECT_FALSE(form.cmdNextPlayer.Visible());
    }
}

// A placement whose count still waits for its timer has drawn nothing: undo calls the count
// off and the counter keeps showing the total of before; redo then counts to the total
// placed again (the picture 73 drawn at once has), and a later undo finds that count's
// pictures.
TEST_F(UndoRedoTest, CallsOffACountStillWaitingForItsTimer) {
    Roll("3 3 3 5 5 1");
    Place(form.cmdRand(rowThreeOfAKind));
    const gdi::Bitmap before = *gdi::SurfaceOf(form.picScore);
    Roll("4 4 4 6 6 1");
    host.click(form.cmdRand(rowFullHouse));
    ASSERT_TRUE(form.tmrCounter.Enabled());

    Undo();
    host.advance(1000);
    EXPECT_FALSE(form.tmrCounter.Enabled());
    EXPECT_TRUE(*gdi::SurfaceOf(form.picScore) == before);
    EXPECT_EQ(form.grandTotal, 29);

    Redo();
    host.advance(1000);
    ASSERT_EQ(form.grandTotal, 73);
    const gdi::Bitmap redone = *gdi::SurfaceOf(form.picScore);
    Undo();
    EXPECT_TRUE(*gdi::SurfaceOf(form.picScore) == before);
    form.prevGrandTotal = 74;
    form.grandTotal = 73;
    form.RollScoreCounter();
    EXPECT_TRUE(*gdi::SurfaceOf(form.picScore) == redone) << "redo shows the total placed";
}

// With two players the first board stays entered while the second is played: the dialog's
// Undo answer on the second, full board still takes its last placement back.
TEST_F(UndoRedoTest, TheUndoAnswerOnTheSecondBoardTakesTheMoveBack) {
    endgame_test::TempAppFolder folder;
    Module1::NumPlayers = 2;
    Reload();
    HideAllCellButtons();
    PresetLastOpenCell(colRand, rowFullHouse, "6");
    form.grandTotal = 43;
    form.playerFlags = {false, true, true, true, true};
    form.boardEntered = true;  // EndGame entered the first player's board
    host.onModal("frmEndGame",
                 [](vb::Form& f) { static_cast<frmEndGame&>(f).cmdUndo.RaiseClick(); });
    Roll("2 2 2 5 5 5");
    Place(form.cmdRand(rowFullHouse));
    EXPECT_EQ(form.lblRand(rowFullHouse).Caption(), "");
    EXPECT_EQ(form.roundIndex, 51);
    EXPECT_EQ(form.grandTotal, 43);
    EXPECT_FALSE(form.gameOver);
}

// Once EndGame has entered the board into its table, undo and redo do nothing, even when
// called directly, so that the board is never entered twice.
TEST_F(UndoRedoTest, StaysOffOnceEndGameHasEnteredTheBoard) {
    endgame_test::TempAppFolder folder;
    std::filesystem::create_directories(folder / "scores");
    Module1::NumColumns = 1;
    Reload();
    for (int16_t row = 0; row < kSheetRows - 1; ++row) {
        Roll("1 2 3 4 5 6");
        Place(form.cmdRand(row));
    }
    Roll("6 6 6 6 6 1");
    host.onModal("frmEndGame",
                 [](vb::Form& f) { static_cast<frmEndGame&>(f).cmdFinish.RaiseClick(); });
    host.onModal("frmScores2",
                 [](vb::Form& f) { static_cast<frmScores2&>(f).cmdReturn.RaiseClick(); });
    Place(form.cmdRand(rowTolvarin));
    const std::string sheet = SheetText(form);
    ASSERT_EQ(form.roundIndex, 13);

    form.mnuUndoUndo_Click();
    form.mnuUndoRedo_Click();
    EXPECT_EQ(SheetText(form), sheet);
    EXPECT_EQ(form.roundIndex, 13);
    EXPECT_EQ(TurnText(), "round 13, roll 0, undo off, redo off");
}

}  // namespace
