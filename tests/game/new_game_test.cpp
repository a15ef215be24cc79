// New Game: the reset of every per-game field from a played state (one table of variable and
// value), what a fresh board shows, the confirmation and its Cancel, the dice when the
// number of dice changed, two players, the sound, the roll area held back until the reveal
// ends, and the delayed "Roll the dice".

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "game/sheet_text.h"
#include "game/turn_fixture.h"
#include "platform/forms/msgbox.h"
#include "platform/gdi/bitmap.h"
#include "platform/media/mci.h"
#include "platform/media/playsound.h"
#include "platform/runtime/random.h"
#include "shell/Module1.h"

namespace {

template <class Array>
std::string Join(const Array& values, size_t first, size_t last) {
    std::ostringstream out;
    for (size_t i = first; i <= last; ++i) out << (i > first ? " " : "") << +values[i];
    return out.str();
}

// Every pixel of the picture the box shows.
std::vector<uint32_t> Pixels(vb::PictureBox& box) {
    box.hDC();
    const vb::Picture image = box.Image();
    std::vector<uint32_t> pixels;
    if (!image.bitmap()) return pixels;
    const gdi::Bitmap& b = *image.bitmap();
    for (int32_t y = 0; y < b.height(); ++y)
        for (int32_t x = 0; x < b.width(); ++x) pixels.push_back(b.pixel(x, y));
    return pixels;
}

std::vector<std::string> SoundNames() {
    std::vector<std::string> names;
    for (const media::SoundRequest& r : media::TakeSoundRequests()) {
        const size_t start = r.path.rfind('\\') + 1;
        names.push_back(r.path.substr(start, r.path.size() - start - 4));
    }
    return names;
}

class NewGame : public TurnTest {
protected:
    ~NewGame() override { vb::ClearScriptedRnd(); }

    // Two turns of a game: Ones in Down, then a held die and two rolls into Rand's
    // five of a kind; the counter has counted. Undo is on.
    void PlayTwoTurns() {
        Roll("1 1 2 3 4 5");
        host.click(form.cmdDown(0));
        host.advance(2000);
        Roll("6 6 6 6 6 2");
        host.click(form.picDice(5));
        Roll("6 6 6 6 6");
        host.click(form.cmdRand(12));
        host.advance(5000);
        media::TakeSoundRequests();
        ASSERT_EQ(form.lblDown(0).Caption(), "2");
        ASSERT_FALSE(form.lblRand(12).Caption().empty());
        ASSERT_EQ(form.roundIndex, 2);
    }

    // Moves every variable New Game writes or keeps off its start value, so that the table
    // after New Game shows each reset (and each value kept) by itself.
    void MoveEveryFieldAway() {
        frmTolvarin& f = form;
        f.grandTotal = 123, f.prevGrandTotal = 23, f.prevPrevGrandTotal = 2;
        f.nextDownRow = 4, f.nextUpRow = 9, f.selectedRow = 7, f.selectedColumn = 3;
        f.redoColumn = 2, f.roundIndex = 17, f.rollNumber = 2, f.lastTurnRolls = 3;
        f.lastScore = 30, f.placedScore = 30;
        f.announcedThisTurn = f.hideAnnounceButtons = f.announceKeptForUndo = true;
        f.lastWasAnnounced = f.hintPass = f.hintRequested = f.hintsAlways = true;
        f.hintAvailable = f.rolledSinceUndo = f.boardEntered = true;
        f.randUpperFilled = 3, f.oblgUpperFilled = 2;
        f.otherBoardInitialised = f.rowHighlightCaptured = true;
        f.otherPlayerTotal = 88;
        f.bonusAwarded = {false, true, true, true, true};
        f.playerFlags = {false, true, true, true, true};
        f.diceValues = {6, 6, 6, 6, 6, 2};
        f.savedDiceValues = {5, 5, 4, 4, 3, 1};
        f.savedDiceToRoll = {true, false, true, false, true, true};
        Module1::DiceToRoll = {true, false, true, false, true, false};
        f.savedTips = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0};
        f.undoTipValues = {13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
        f.counterDigits = {3, 2, 1, 0, 0};
        f.counterDigitCount = 2;
        f.counterDigitsStart = {3, 2, 0, 0, 0};
        f.counterDigitsEnd = {3, 2, 1, 0, 0};
        f.counterDigitCountStart = 1, f.counterDigitCountEnd = 2;
        f.skipNextCount = f.counterFinished = f.counterShown = true;
        Module1::SuppressSounds = Module1::EndGameShown = true;
        Module1::GameStarted = true;
        f.newGameNotRolled = f.mayRoll = false;
        f.OfferUndo(true);
        f.OfferRedo(true);
    }

