// Placing a score in Down, Up and Rand: the sheet after a placement, the end of the turn,
// the upper bonus of Down and Up, the sounds, the start of the counter, a click on a filled
// cell, and the end of the sheet with the end-of-game dialog answered either way.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/frmEndGame.h"
#include "dialogs/frmScores2.h"
#include "dialogs/frmTheWinerIs.h"
#include "game/temp_app_folder.h"
#include "game/turn_fixture.h"
#include "platform/runtime/conversions.h"

namespace {

using PlacingTest = TurnTest;

TEST_F(PlacingTest, DownPlacementWritesTheCellAndEndsTheTurn) {
    Roll("1 1 5 1 2 6");
    host.click(form.cmdDown(0));
    EXPECT_EQ(SheetText(form),
              "                 Down    Up  Rand  Oblg  Hint\n"
              "Ones                3     .     .     .     .\n"
              "Twos                .     .     .     .     .\n"
              "Threes              .     .     .     .     .\n"
              "Fours               .     .     .     .     .\n"
              "Fives               .     .     .     .     .\n"
              "Sixes               .     .     .     .     .\n"
              "Max                 .     .     .     .     .\n"
              "Min                 .     .     .     .     .\n"
              "3 of a Kind         .     .     .     .     .\n"
              "Full House          .     .     .     .     .\n"
              "Straight            .     .     .     .     .\n"
              "4 of a Kind         .     .     .     .     .\n"
              "Tolvarin            .     .     .     .     .\n"
              "Sub Total           3     .     .     .\n"
              "(Max-Min)xOnes      .     .     .     .\n"
              "Column Total        3     .     .     .\n"
              "Grand Total         3\n");
    EXPECT_EQ(form.nextDownRow, 1);
    EXPECT_EQ(form.roundIndex, 1);
    EXPECT_EQ(form.rollNumber, 0);
    EXPECT_EQ(form.lastTurnRolls, 1);
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg -");
    EXPECT_EQ(DiceText(), "1 1 1 2 5 6") << "sorted by the scorer, every die free";
    EXPECT_EQ(form.savedDiceValues, (frmTolvarin::Dice{1, 1, 5, 1, 2, 6})) << "as rolled";
    EXPECT_EQ(form.savedTips[0], 3);
    EXPECT_EQ(form.savedTips[rowThreeOfAKind], 24);
    for (int16_t i = 0; i <= 5; ++i) {
        EXPECT_FALSE(form.picDice(i).Enabled()) << i;
        EXPECT_TRUE(form.picDice(i).Visible()) << i;
        EXPECT_FALSE(form.PicDiceOff(i).Visible()) << i;
    }
    for (int16_t k = 0; k < 3; ++k) EXPECT_FALSE(form.picRound(k).Visible()) << k;
    EXPECT_TRUE(form.picRollDices.Enabled());
    EXPECT_EQ(form.picRollDices.Picture().name(), "roll");
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "Roll the dice or undo last move");
    EXPECT_EQ(UndoRedo(), "undo on, redo off");
    EXPECT_FALSE(form.hintAvailable);
    // A score counts after the handler has returned.
    EXPECT_TRUE(form.tmrCounter.Enabled());
    EXPECT_FALSE(form.counterShown);
    host.advance(10);
    EXPECT_TRUE(form.counterShown);
}

TEST_F(PlacingTest, ZeroScoreDrawsTheCounterAtOnce) {
    Roll("2 2 3 4 5 6");
    host.click(form.cmdUp(rowTolvarin));
    EXPECT_EQ(form.lblUp(rowTolvarin).Caption(), "0");
    EXPECT_EQ(form.nextUpRow, 11);
    EXPECT_TRUE(form.counterShown);
    EXPECT_FALSE(form.tmrCounter.Enabled());
}

TEST_F(PlacingTest, TheTurnsDiceAndHoldsAreKeptAsRolled) {
    Roll("1 2 3 4 5 6");
    host.click(form.picDice(1));
    host.click(form.picDice(3));
    Roll("6 5 2 1");
    host.click(form.cmdRand(rowMax));
    EXPECT_EQ(form.savedDiceValues, (frmTolvarin::Dice{6, 2, 5, 4, 2, 1}));
    EXPECT_EQ(form.savedDiceToRoll, (std::array<bool, 6>{true, false, true, false, true, true}));
    EXPECT_EQ(DiceText(), "1 2 2 4 5 6");
    EXPECT_EQ(form.lastTurnRolls, 2);
}

// The sixth upper cell of Down and Up decides the 35-point bonus: 63 earns it, 62 does not.
struct BonusCase {
    const char* name;
    int32_t column;
    std::vector<std::string> cells;
    const char* sub;
    const char* total;
    int16_t row;
    const char* dice;
    const char* subAfter;
    const char* lineAfter;
    const char* totalAfter;
    bool bonus;
};

