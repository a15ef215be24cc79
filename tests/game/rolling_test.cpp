// The roll: what it offers, lights and shows, the holds between rolls, the announce window
// and reminder, the forced last announcement, the keys, and the hand-over of two players.

#include <array>
#include <string>
#include <vector>

#include "game/turn_fixture.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/random.h"

namespace {

using RollingTest = TurnTest;

const char* const kAllRows = " 0 1 2 3 4 5 6 7 8 9 10 11 12";

std::string Lamps(frmTolvarin& f) {
    std::string text;
    for (int16_t k = 0; k < 3; ++k) {
        const bool lit = f.picRound(k).Visible();
        text += lit == !f.picRoundBG(k).Visible() ? (lit ? "*" : "o") : "?";
    }
    return text;
}

TEST_F(RollingTest, FirstRollOffersTheTurnsCellsAndShowsHints) {
    Roll("3 1 4 1 5 6");
    EXPECT_EQ(DiceText(), "3 1 4 1 5 6");
    EXPECT_EQ(form.rollNumber, 1);
    EXPECT_EQ(host.nowMs(), 540) << "nine frames of 60 ms";
    EXPECT_EQ(Lamps(form), "*oo");
    EXPECT_EQ(Offered(), std::string("Down 0 | Up 12 | Rand") + kAllRows + " | Oblg" + kAllRows);
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "Place your score or roll the dice");
    EXPECT_EQ(form.StatusBar1.Panels(4).Text(), "Round 1 of 52");
    EXPECT_EQ(UndoRedo(), "undo off, redo off");
    EXPECT_TRUE(Module1::GameStarted);
    EXPECT_TRUE(form.hintAvailable);
    EXPECT_FALSE(form.newGameNotRolled);
    EXPECT_EQ(form.picRollDices.Picture().name(), "roll");
    EXPECT_EQ(form.picDice(1).Picture().name(), "face 1");
    EXPECT_EQ(form.PicDiceOff(5).Picture().name(), "held 6");
    for (int16_t i = 0; i <= 5; ++i) EXPECT_TRUE(form.picDice(i).Enabled()) << i;
    EXPECT_EQ(SheetText(form),
              "                 Down    Up  Rand  Oblg  Hint\n"
              "Ones                .     .     .     .     2\n"
              "Twos                .     .     .     .     .\n"
              "Threes              .     .     .     .     3\n"
              "Fours               .     .     .     .     4\n"
              "Fives               .     .     .     .     5\n"
              "Sixes               .     .     .     .     6\n"
              "Max                 .     .     .     .    19\n"
              "Min                 .     .     .     .    14\n"
              "3 of a Kind         .     .     .     .     .\n"
              "Full House          .     .     .     .     .\n"
              "Straight            .     .     .     .     .\n"
              "4 of a Kind         .     .     .     .     .\n"
              "Tolvarin            .     .     .     .     .\n"
              "Sub Total           .     .     .     .\n"
              "(Max-Min)xOnes      .     .     .     .\n"
              "Column Total        .     .     .     .\n"
              "Grand Total         0\n");
}

TEST_F(RollingTest, PressShowsThePressedLookAndTheReleaseRolls) {
    ScriptRoll("1 2 3 4 5 6");
    host.mouseDown(form.picRollDices, vb::vbLeftButton, 0, 10, 10);
    EXPECT_EQ(form.picRollDices.Picture().name(), "roll pressed");
    EXPECT_EQ(form.rollNumber, 0);
    host.mouseUp(form.picRollDices, vb::vbLeftButton, 0, 10, 10);
    EXPECT_EQ(form.picRollDices.Picture().name(), "roll");
    EXPECT_EQ(DiceText(), "1 2 3 4 5 6");
}

TEST_F(RollingTest, HeldDiceKeepTheirFacesAndDrawNothing) {
    Roll("1 2 3 4 5 6");
    host.click(form.picDice(0));
    host.click(form.picDice(5));
    Roll("6 5 4 3");
    EXPECT_EQ(DiceText(), "1h 6 5 4 3 6h");
    EXPECT_EQ(form.PicDiceOff(5).Picture().name(), "held 6");
    EXPECT_EQ(host.nowMs(), 1080);
}