    // The variables New Game writes, and those it keeps, as "name value" lines.
    std::string StateText() {
        const frmTolvarin& f = form;
        std::ostringstream out;
        out << std::boolalpha << "grandTotal " << f.grandTotal << "\nprevGrandTotal "
            << f.prevGrandTotal << "\nnextDownRow " << f.nextDownRow << "\nnextUpRow "
            << f.nextUpRow << "\nselectedRow " << f.selectedRow << "\nselectedColumn "
            << f.selectedColumn << "\nredoColumn " << f.redoColumn << "\nroundIndex "
            << f.roundIndex << "\nrollNumber " << f.rollNumber << "\nlastTurnRolls "
            << f.lastTurnRolls << "\nlastScore " << f.lastScore << "\nplacedScore " << f.placedScore
            << "\nannouncedThisTurn " << f.announcedThisTurn << "\nhideAnnounceButtons "
            << f.hideAnnounceButtons << "\nannounceKeptForUndo " << f.announceKeptForUndo
            << "\nlastWasAnnounced " << f.lastWasAnnounced << "\nSuppressSounds "
            << Module1::SuppressSounds << "\nhintPass " << f.hintPass << "\nhintRequested "
            << f.hintRequested << "\nhintsAlways " << f.hintsAlways << "\nhintAvailable "
            << f.hintAvailable << "\nEndGameShown " << Module1::EndGameShown << "\nboardEntered "
            << f.boardEntered << "\nrandUpperFilled " << f.randUpperFilled << "\noblgUpperFilled "
            << f.oblgUpperFilled << "\notherBoardInitialised " << f.otherBoardInitialised
            << "\nrowHighlightCaptured " << f.rowHighlightCaptured << "\ngameOver " << f.gameOver
            << "\nGameStarted " << Module1::GameStarted << "\nnewGameNotRolled "
            << f.newGameNotRolled << "\nmayRoll " << f.mayRoll << "\notherPlayerTotal "
            << f.otherPlayerTotal << "\nbonusAwarded " << Join(f.bonusAwarded, 1, 4)
            << "\nplayerFlags " << Join(f.playerFlags, 1, 4) << "\ndiceValues "
            << Join(f.diceValues, 0, 5) << "\nsavedDiceValues " << Join(f.savedDiceValues, 0, 5)
            << "\nsavedDiceToRoll " << Join(f.savedDiceToRoll, 0, 5) << "\nDiceToRoll "
            << Join(Module1::DiceToRoll, 0, 5) << "\nLastDieIndex " << Module1::LastDieIndex
            << "\ncounterDigits " << Join(f.counterDigits, 0, 3) << "\ncounterDigitCount "
            << f.counterDigitCount << "\nundo " << f.mnuUndoUndo.Enabled() << ' '
            << form.Toolbar2.Buttons("tbUndo").Enabled() << "\nredo " << f.mnuUndoRedo.Enabled()
            << ' ' << form.Toolbar2.Buttons("tbRedo").Enabled() << "\n-- kept\nprevPrevGrandTotal "
            << f.prevPrevGrandTotal << "\nrolledSinceUndo " << f.rolledSinceUndo << "\nsavedTips "
            << Join(f.savedTips, 0, 12) << "\nundoTipValues " << Join(f.undoTipValues, 0, 12)
            << "\ncounterDigitsStart " << Join(f.counterDigitsStart, 0, 3) << "\ncounterDigitsEnd "
            << Join(f.counterDigitsEnd, 0, 3) << "\ncounterDigitCountStart "
            << f.counterDigitCountStart << "\ncounterDigitCountEnd " << f.counterDigitCountEnd
            << "\nskipNextCount " << f.skipNextCount << "\ncounterFinished " << f.counterFinished
            << "\ncounterShown " << f.counterShown << '\n';
        return out.str();
    }