TEST_F(PlacingTest, UpperBonusAtTheLastUpperRowOfDownAndUp) {
    // Down has its first five upper cells; Up all but "Ones", Max 20 and Min 10.
    const std::vector<std::string> down63 = {"3", "6", "9", "12", "15"};
    const std::vector<std::string> down62 = {"2", "6", "9", "12", "15"};
    const std::vector<std::string> up = {"",   "4", "9", "12", "15", "18", "20",
                                         "10", "0", "0", "0",  "0",  "0"};
    const BonusCase cases[] = {
        {"Down 63", colDown, down63, "45", "45", rowSixes, "6 6 6 1 2 3", "98", "", "98", true},
        {"Down 62", colDown, down62, "44", "44", rowSixes, "6 6 6 1 2 3", "62", "", "62", false},
        {"Up 63", colUp, up, "58", "58", rowOnes, "1 1 1 1 1 2", "98", "50", "148", true},
        {"Up 62", colUp, up, "58", "58", rowOnes, "1 1 1 1 2 2", "62", "40", "102", false},
    };
    for (const BonusCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (int32_t code = colDown; code <= colOblg; ++code)
            Preset(code, std::vector<std::string>(13), "", "", "");
        Preset(c.column, c.cells, c.sub, "", c.total);
        form.bonusAwarded = {};
        form.grandTotal = vb::CLng(vb::Val(c.total));
        form.nextDownRow = c.column == colDown ? c.row : 0;
        form.nextUpRow = c.column == colUp ? c.row : 12;
        form.rollNumber = 0;
        Roll(c.dice);
        host.click(form.Column(c.column).buttons(c.row));
        const frmTolvarin::SheetColumn col = form.Column(c.column);
        EXPECT_EQ(col.subTotal.Caption(), c.subAfter);
        EXPECT_EQ(col.maxMinLine.Caption(), c.lineAfter);
        EXPECT_EQ(col.columnTotal.Caption(), c.totalAfter);
        EXPECT_EQ(form.bonusAwarded[static_cast<size_t>(c.column)], c.bonus);
        EXPECT_EQ(form.grandTotal, vb::CLng(vb::Val(c.totalAfter)));
    }
}

TEST_F(PlacingTest, SoundFollowsTheScoreAndWaitsForScore) {
    Module1::SoundsOn = true;
    Roll("1 2 3 4 5 6");
    Sounds();
    host.click(form.cmdRand(rowOnes));
    EXPECT_EQ(Sounds(), std::vector<std::string>{"score (sync)"});
    Roll("1 2 3 4 5 6");
    Sounds();
    host.click(form.cmdRand(rowTolvarin));
    EXPECT_EQ(Sounds(), std::vector<std::string>{"scoreZero"});

    Roll("1 2 3 4 5 6");
    Sounds();
    Module1::SuppressSounds = true;  // as redo replays a placement
    host.click(form.cmdRand(1));
    EXPECT_TRUE(Sounds().empty());
    EXPECT_FALSE(Module1::SuppressSounds) << "every placement clears it";
    Module1::SoundsOn = false;
    Roll("1 2 3 4 5 6");
    host.click(form.cmdRand(2));
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(PlacingTest, OneColumnRandGetsItsPictureBackAndAloneMakesTheTotal) {
    Module1::NumColumns = 1;
    Reload();
    form.lblDownTot.setCaption("50");  // never part of a one-column total
    Roll("1 2 3 3 5 6");
    host.mouseMove(form.cmdRand(2), 0, 0, 5, 5);
    EXPECT_EQ(form.cmdRand(2).Picture().name(), "lit row 2");
    host.click(form.cmdRand(2));
    EXPECT_EQ(form.cmdRand(2).Picture().name(), "row 2");
    EXPECT_FALSE(form.cmdRand(2).Visible());
    EXPECT_EQ(form.grandTotal, 6);
    EXPECT_EQ(form.roundIndex, 1);
}

// A cell that holds a score takes no other, whichever way its button came to be shown.
TEST_F(PlacingTest, FilledCellPlacesNothing) {
    struct Case {
        int32_t column;
        int16_t row;
    };
    const Case cases[] = {{colDown, 0}, {colUp, 12}, {colRand, 4}, {colOblg, 6}};
    Roll("1 2 3 4 5 6");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        frmTolvarin::SheetColumn col = form.Column(c.column);
        col.cells(c.row).setCaption("7");
        col.buttons(c.row).setVisible(true);
        const std::string before = SheetText(form);
        host.click(col.buttons(c.row));
        EXPECT_EQ(SheetText(form), before);
        EXPECT_EQ(form.rollNumber, 1);
        EXPECT_EQ(form.roundIndex, 0);
        EXPECT_EQ(form.selectedColumn, 0);
        EXPECT_FALSE(form.announcedThisTurn);
    }
}