TEST_F(RollingTest, HoldingAndReleasingFollowTheSnapshotAndTheRollArea) {
    host.click(form.picDice(2));
    EXPECT_EQ(DiceText(), "0 0 0 0 0 0") << "the dice ignore clicks before the first roll";
    Roll("1 2 3 4 5 6");
    Module1::SoundsOn = true;
    Sounds();
    host.click(form.picDice(2));
    EXPECT_EQ(DiceText(), "1 2 3h 4 5 6");
    EXPECT_FALSE(form.savedDiceToRoll[2]);
    EXPECT_FALSE(form.picDice(2).Visible());
    EXPECT_TRUE(form.PicDiceOff(2).Visible());
    host.click(form.PicDiceOff(2));
    EXPECT_EQ(DiceText(), "1 2 3 4 5 6");
    EXPECT_TRUE(form.savedDiceToRoll[2]);
    EXPECT_TRUE(form.picDice(2).Visible());
    EXPECT_FALSE(form.PicDiceOff(2).Visible());
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"holdDice", "UnHoldDice"}));

    for (int16_t i = 0; i <= 5; ++i) host.click(form.picDice(i));
    EXPECT_FALSE(form.picRollDices.Enabled()) << "every die held";
    EXPECT_EQ(form.picRollDices.Picture().name(), "roll off");
    host.click(form.picRollDices);
    EXPECT_EQ(form.rollNumber, 1) << "a disabled roll area rolls nothing";
    host.click(form.PicDiceOff(4));
    EXPECT_TRUE(form.picRollDices.Enabled());
    EXPECT_EQ(form.picRollDices.Picture().name(), "roll");
}

TEST_F(RollingTest, RollSoundFollowsTheFreeDice) {
    struct Case {
        int16_t held;
        const char* faces;
        const char* sound;
    };
    const Case cases[] = {{1, "2 3 4 5 6", "rollAll"},
                          {2, "3 4 5 6", "rollAll"},
                          {3, "4 5 6", "rollSome"},
                          {4, "5 6", "rollSome"},
                          {5, "6", "rollOne"}};
    Module1::SoundsOn = true;
    Roll("1 2 3 4 5 6");
    EXPECT_EQ(Sounds(), std::vector<std::string>{"rollAll"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.held);
        for (int16_t i = 0; i < c.held; ++i) host.click(form.picDice(i));
        Sounds();
        Roll(c.faces);
        EXPECT_EQ(Sounds(), std::vector<std::string>{c.sound});
        for (int16_t i = 0; i < c.held; ++i) host.click(form.PicDiceOff(i));
        form.rollNumber = 1;  // stay within the turn's three rolls
    }
}

TEST_F(RollingTest, AnnounceWindowIsOpenOnlyBetweenTheFirstAndSecondRoll) {
    HideAllCellButtons();  // as a placement leaves them
    form.lblOblg(3).setCaption("12");
    Roll("1 2 3 4 5 6");
    EXPECT_EQ(Offered(), std::string("Down 0 | Up 12 | Rand") + kAllRows +
                             " | Oblg 0 1 2 4 5 6 7 8 9 10 11 12");
    Roll("1 2 3 4 5 6");
    EXPECT_EQ(Offered(), std::string("Down 0 | Up 12 | Rand") + kAllRows + " | Oblg -");
    EXPECT_EQ(Lamps(form), "**o");
}

TEST_F(RollingTest, ThirdRollLeavesOnlyThePlacement) {
    Roll("1 2 3 4 5 6");
    Roll("1 2 3 4 5 6");
    host.click(form.picDice(1));
    Roll("6 6 6 6 6");
    EXPECT_EQ(form.rollNumber, 3);
    EXPECT_EQ(Lamps(form), "***");
    EXPECT_FALSE(form.picRollDices.Enabled());
    EXPECT_EQ(form.picRollDices.Picture().name(), "roll off");
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "Place your score");
    EXPECT_EQ(DiceText(), "6 2 6 6 6 6") << "every hold flag is set free again";
    EXPECT_TRUE(form.PicDiceOff(1).Visible()) << "the held picture stays until the placement";
    EXPECT_FALSE(form.PicDiceOff(1).Enabled());
    for (int16_t i : {int16_t{0}, int16_t{2}, int16_t{3}, int16_t{4}, int16_t{5}})
        EXPECT_FALSE(form.picDice(i).Enabled()) << i;
    host.keyPress(form, 13);
    EXPECT_EQ(form.rollNumber, 3) << "Enter does nothing while the roll area is off";
}