    // What the window shows around the sheet: cell buttons shown and enabled per column,
    // status panels, lamps, the roll area and the timers.
    std::string ControlsText() {
        frmTolvarin& f = form;
        std::ostringstream out;
        out << std::boolalpha;
        const char* names[] = {"Down", "Up", "Rand", "Oblg"};
        for (int32_t code = colDown; code <= colOblg; ++code) {
            int shown = 0, enabled = 0;
            for (int16_t row = 0; row < kSheetRows; ++row) {
                shown += f.Column(code).buttons(row).Visible();
                enabled += f.Column(code).buttons(row).Enabled();
            }
            out << names[code - 1] << " buttons shown " << shown << " enabled " << enabled << '\n';
        }
        for (int16_t p = 1; p <= 4; ++p)
            out << "panel " << p << " \"" << f.StatusBar1.Panels(p).Text() << "\"\n";
        out << "lamps";
        for (int16_t k = 0; k <= 2; ++k)
            out << ' ' << (f.picRound(k).Visible() ? "lit" : "dark")
                << (f.picRoundBG(k).Visible() ? "/bg" : "");
        out << "\nroll area enabled " << f.picRollDices.Enabled() << " normal look "
            << (f.picRollDices.Picture() == f.picRollDice.Picture()) << "\ndice";
        for (int16_t i = 0; i <= 5; ++i)
            out << ' ' << (f.picDice(i).Visible() ? "shown" : "hidden")
                << (f.picDice(i).Enabled() ? "/on" : "/off")
                << (f.PicDiceOff(i).Visible() ? "/held" : "");
        out << "\ntimers reveal " << f.tmrAnimation.Enabled() << " prompt "
            << f.tmrRollDice.Enabled() << " gameOver " << f.tmrGameOver.Enabled() << " intro "
            << f.Timer4.Enabled() << " playlist " << f.Timer3.Enabled() << '\n';
        return out.str();
    }

    // Runs the reveal to its end.
    void FinishReveal() {
        for (int ms = 0; ms < 2000 && form.tmrAnimation.Enabled(); ++ms) host.advance(1);
        ASSERT_FALSE(form.tmrAnimation.Enabled());
    }