TEST_F(PlacingTest, RedoPlacesTheUndoneCellAgain) {
    Roll("1 1 5 1 2 6");
    host.click(form.cmdDown(0));
    const std::string placed = SheetText(form);
    host.clickMenu(form.mnuUndoUndo);
    EXPECT_EQ(form.lblDown(0).Caption(), "");
    host.clickMenu(form.mnuUndoRedo);
    EXPECT_EQ(SheetText(form), placed);
    EXPECT_EQ(form.nextDownRow, 1);
}

// A board with one open cell: Rand's "Full House". Every other cell holds a 1.
class LastCellTest : public TurnTest {
protected:
    LastCellTest() {
        std::filesystem::create_directories(folder / "scores");
        Prepare();
    }

    void Prepare() {
        HideAllCellButtons();
        PresetLastOpenCell(colRand, rowFullHouse, "6");
        form.grandTotal = Module1::NumColumns == 4 ? 43 : 10;
    }
    // Rolls @p rolls times (the last with "2 2 2 5 5 5") and places the last cell.
    void PlaceLastCell(int rolls) {
        for (int r = 1; r < rolls; ++r) Roll("1 2 3 4 5 6");
        Roll("2 2 2 5 5 5");
        host.click(form.cmdRand(rowFullHouse));
    }
    void ExpectScores() {
        host.onModal("frmScores2", [this](vb::Form& w) {
            scoresShown += 1;
            host.click(static_cast<frmScores2&>(w).cmdReturn);
        });
    }
    // Answers the end-of-game dialog; notes whether the count had run when it came up.
    void AnswerEndGame(bool finish) {
        host.onModal("frmEndGame", [this, finish](vb::Form& w) {
            counterAtDialog = form.counterShown;
            auto& dialog = static_cast<frmEndGame&>(w);
            host.click(finish ? dialog.cmdFinish : dialog.cmdUndo);
        });
    }

    endgame_test::TempAppFolder folder;
    int scoresShown = 0;
    bool counterAtDialog = false;
};

TEST_F(LastCellTest, ThreeRollsEndTheGameWithoutAskingOrClosingTheTurn) {
    Module1::SoundsOn = true;
    ExpectScores();
    Roll("1 2 3 4 5 6");
    Roll("1 2 3 4 5 6");
    Roll("2 2 2 5 5 5");
    host.mouseMove(form.cmdRand(rowFullHouse), 0, 0, 5, 5);
    Sounds();
    host.click(form.cmdRand(rowFullHouse));
    // The count runs at once, after the placement's sound.
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"score (sync)", "counter7", "counter0"}));
    EXPECT_EQ(scoresShown, 1);
    EXPECT_TRUE(form.gameOver);
    EXPECT_EQ(form.grandTotal, 82);
    EXPECT_EQ(Module1::LastGameScore, 82);
    EXPECT_TRUE(form.counterShown) << "the count ran before the game ended";
    EXPECT_TRUE(form.hintAvailable) << "no closing steps";
    EXPECT_TRUE(form.rowHighlightCaptured);
    EXPECT_FALSE(Module1::EndGameShown);
    EXPECT_TRUE(host.pendingScripts().empty());
}

TEST_F(LastCellTest, LastZeroWaitsForItsSound) {
    Module1::SoundsOn = true;
    ExpectScores();
    form.lblRand(rowFullHouse).setCaption("1");
    form.lblRand(rowTolvarin).setCaption("");
    Roll("1 2 3 4 5 6");
    Roll("1 2 3 4 5 6");
    Roll("1 2 3 4 5 6");
    Sounds();
    host.click(form.cmdRand(rowTolvarin));
    EXPECT_EQ(Sounds(), std::vector<std::string>{"scoreZero (sync)"});
}

TEST_F(LastCellTest, FinishAfterOneRollEndsTheGame) {
    ExpectScores();
    AnswerEndGame(true);
    PlaceLastCell(1);
    EXPECT_TRUE(counterAtDialog) << "four columns count before the dialog";
    EXPECT_TRUE(Module1::EndGameShown);
    EXPECT_TRUE(form.gameOver);
    EXPECT_EQ(scoresShown, 1);
    EXPECT_TRUE(host.pendingScripts().empty());
}