TEST_F(RollingTest, TheAnnouncedRowTakesTheThirdRollAfterAPause) {
    Roll("1 2 3 4 5 5");
    host.click(form.cmdOblg(rowStraight));
    for (int16_t i = 0; i <= 4; ++i) host.click(form.picDice(i));
    Roll("5");
    Roll("6");
    EXPECT_EQ(host.nowMs(), 3 * 540 + 200);
    EXPECT_EQ(form.lblOblg(rowStraight).Caption(), "60");
    EXPECT_EQ(form.rollNumber, 0);
    EXPECT_EQ(form.lastTurnRolls, 3);
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "Roll the dice") << "the placement's text";
    EXPECT_EQ(UndoRedo(), "undo off, redo off");
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg -");
    EXPECT_TRUE(form.tmrCounter.Enabled());
    // The holds of before the third roll are what undo would give back.
    EXPECT_EQ(form.savedDiceToRoll, (std::array<bool, 6>{false, false, false, false, false, true}));
}

TEST_F(RollingTest, FiveOfAKindSoundsWhileTheRowCanTakeIt) {
    Module1::SoundsOn = true;
    Roll("4 4 4 2 4 4");
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"rollAll", "Tolvarin"}));
    EXPECT_EQ(DiceText(), "4 4 4 2 4 4") << "the dice keep the order they were rolled in";
    EXPECT_EQ(form.lblRand(rowTolvarin).Caption(), "");
    EXPECT_EQ(form.lblRandTot.Caption(), "");

    host.click(form.cmdOblg(3));  // only Fours can be chosen now
    Sounds();
    Roll("4 4 4 4 4 4");
    EXPECT_EQ(Sounds(), std::vector<std::string>{"rollAll"});
}

TEST_F(RollingTest, AnnouncedFiveOfAKindSoundsButStaysOpenUntilPlaced) {
    Module1::SoundsOn = true;
    Roll("1 2 3 4 5 6");
    host.click(form.cmdOblg(rowTolvarin));
    Sounds();
    Roll("5 5 5 5 5 1");
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"rollAll", "Tolvarin"}));
    EXPECT_EQ(form.lblOblg(rowTolvarin).Caption(), "");
    EXPECT_EQ(form.lblOblgTot.Caption(), "");
}

TEST_F(RollingTest, WithSoundsOffTheFiveOfAKindValueIsNotComputed) {
    form.hintsAlways = false;
    form.lastScore = 7;
    Roll("4 4 4 4 4 4");
    EXPECT_EQ(form.lastScore, 7);
}

TEST_F(RollingTest, SpaceMinimisesAndEnterRolls) {
    host.keyPress(form, 32);
    EXPECT_EQ(form.WindowState(), vb::vbMinimized);
    form.counterShown = true;
    ScriptRoll("2 2 2 2 2 2");
    host.keyPress(form, 13);
    EXPECT_EQ(DiceText(), "2 2 2 2 2 2");
    EXPECT_FALSE(form.counterShown);
    host.keyPress(form, 'r');
    EXPECT_EQ(form.rollNumber, 1);
}

TEST_F(RollingTest, PromptShowsOnTheSecondTickAfterNewGame) {
    form.StatusBar1.Panels(2).setText("");
    form.tmrRollDice.setEnabled(true);
    host.advance(300);
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "");
    EXPECT_TRUE(form.tmrRollDice.Enabled());
    host.advance(300);
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "Roll the dice");
    EXPECT_FALSE(form.tmrRollDice.Enabled());
    EXPECT_EQ(form.rollPromptTicks, 0);
}

TEST_F(RollingTest, OneColumnCountsRoundsOfThirteenAndEnablesRandAtEveryRoll) {
    Module1::NumColumns = 1;
    Reload();
    Roll("1 2 3 4 5 6");
    EXPECT_EQ(form.StatusBar1.Panels(4).Text(), "Round 1 of 13");
    EXPECT_TRUE(form.newGameNotRolled);
    form.cmdRand(4).setEnabled(false);
    Roll("1 2 3 4 5 6");
    EXPECT_TRUE(form.cmdRand(4).Enabled());
}