    void StartGameUnderWay() {
        Module1::GameStarted = true;
        Module1::ConfirmQuit = false;
    }
};

TEST_F(NewGame, ResetsEveryPerGameFieldOfAPlayedGame) {
    PlayTwoTurns();
    MoveEveryFieldAway();
    Module1::ConfirmQuit = false;
    Module1::DiceSetting = 4;  // the options chose five dice for the next game

    form.mnuNewGame_Click();

    EXPECT_EQ(StateText(),
              "grandTotal 0\nprevGrandTotal 0\nnextDownRow 0\nnextUpRow 12\nselectedRow 0\n"
              "selectedColumn 0\nredoColumn 0\nroundIndex 0\nrollNumber 0\nlastTurnRolls 0\n"
              "lastScore 0\nplacedScore 0\nannouncedThisTurn false\nhideAnnounceButtons false\n"
              "announceKeptForUndo false\nlastWasAnnounced false\nSuppressSounds false\n"
              "hintPass false\nhintRequested false\nhintsAlways true\nhintAvailable false\n"
              "EndGameShown false\nboardEntered false\nrandUpperFilled 0\noblgUpperFilled 0\n"
              "otherBoardInitialised false\nrowHighlightCaptured false\ngameOver false\n"
              "GameStarted false\nnewGameNotRolled true\nmayRoll true\notherPlayerTotal 88\n"
              "bonusAwarded 0 0 0 0\nplayerFlags 0 0 0 0\ndiceValues 0 0 0 0 0 0\n"
              "savedDiceValues 0 0 0 0 0 0\nsavedDiceToRoll 0 0 0 0 0 0\n"
              "DiceToRoll 1 1 1 1 1 1\nLastDieIndex 4\ncounterDigits 0 0 0 0\n"
              "counterDigitCount 0\nundo false false\nredo false false\n"
              "-- kept\nprevPrevGrandTotal 2\nrolledSinceUndo true\n"
              "savedTips 1 2 3 4 5 6 7 8 9 10 11 12 13\n"
              "undoTipValues 13 12 11 10 9 8 7 6 5 4 3 2 1\ncounterDigitsStart 3 2 0 0\n"
              "counterDigitsEnd 3 2 1 0\ncounterDigitCountStart 1\ncounterDigitCountEnd 2\n"
              "skipNextCount true\ncounterFinished true\ncounterShown true\n");
}

TEST_F(NewGame, LaysOutAnEmptyBoardWithTheRollAreaHeldForTheReveal) {
    PlayTwoTurns();
    Module1::ConfirmQuit = false;
    form.Timer4.setEnabled(true);
    form.tmrGameOver.setEnabled(true);
    vb::ScriptRnd({vb::RndForFace(2, 9)});  // reveal pattern 2 starts from hidden buttons
    media::TakeMciCommands();

    form.mnuNewGame_Click();

    EXPECT_EQ(media::TakeMciCommands(), std::vector<std::string>{"close song"});
    EXPECT_EQ(form.animMode, 2);
    EXPECT_EQ(SheetText(form), kEmptySheet);
    EXPECT_EQ(ControlsText(),
              "Down buttons shown 0 enabled 0\nUp buttons shown 0 enabled 0\n"
              "Rand buttons shown 0 enabled 0\nOblg buttons shown 0 enabled 0\n"
              "panel 1 \"\"\npanel 2 \"\"\npanel 3 \"\"\npanel 4 \"\"\n"
              "lamps dark/bg dark/bg dark/bg\nroll area enabled false normal look true\n"
              "dice shown/off shown/off shown/off shown/off shown/off shown/off\n"
              "timers reveal true prompt true gameOver false intro false playlist false\n");
    EXPECT_EQ(Pixels(form.picScore), Pixels(form.picScoreB));
    EXPECT_EQ(Module1::WinLeft, form.Left());
    EXPECT_EQ(Module1::WinTop, form.Top());
}

// The reveal pattern decides whether the buttons start shown (the patterns that hide first).
TEST_F(NewGame, StartsTheCellButtonsAsTheRevealPatternNeeds) {
    struct Case {
        int32_t columns, pattern;
        const char* buttons;
    };
    const Case cases[] = {
        {4, 1, "52 shown"}, {4, 2, "0 shown"},  {4, 9, "0 shown"},  {1, 1, "0 shown"},
        {1, 2, "0 shown"},  {1, 3, "13 shown"}, {1, 4, "13 shown"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.columns << " columns, pattern " << c.pattern);
        Module1::NumColumns = c.columns;
        form.SetControls();
        StartGameUnderWay();
        vb::ScriptRnd({vb::RndForFace(c.pattern, c.columns == 4 ? 9 : 4)});
        form.mnuNewGame_Click();
        int shown = 0, enabled = 0;
        for (int32_t code = colDown; code <= colOblg; ++code)
            for (int16_t row = 0; row < kSheetRows; ++row) {
                // Down and Up stay hidden under the one-column sheet.
                shown += form.Column(code).buttons(row).Visible();
                enabled += form.Column(code).buttons(row).Enabled();
            }
        EXPECT_EQ(std::to_string(shown) + " shown", c.buttons);
        EXPECT_EQ(enabled, 0);
        FinishReveal();
    }
}

TEST_F(NewGame, OnAFreshBoardOnlyBlanksTheCounter) {
    media::TakeMciCommands();
    form.lblTip(3).setCaption("9");
    form.Timer4.setEnabled(true);
    form.counterDigits = {4, 0, 0, 0, 0};

    form.mnuNewGame_Click();

    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(form.animMode, 0);
    EXPECT_FALSE(form.tmrAnimation.Enabled());
    EXPECT_EQ(form.lblTip(3).Caption(), "9");
    EXPECT_FALSE(form.Timer4.Enabled());
    EXPECT_EQ(Join(form.counterDigits, 0, 3), "0 0 0 0");
    EXPECT_EQ(Pixels(form.picScore), Pixels(form.picScoreB));
    EXPECT_TRUE(SoundNames().empty());
    EXPECT_EQ(media::TakeMciCommands(), std::vector<std::string>{"close song"});
}

// Whether "Quit this Game?" is asked: only while the game runs, ConfirmQuit is set and the
// options dialog has not just asked its own question.
TEST_F(NewGame, AsksBeforeQuittingOnlyWhenItShould) {
    struct Case {
        bool confirmQuit, gameOver;
        int16_t optionsAnswer;
        bool asked;
    };
    const Case cases[] = {
        {true, false, 0, true},  {false, false, 0, false}, {true, true, 0, false},
        {true, false, 1, false}, {true, false, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.confirmQuit << c.gameOver << c.optionsAnswer);
        Module1::GameStarted = true;
        Module1::ConfirmQuit = c.confirmQuit;
        form.gameOver = c.gameOver;
        Module1::OptionsNewGameAnswer = c.optionsAnswer;
        const size_t before = host.messageBoxes().size();
        if (c.asked) host.answerMsgBox(vb::vbOK);
        form.mnuNewGame_Click();
        ASSERT_EQ(host.messageBoxes().size(), before + (c.asked ? 1 : 0));
        if (c.asked) {
            const headless::MessageBoxShown& box = host.messageBoxes().back();
            EXPECT_EQ(box.prompt, "Quit this Game?");
            EXPECT_EQ(box.title, "Confirm");
            EXPECT_EQ(box.buttons, 33);
        }
        EXPECT_FALSE(Module1::GameStarted);
        EXPECT_FALSE(form.gameOver);
        FinishReveal();
    }
}

// The options dialog's OK stands for one New Game: the next one asks again.
TEST_F(NewGame, AnOkFromTheOptionsCountsOnce) {
    Module1::GameStarted = true;
    Module1::OptionsNewGameAnswer = vb::vbOK;
    form.mnuNewGame_Click();
    EXPECT_TRUE(host.messageBoxes().empty());
    FinishReveal();

    Module1::GameStarted = true;
    host.answerMsgBox(vb::vbOK);
    form.mnuNewGame_Click();
    EXPECT_EQ(host.messageBoxes().size(), 1u);
}

TEST_F(NewGame, CancelLeavesTheGameUnderWayUntouched) {
    PlayTwoTurns();
    form.Timer4.setEnabled(true);
    const std::string state = StateText();
    const std::string sheet = SheetText(form);
    const std::string controls = ControlsText();
    const std::vector<uint32_t> counter = Pixels(form.picScore);
    host.answerMsgBox(vb::vbCancel);
    media::TakeMciCommands();

    form.mnuNewGame_Click();

    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0].answer, vb::vbCancel);
    EXPECT_EQ(StateText(), state);
    EXPECT_EQ(SheetText(form), sheet);
    EXPECT_EQ(ControlsText(), controls);
    EXPECT_EQ(Pixels(form.picScore), counter);
    EXPECT_TRUE(SoundNames().empty());
    EXPECT_TRUE(media::TakeMciCommands().empty());
}