TEST_F(LastCellTest, UndoAnswerTakesTheMoveBackAndTheNextPlacementAsksAgain) {
    AnswerEndGame(false);
    PlaceLastCell(2);
    EXPECT_EQ(form.lblRand(rowFullHouse).Caption(), "");
    EXPECT_EQ(form.roundIndex, 51);
    EXPECT_FALSE(form.gameOver);
    EXPECT_TRUE(Module1::EndGameShown);
    EXPECT_EQ(UndoRedo(), "undo off, redo off") << "undo is not offered again";
    EXPECT_EQ(Offered(), "Down - | Up - | Rand 9 | Oblg -");
    EXPECT_TRUE(form.tmrCounter.Enabled()) << "the closing steps count once more";

    ExpectScores();
    AnswerEndGame(true);
    host.click(form.cmdRand(rowFullHouse));
    EXPECT_TRUE(form.gameOver);
    EXPECT_EQ(form.lblRand(rowFullHouse).Caption(), "39");
    EXPECT_TRUE(host.pendingScripts().empty());
}

TEST_F(LastCellTest, OneColumnCountsThroughTheTimerWhileTheDialogIsOpen) {
    Module1::NumColumns = 1;
    Reload();
    Prepare();
    ExpectScores();
    host.onModal("frmEndGame", [this](vb::Form& w) {
        counterAtDialog = form.counterShown;
        host.advance(10);
        EXPECT_TRUE(form.counterShown) << "the window's timers tick under the dialog";
        host.click(static_cast<frmEndGame&>(w).cmdFinish);
    });
    PlaceLastCell(1);
    EXPECT_FALSE(counterAtDialog);
    EXPECT_EQ(form.grandTotal, 49);
    EXPECT_TRUE(form.gameOver);
}

class TwoPlayerLastCellTest : public LastCellTest {
protected:
    TwoPlayerLastCellTest() {
        Module1::NumPlayers = 2;
        Reload();
        Prepare();
    }
    void ShowSecondBoard() { form.playerFlags = {false, true, true, true, true}; }
};

TEST_F(TwoPlayerLastCellTest, FirstBoardFullAfterThreeRollsHandsOver) {
    ExpectScores();
    PlaceLastCell(3);
    EXPECT_EQ(Module1::Player1Total, 82);
    EXPECT_TRUE(Module1::EndGameShown);
    EXPECT_TRUE(form.cmdNextPlayer.Visible()) << "the second player plays on";
    EXPECT_FALSE(form.gameOver);
    EXPECT_FALSE(form.tmrCounter.Enabled()) << "the count already ran";
}

TEST_F(TwoPlayerLastCellTest, SecondBoardFullAfterThreeRollsEndsTheGame) {
    ShowSecondBoard();
    ExpectScores();
    host.onModal("frmTheWinerIs",
                 [this](vb::Form& w) { host.click(static_cast<frmTheWinerIs&>(w).cmdClose); });
    PlaceLastCell(3);
    EXPECT_TRUE(form.gameOver);
    EXPECT_FALSE(form.cmdNextPlayer.Visible());
    EXPECT_TRUE(form.cmdShowNextBoard.Visible());
    EXPECT_TRUE(host.pendingScripts().empty());
}

// After fewer than three rolls the count starts through the timer before the dialog, and
// the closing steps start none.
TEST_F(TwoPlayerLastCellTest, FinishOnTheFirstBoardHandsOver) {
    ExpectScores();
    AnswerEndGame(true);
    PlaceLastCell(1);
    EXPECT_FALSE(counterAtDialog);
    EXPECT_TRUE(form.tmrCounter.Enabled());
    EXPECT_TRUE(form.cmdNextPlayer.Visible());
    EXPECT_FALSE(form.gameOver);
    EXPECT_EQ(Module1::Player1Total, 82);
}

TEST_F(TwoPlayerLastCellTest, FinishOnTheSecondBoardEndsTheGame) {
    ShowSecondBoard();
    ExpectScores();
    host.onModal("frmTheWinerIs",
                 [this](vb::Form& w) { host.click(static_cast<frmTheWinerIs&>(w).cmdClose); });
    AnswerEndGame(true);
    PlaceLastCell(2);
    EXPECT_FALSE(form.cmdNextPlayer.Visible());
    EXPECT_TRUE(form.gameOver);
    EXPECT_TRUE(host.pendingScripts().empty());
}

TEST_F(TwoPlayerLastCellTest, UndoAnswerKeepsTheTurnWithThePlayer) {
    AnswerEndGame(false);
    PlaceLastCell(1);
    EXPECT_FALSE(form.cmdNextPlayer.Visible());
    EXPECT_EQ(form.lblRand(rowFullHouse).Caption(), "");
    EXPECT_FALSE(form.counterShown) << "the closing steps start no count";
}

}  // namespace