// Turns announced into Oblg near the end of a four-column board: the reminder comes when
// every turn left must go to Oblg and at least two are left.
struct ReminderCase {
    int32_t roundIndex;
    int32_t emptyOblg;
    bool reminds;
};

class ReminderTest : public TurnTest, public ::testing::WithParamInterface<ReminderCase> {};

TEST_P(ReminderTest, SecondRollRequestRemindsWhenOblgMustTakeTheRest) {
    const ReminderCase& c = GetParam();
    form.roundIndex = c.roundIndex;
    for (int16_t row = 0; row < kSheetRows - c.emptyOblg; ++row) form.lblOblg(row).setCaption("5");
    Roll("1 2 3 4 5 6");
    host.click(form.picDice(0));
    if (!c.reminds) {
        Roll("6 6 6 6 6");
        EXPECT_EQ(form.rollNumber, 2);
        EXPECT_TRUE(host.messageBoxes().empty());
        return;
    }
    host.answerMsgBox(vb::vbOK);
    host.click(form.picRollDices);
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    const headless::MessageBoxShown& box = host.messageBoxes()[0];
    EXPECT_EQ(box.prompt, "You must announce now!");
    EXPECT_EQ(box.title, "Reminder");
    EXPECT_EQ(box.buttons, 48);
    EXPECT_EQ(form.rollNumber, 1) << "nothing is rolled";
    EXPECT_EQ(DiceText(), "1h 2 3 4 5 6");
    EXPECT_FALSE(form.mayRoll);
    EXPECT_FALSE(form.picRollDices.Enabled());
    EXPECT_EQ(form.picRollDices.Picture().name(), "roll off");
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "Place your score or roll the dice");
}

INSTANTIATE_TEST_SUITE_P(LastTurns, ReminderTest,
                         ::testing::Values(ReminderCase{45, 7, true}, ReminderCase{39, 13, true},
                                           ReminderCase{50, 2, true}, ReminderCase{38, 13, false},
                                           ReminderCase{45, 6, false}, ReminderCase{44, 7, false}));

TEST_F(RollingTest, ReleasingADieAfterTheReminderOnlyRemindsAgainUntilAnnounced) {
    form.roundIndex = 45;
    for (int16_t row = 0; row < 6; ++row) form.lblOblg(row).setCaption("5");
    Roll("1 2 3 4 5 6");
    host.click(form.picDice(0));
    host.answerMsgBox(vb::vbOK);
    host.click(form.picRollDices);
    host.click(form.PicDiceOff(0));
    EXPECT_TRUE(form.picRollDices.Enabled());
    host.answerMsgBox(vb::vbOK);
    host.click(form.picRollDices);
    EXPECT_EQ(host.messageBoxes().size(), 2u);
    EXPECT_EQ(form.rollNumber, 1);

    host.click(form.cmdOblg(9));
    EXPECT_TRUE(form.mayRoll);
    EXPECT_TRUE(form.picRollDices.Enabled());
    EXPECT_EQ(form.picRollDices.Picture().name(), "roll");
    Roll("2 2 3 3 3 1");
    EXPECT_EQ(form.rollNumber, 2);
    EXPECT_EQ(host.messageBoxes().size(), 2u);
}

TEST_F(RollingTest, LastTurnAnnouncesTheLastOblgCellBeforeItIsRolled) {
    PresetLastOpenCell(colOblg, 4, "5");  // Fives
    Module1::SoundsOn = true;
    Roll("1 2 3 4 5 6");
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"announce", "rollAll"}));
    EXPECT_EQ(form.rollNumber, 1);
    EXPECT_TRUE(form.announcedThisTurn);
    EXPECT_EQ(form.selectedRow, 4);
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg 4");
    EXPECT_EQ(Lamps(form), "*oo");
    EXPECT_EQ(UndoRedo(), "undo off, redo off");
    Roll("1 2 3 4 5 6");
    EXPECT_EQ(Offered(), "Down - | Up - | Rand - | Oblg 4") << "the announcement holds";
}

// Two players: the roll after a placement hands the board over.
class TwoPlayerRollingTest : public TurnTest {
protected:
    TwoPlayerRollingTest() {
        Module1::NumPlayers = 2;
        Reload();
    }
};