// From five dice to six: the sixth die comes free and blank, whatever an earlier six-dice
// game left in it.
TEST_F(NewGame, ASixthDieJoiningIsFreeAndBlank) {
    Module1::DiceSetting = 4;
    form.SetControls();
    Module1::LastDieIndex = 4;
    form.diceValues = {2, 3, 4, 5, 6, 6};
    Module1::DiceToRoll = {true, false, true, true, false, false};
    form.picDice(5).setEnabled(true);
    StartGameUnderWay();
    Module1::DiceSetting = 5;

    form.mnuNewGame_Click();

    EXPECT_EQ(Join(form.diceValues, 0, 5), "0 0 0 0 0 0");
    EXPECT_EQ(Join(Module1::DiceToRoll, 0, 5), "1 1 1 1 1 1");
    EXPECT_EQ(Module1::LastDieIndex, 5);
    EXPECT_FALSE(form.picDice(5).Enabled());
}

// With two players the first board stays entered while the second player plays on; the
// roll sets GameStarted again only at the hand-over, yet the game is under way.
TEST_F(NewGame, StartsAfreshAfterTheFirstOfTwoBoardsWasEntered) {
    Module1::NumPlayers = 2;
    form.SetControls();
    form.boardEntered = true;
    form.roundIndex = 52;
    form.lblDown(0).setCaption("3");
    Module1::ConfirmQuit = false;

    form.mnuNewGame_Click();

    EXPECT_FALSE(form.boardEntered);
    EXPECT_EQ(form.roundIndex, 0);
    EXPECT_EQ(form.lblDown(0).Caption(), "");
    EXPECT_TRUE(form.tmrAnimation.Enabled());
}