TEST_F(TwoPlayerRollingTest, RollAfterAPlacementHandsTheBoardOver) {
    Roll("1 2 3 3 5 6");
    EXPECT_EQ(form.StatusBar1.Panels(4).Text(), "") << "two players have no round count";
    host.click(form.cmdRand(2));
    EXPECT_TRUE(form.cmdNextPlayer.Visible());
    EXPECT_EQ(form.StatusBar1.Panels(3).Text(), "6 : 0");

    Roll("2 2 2 5 5 5");
    EXPECT_EQ(form.Caption(), "Tolvarin - Player 2");
    EXPECT_EQ(form.StatusBar1.Panels(1).Text(), "Player 2");
    EXPECT_FALSE(form.cmdNextPlayer.Visible());
    EXPECT_EQ(form.lblRand(2).Caption(), "") << "the second player's board is empty";
    EXPECT_EQ(form.grandTotal, 0);
    EXPECT_EQ(form.otherPlayerTotal, 6);
    host.click(form.cmdRand(rowFullHouse));
    EXPECT_EQ(form.StatusBar1.Panels(3).Text(), "6 : 39");

    ScriptRoll("1 1 1 1 1 1");
    host.click(form.cmdNextPlayer);
    EXPECT_EQ(form.Caption(), "Tolvarin - Player 1");
    EXPECT_EQ(form.StatusBar1.Panels(1).Text(), "Player 1");
    EXPECT_EQ(form.lblRand(2).Caption(), "6");
    EXPECT_EQ(form.lblRand(rowFullHouse).Caption(), "");
    EXPECT_EQ(form.grandTotal, 6);
}

TEST_F(TwoPlayerRollingTest, EnterWaitsForThePlacementsCountBeforeHandingOver) {
    Roll("1 2 3 3 5 6");
    host.click(form.cmdRand(2));
    ScriptRoll("2 2 2 2 2 2");
    host.keyPress(form, 13);
    EXPECT_TRUE(form.cmdNextPlayer.Visible()) << "the counter has not started";
    host.advance(10);
    EXPECT_TRUE(form.counterShown);
    host.keyPress(form, 13);
    EXPECT_EQ(form.Caption(), "Tolvarin - Player 2");
    EXPECT_EQ(DiceText(), "2 2 2 2 2 2");
    EXPECT_FALSE(form.counterShown);
}

TEST_F(TwoPlayerRollingTest, SameNamesStillTellTheBoardsApart) {
    Module1::Player1Name = "Ann";
    Module1::Player2Name = "Ann";
    Reload();
    Roll("1 2 3 3 5 6");
    host.click(form.cmdRand(2));
    EXPECT_EQ(form.StatusBar1.Panels(3).Text(), "6 : 0") << "the first player's board";
    Roll("2 2 2 5 5 5");
    EXPECT_TRUE(form.SecondBoardShown());
    host.click(form.cmdRand(rowFullHouse));
    EXPECT_EQ(form.StatusBar1.Panels(3).Text(), "6 : 39");
    Roll("5 5 1 1 1 1");
    EXPECT_FALSE(form.SecondBoardShown());
    EXPECT_EQ(form.lblRand(2).Caption(), "6");
    host.click(form.cmdRand(4));
    EXPECT_EQ(form.StatusBar1.Panels(3).Text(), "16 : 39");
}

// The options dialog lays the window out again, naming the first player while the second is
// at the board; the boards still go to the right players.
TEST_F(TwoPlayerRollingTest, RelayoutMidGameDoesNotConfuseTheHandOver) {
    Roll("1 2 3 3 5 6");
    host.click(form.cmdRand(2));
    Roll("2 2 2 5 5 5");
    Reload();
    EXPECT_EQ(form.Caption(), "Tolvarin - Player 1") << "as the layout writes it";
    host.click(form.cmdRand(rowFullHouse));
    EXPECT_EQ(form.StatusBar1.Panels(3).Text(), "6 : 39");
    Roll("1 1 1 1 1 1");
    EXPECT_FALSE(form.SecondBoardShown());
    EXPECT_EQ(form.Caption(), "Tolvarin - Player 1");
    EXPECT_EQ(form.StatusBar1.Panels(1).Text(), "Player 1");
    EXPECT_EQ(form.lblRand(2).Caption(), "6");
    EXPECT_EQ(form.grandTotal, 6);
}

}  // namespace