TEST_F(NewGame, TwoPlayersStartWithTheFirstPlayerAndBlankCounters) {
    Module1::NumPlayers = 2;
    Module1::Player1Name = "Ana";
    form.SetControls();
    StartGameUnderWay();
    form.setCaption("Tolvarin - Player 2");
    form.StatusBar1.Panels(1).setText("Player 2");
    form.StatusBar1.Panels(3).setText("120 : 95");
    form.cmdNextPlayer.setVisible(true);
    form.cmdShowNextBoard.setVisible(true);
    form.cmdShowNextBoard.setEnabled(true);
    form.otherPlayerTotal = 95;

    form.mnuNewGame_Click();

    EXPECT_EQ(form.Caption(), "Tolvarin - Ana");
    EXPECT_EQ(form.StatusBar1.Panels(1).Text(), "Ana");
    EXPECT_EQ(form.StatusBar1.Panels(3).Text(), "0 : 0");
    EXPECT_EQ(form.otherPlayerTotal, 0);
    EXPECT_FALSE(form.cmdNextPlayer.Visible());
    EXPECT_FALSE(form.cmdShowNextBoard.Visible());
    EXPECT_FALSE(form.cmdShowNextBoard.Enabled());
    EXPECT_EQ(form.cmdShowNextBoard.Caption(), "    Show      Ana's  Board");
    EXPECT_EQ(Pixels(form.picPlayer1Score), Pixels(form.picScoreB));
    EXPECT_EQ(Pixels(form.picPlayer2Score), Pixels(form.picScoreB));
}

TEST_F(NewGame, HintsFollowTheSetting) {
    for (bool always : {false, true}) {
        SCOPED_TRACE(always);
        Module1::HintsAlwaysSetting = always;
        StartGameUnderWay();
        form.hintsAlways = !always;
        form.mnuNewGame_Click();
        EXPECT_EQ(form.hintsAlways, always);
        FinishReveal();
    }
    EXPECT_TRUE(form.mnuHintsByRequest.Enabled());
    EXPECT_FALSE(form.mnuHintsAllways.Enabled());
}

TEST_F(NewGame, PlaysItsSoundOnlyWithSoundsOnAndTheWindowEnabled) {
    struct Case {
        bool soundsOn, windowEnabled;
        std::vector<std::string> sounds;
    };
    const Case cases[] = {{true, true, {"newGame"}}, {false, true, {}}, {true, false, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.soundsOn << c.windowEnabled);
        Module1::SoundsOn = c.soundsOn;
        form.setEnabled(c.windowEnabled);
        StartGameUnderWay();
        form.mnuNewGame_Click();
        EXPECT_EQ(SoundNames(), c.sounds);
        FinishReveal();
    }
}

// No roll on a half-shown board: the roll area gives no roll until the reveal has ended.
TEST_F(NewGame, RefusesARollWhileTheRevealRuns) {
    StartGameUnderWay();
    vb::ScriptRnd({vb::RndForFace(4, 9)});
    form.mnuNewGame_Click();

    Roll("1 2 3 4 5 6");
    host.advance(3);
    host.keyPress(form, 13);
    EXPECT_FALSE(Module1::GameStarted);
    EXPECT_EQ(form.rollNumber, 0);
    vb::ClearScriptedRnd();

    FinishReveal();
    Roll("1 2 3 4 5 6");
    EXPECT_EQ(form.rollNumber, 1);
    EXPECT_EQ(Join(form.diceValues, 0, 5), "1 2 3 4 5 6");
}

// "Roll the dice" follows on the prompt timer's second tick, 600 ms after New Game.
TEST_F(NewGame, AsksForTheFirstRollAfterAPause) {
    PlayTwoTurns();
    Module1::ConfirmQuit = false;
    form.mnuNewGame_Click();
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "");

    host.advance(599);
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "");
    host.advance(1);
    EXPECT_EQ(form.StatusBar1.Panels(2).Text(), "Roll the dice");
    EXPECT_FALSE(form.tmrRollDice.Enabled());
}

}  // namespace
