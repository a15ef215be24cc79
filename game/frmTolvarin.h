#pragma once
// The main window: the score sheet, the dice, the roll area, the score counter, the menus,
// the toolbar and the status bar, and the state of the game played on them.
//
// Controls and game state are public, as a form's controls are: the dialogs reach the
// window's controls, and the test driver reads and sets the state directly.

#include <array>
#include <cstdint>
#include <string>

#include "game/sheet.h"
#include "platform/forms/bars.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

class frmTolvarin : public vb::Form {
public:
    frmTolvarin() : vb::Form("frmTolvarin") {}

    using Dice = std::array<int32_t, 6>;
    using Labels = vb::ControlArray<vb::Label>;
    using Buttons = vb::ControlArray<vb::CommandButton>;
    using Pictures = vb::ControlArray<vb::PictureBox>;
    using Images = vb::ControlArray<vb::Image>;
    using Shapes = vb::ControlArray<vb::Shape>;

    // ===== Controls =====

    // The sheet: cells and cell buttons by row, 0..12.
    Labels lblDown{*this, "lblDown", 0, 12};
    Labels lblUp{*this, "lblUp", 0, 12};
    Labels lblRand{*this, "lblRand", 0, 12};
    Labels lblOblg{*this, "lblOblg", 0, 12};
    Buttons cmdDown{*this, "cmdDown", 0, 12};
    Buttons cmdUp{*this, "cmdUp", 0, 12};
    Buttons cmdRand{*this, "cmdRand", 0, 12};
    Buttons cmdOblg{*this, "cmdOblg", 0, 12};
    // Sub Total, (Max-Min)xOnes and Column Total of each column.
    vb::Label lblDownTot1{*this, "lblDownTot1"};
    vb::Label lblUpTot1{*this, "lblUpTot1"};
    vb::Label lblRandTot1{*this, "lblRandTot1"};
    vb::Label lblOblgTot1{*this, "lblOblgTot1"};
    vb::Label lblDownTot2{*this, "lblDownTot2"};
    vb::Label lblUpTot2{*this, "lblUpTot2"};
    vb::Label lblRandTot2{*this, "lblRandTot2"};
    vb::Label lblOblgTot2{*this, "lblOblgTot2"};
    vb::Label lblDownTot{*this, "lblDownTot"};
    vb::Label lblUpTot{*this, "lblUpTot"};
    vb::Label lblRandTot{*this, "lblRandTot"};
    vb::Label lblOblgTot{*this, "lblOblgTot"};
    vb::Shape Shape10{*this, "Shape10"};  // background behind the cells

    // The row-name panel left of the cells and what sits in it.
    vb::PictureBox Picture2{*this, "Picture2"};
    Labels lblOption{*this, "lblOption", 0, 12};  // row names
    Shapes shpOptions{*this, "shpOptions", 0, 12};
    Labels lblTip{*this, "lblTip", 0, 12};  // hint values
    Shapes Shape12{*this, "Shape12", 0, 12};
    vb::Label Label4{*this, "Label4"};    // "Sub Total "
    vb::Label Label3{*this, "Label3"};    // "(Max-Min)xOnes"
    vb::Label Label13{*this, "Label13"};  // "Column Total "
    vb::Label Label2{*this, "Label2"};    // "Grand Total "
    vb::Shape shpLabel4{*this, "shpLabel4"};
    vb::Shape shpLabel3{*this, "shpLabel3"};
    vb::Shape shpLabel13{*this, "shpLabel13"};
    vb::Shape shpLabel2{*this, "shpLabel2"};
    vb::Image imgArrow{*this, "imgArrow"};    // points at the counter, four columns
    vb::Image imgArrow2{*this, "imgArrow2"};  // the same, one column

    // Rule lines: 1-4 frame the row names, 9-12 the cells, 5-8 the dice area.
    vb::Line Line1{*this, "Line1"};
    vb::Line Line2{*this, "Line2"};
    vb::Line Line3{*this, "Line3"};
    vb::Line Line4{*this, "Line4"};
    vb::Line Line5{*this, "Line5"};
    vb::Line Line6{*this, "Line6"};
    vb::Line Line7{*this, "Line7"};
    vb::Line Line8{*this, "Line8"};
    vb::Line Line9{*this, "Line9"};
    vb::Line Line10{*this, "Line10"};
    vb::Line Line11{*this, "Line11"};
    vb::Line Line12{*this, "Line12"};

    // The score counter and its work pictures.
    vb::PictureBox picScore{*this, "picScore"};
    vb::PictureBox picScoreB{*this, "picScoreB"};  // blank background
    Pictures picBuffer{*this, "picBuffer", 0, 2};  // after, before, drawing buffer
    Pictures picDigit{*this, "picDigit", 0, 9};
    vb::PictureBox picNeg{*this, "picNeg"};
    vb::PictureBox picPlayer1Score{*this, "picPlayer1Score"};
    vb::PictureBox picPlayer2Score{*this, "picPlayer2Score"};

    // The dice area: each die free (picDice) or held (PicDiceOff), the face pictures, the
    // frames and the roll area with its three looks and the roll lamps.
    Pictures picDice{*this, "picDice", 0, 5};
    Pictures PicDiceOff{*this, "PicDiceOff", 0, 5};
    Pictures picHide{*this, "picHide", 0, 5};        // face k + 1 of a free die
    Pictures picHideOff{*this, "picHideOff", 0, 5};  // face k + 1 of a held die
    vb::Shape Shape1{*this, "Shape1"};               // frame of the roll area
    vb::Shape Shape3{*this, "Shape3"};               // frames of dice 3, 4, 5
    vb::Shape Shape4{*this, "Shape4"};
    vb::Shape Shape5{*this, "Shape5"};
    vb::Shape Shape6{*this, "Shape6"};  // frames of dice 0, 1, 2
    vb::Shape Shape7{*this, "Shape7"};
    vb::Shape Shape8{*this, "Shape8"};
    vb::Shape Shape9{*this, "Shape9"};  // background of the dice area
    vb::PictureBox picRollDices{*this, "picRollDices"};
    vb::PictureBox picRollDice{*this, "picRollDice"};  // normal look
    vb::PictureBox picRollOn{*this, "picRollOn"};      // pressed look
    vb::PictureBox picRollOff{*this, "picRollOff"};    // disabled look
    Pictures picRound{*this, "picRound", 0, 2};        // lit lamps
    Pictures picRoundBG{*this, "picRoundBG", 0, 2};    // dark lamps

    // Pictures of the cell buttons.
    vb::Image imgBut3{*this, "imgBut3"};
    Images img1ColumnP{*this, "img1ColumnP", 0, 12};  // one column: normal
    Images img1Column{*this, "img1Column", 0, 12};    // one column: under the pointer
    vb::Image Image1{*this, "Image1"};                // background of menus and toolbar

    // Two players.
    vb::CommandButton cmdNextPlayer{*this, "cmdNextPlayer"};
    vb::CommandButton cmdShowNextBoard{*this, "cmdShowNextBoard"};

    // The game clock, shown in status panel 5.
    vb::Label lblTimeElapsed{*this, "lblTimeElapsed"};

    vb::StatusBar StatusBar1{*this, "StatusBar1"};
    vb::ImageList ilToolBarSmall{*this, "ilToolBarSmall"};  // the toolbar's pictures
    vb::Toolbar Toolbar2{*this, "Toolbar2"};

    // Menus, in tree order. Items of a switch come in pairs: the plain item shows the
    // option in force, its twin (suffix 2) chooses it.
    vb::Menu mnuGame{*this, "mnuGame", ""};
    vb::Menu mnuNewGame{*this, "mnuNewGame", "", &mnuGame};
    vb::Menu mnuOptions{*this, "mnuOptions", "", &mnuGame};
    vb::Menu mnuScores{*this, "mnuScores", "", &mnuGame};
    vb::Menu mnuHyphen1{*this, "mnuHyphen1", "", &mnuGame};
    vb::Menu mnuGameExit{*this, "mnuGameExit", "", &mnuGame};
    vb::Menu mnuTools{*this, "mnuTools", ""};
    vb::Menu mnuUndoUndo{*this, "mnuUndoUndo", "", &mnuTools};
    vb::Menu mnuUndoRedo{*this, "mnuUndoRedo", "", &mnuTools};
    vb::Menu mnuHyphen2{*this, "mnuHyphen2", "", &mnuTools};
    vb::Menu mnuHintsByRequest{*this, "mnuHintsByRequest", "", &mnuTools};
    vb::Menu mnuHintsByRequest2{*this, "mnuHintsByRequest2", "", &mnuTools};
    vb::Menu mnuHintsAllways{*this, "mnuHintsAllways", "", &mnuTools};
    vb::Menu mnuHintsAllways2{*this, "mnuHintsAllways2", "", &mnuTools};
    vb::Menu mnuHyphen3{*this, "mnuHyphen3", "", &mnuTools};
    vb::Menu mnuSoundsOn{*this, "mnuSoundsOn", "", &mnuTools};
    vb::Menu mnuSoundsOn2{*this, "mnuSoundsOn2", "", &mnuTools};
    vb::Menu mnuSoundsOff{*this, "mnuSoundsOff", "", &mnuTools};
    vb::Menu mnuSoundsOff2{*this, "mnuSoundsOff2", "", &mnuTools};
    vb::Menu mnuHyphen4{*this, "mnuHyphen4", "", &mnuTools};
    vb::Menu mnuMusicOn{*this, "mnuMusicOn", "", &mnuTools};
    vb::Menu mnuMusicOn2{*this, "mnuMusicOn2", "", &mnuTools};
    vb::Menu mnuMusicOff{*this, "mnuMusicOff", "", &mnuTools};
    vb::Menu mnuMusicOff2{*this, "mnuMusicOff2", "", &mnuTools};
    vb::Menu mnuHelp{*this, "mnuHelp", ""};
    vb::Menu mnuQuickStar{*this, "mnuQuickStar", "", &mnuHelp};
    vb::Menu mnuContents{*this, "mnuContents", "", &mnuHelp};
    vb::Menu mnuHyphen5{*this, "mnuHyphen5", "", &mnuHelp};
    vb::Menu mnuGoToWeb{*this, "mnuGoToWeb", "", &mnuHelp};
    vb::Menu mnuContact{*this, "mnuContact", "", &mnuHelp};
    vb::Menu mnuHyphen6{*this, "mnuHyphen6", "", &mnuHelp};
    vb::Menu mnuAbout{*this, "mnuAbout", "", &mnuHelp};

    // Timers.
    vb::Timer tmrCounter{*this, "tmrCounter"};          // starts the score counter
    vb::Timer tmrRollDice{*this, "tmrRollDice"};        // the delayed "Roll the dice"
    vb::Timer tmrAnimation{*this, "tmrAnimation"};      // the board reveal
    vb::Timer tmrTimeElapsed{*this, "tmrTimeElapsed"};  // the game clock
    vb::Timer tmrGameOver{*this, "tmrGameOver"};        // the game-over marquee
    vb::Timer Timer3{*this, "Timer3"};                  // the background playlist
    vb::Timer Timer4{*this, "Timer4"};                  // the intro music

    // ===== Game state =====
    // Zero, false or empty when the window is made; Form_Load and New Game set them.

    // Dice (the hold flags are Module1::DiceToRoll).
    Dice diceValues{};  // faces 1..6 of dice 0..LastDieIndex

    // Turn.
    int32_t rollNumber = 0;     // rolls made in this turn, 0..3
    int32_t lastTurnRolls = 0;  // rolls used by the turn just placed
    int32_t selectedRow = 0;
    int32_t selectedColumn = 0;  // column code, 0 when none
    bool newGameNotRolled = false;
    bool mayRoll = false;
    bool hintAvailable = false;

    // The announce column.
    bool announcedThisTurn = false;
    bool hideAnnounceButtons = false;
    bool announceKeptForUndo = false;
    bool lastWasAnnounced = false;

    // Sheet progress.
    int32_t nextDownRow = 0;  // 13 = Down is full
    int32_t nextUpRow = 0;    // -1 = Up is full
    int32_t roundIndex = 0;   // cells filled on the shown board
    int32_t randUpperFilled = 0;
    int32_t oblgUpperFilled = 0;
    std::array<bool, 5> bonusAwarded{};  // by column code 1..4

    // Scores and totals.
    int32_t lastScore = 0;    // value of the last scorer call, hint pass included
    int32_t placedScore = 0;  // value the last placement wrote into its cell
    int32_t grandTotal = 0;
    int32_t prevGrandTotal = 0;
    int32_t prevPrevGrandTotal = 0;
    int32_t otherPlayerTotal = 0;

    // Hints.
    bool hintPass = false;  // the scorers only compute
    bool hintsAlways = false;
    bool hintRequested = false;

    // Undo snapshot.
    Dice savedDiceValues{};
    std::array<bool, 6> savedDiceToRoll{};
    std::array<int16_t, 14> savedTips{};
    std::array<int16_t, 14> undoTipValues{};
    bool rolledSinceUndo = false;
    int32_t redoColumn = 0;
    bool undoBonusTaken = false;

    // Score counter.
    std::array<int16_t, 5> counterDigits{};  // index 0 = units
    std::array<int16_t, 5> counterDigitsStart{};
    std::array<int16_t, 5> counterDigitsEnd{};
    int16_t counterDigitCount = 0;
    int16_t counterDigitCountStart = 0;
    int16_t counterDigitCountEnd = 0;
    bool skipNextCount = false;
    bool counterFinished = false;
    bool counterShown = false;

    // Players: the board of the player not shown; 2000 marks an empty cell or total.
    std::array<bool, 5> playerFlags{};  // 1..4, all true while the second board is shown
    bool otherBoardInitialised = false;
    std::array<int32_t, 13> storedDown{};
    std::array<int32_t, 13> storedUp{};
    std::array<int32_t, 13> storedRand{};
    std::array<int32_t, 13> storedOblg{};
    int32_t storedDownTot1 = 0, storedDownTot2 = 0, storedDownTot = 0;
    int32_t storedUpTot1 = 0, storedUpTot2 = 0, storedUpTot = 0;
    int32_t storedRandTot1 = 0, storedRandTot2 = 0, storedRandTot = 0;
    int32_t storedOblgTot1 = 0, storedOblgTot2 = 0, storedOblgTot = 0;
    int32_t storedRoundIndex = 0;
    int32_t storedNextDownRow = 0;
    int32_t storedNextUpRow = 0;
    int32_t storedRandUpperFilled = 0;
    int32_t storedOblgUpperFilled = 0;
    std::array<bool, 5> storedBonusAwarded{};
    std::array<int32_t, 13> storedRandOne{};  // the one-column sheet's stored board
    int32_t storedRandOneTot1 = 0, storedRandOneTot2 = 0, storedRandOneTot = 0;
    int32_t storedRoundIndexOne = 0;
    int32_t storedRandUpperFilledOne = 0;
    std::array<bool, 5> storedBonusAwardedOne{};
    int32_t storedPrevGrandTotal = 0;
    int32_t storedPrevPrevGrandTotal = 0;
    std::array<int16_t, 5> storedCounterDigits{};
    std::array<int16_t, 5> storedCounterDigitsStart{};
    std::array<int16_t, 5> storedCounterDigitsEnd{};
    int16_t storedCounterDigitCount = 0;
    int16_t storedCounterDigitCountStart = 0;
    int16_t storedCounterDigitCountEnd = 0;

    // Display and effects.
    bool rowHighlightCaptured = false;
    int32_t animStep = 0;
    int32_t animMode = 0;
    int32_t animPhase = 0;
    std::array<int32_t, 53> revealOrder{};
    bool gameOver = false;
    std::string statusMarquee;
    int32_t gameOverScrolling = 0;
    int32_t musicPosition = 0;
    int32_t musicLength = 0;
    bool playSecondSong = false;
    bool introArmed = false;
    int32_t rollPromptTicks = 0;

    // ===== The sheet =====

    // The controls of one column.
    struct SheetColumn {
        Labels& cells;
        Buttons& buttons;
        vb::Label& subTotal;     // Sub Total
        vb::Label& maxMinLine;   // (Max-Min)xOnes
        vb::Label& columnTotal;  // Column Total
    };
    // The same, as members, so that code holding a const window can read a column too.
    struct SheetColumnMembers {
        Labels frmTolvarin::*cells;
        Buttons frmTolvarin::*buttons;
        vb::Label frmTolvarin::*subTotal;
        vb::Label frmTolvarin::*maxMinLine;
        vb::Label frmTolvarin::*columnTotal;
    };
    // Indexed by column code - 1.
    static const std::array<SheetColumnMembers, 4> kSheetColumns;
    // The column with code @p code (1..4).
    SheetColumn Column(int32_t code);

    // ===== Row scorers (scorers.cpp) =====
    // Each leaves the row's value in lastScore. Outside the hint pass each sorts the dice
    // first and then writes the value into the sheet (sheet_writing.cpp).
    void SortDice();
    void ScoreNumber(uint8_t face);
    void ScoreMax();
    void ScoreMin();
    void ScoreThreeOfAKind();
    void ScoreFullHouse();
    void ScoreStraight();  // leaves the dice in the order it found them
    void ScoreFourOfAKind();
    void ScoreFiveOfAKind();
    // The scorer of @p row, 0..12.
    void CallRowScorer(int32_t row);

    // ===== Writing a score (sheet_writing.cpp) =====
    // The upper bonus of Down (at row 5) and Up (at row 0), a step of the placement.
    void ApplyDownUpBonus(int32_t column, int32_t row);
    // prevPrevGrandTotal <- prevGrandTotal <- grandTotal <- the sum of the column totals
    // (lblRandTot alone for the one-column sheet).
    void UpdateGrandTotal(bool oneColumn);

    // ===== Hints (hints.cpp) =====
    void ComputeHints();

    // ===== Rolling and holding the dice =====
    // A press on the roll area shows its pressed look; the release rolls the free dice (with
    // two players it first hands the board over while "Next Player" is shown).
    void picRollDices_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void picRollDices_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void cmdNextPlayer_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    // Space minimises the window, Enter rolls.
    void Form_KeyPress(int16_t& KeyAscii) override;
    // A click on a free die holds it; a click on a held die releases it.
    void picDice_Click(int16_t Index);
    void PicDiceOff_Click(int16_t Index);
    // "Roll the dice" in status panel 2, on the timer's second tick after New Game.
    void tmrRollDice_Timer();
    // Status panel 1: @p code 2 names the second player, 3 the first; other codes nothing.
    void ShowPlayerNameInStatus(int32_t& code);
    // Steps of the roll.
    void HandOver(int32_t& nameCode);
    void EnableCellButtonsForFirstRoll();
    void RemindToAnnounce();
    void ForceLastAnnouncement();
    void PlayRollSound();
    void StartTurn();
    void CloseAnnounceWindow();
    // Where a key or the "Next Player" button says the roll area was released.
    static constexpr float kRollAreaX = 615, kRollAreaY = 645;
    // The free dice tumble for this many frames before they land.
    static constexpr int kAnimationFrames = 9;
    void RollFreeDice();
    bool EndThirdRoll();
    void PlayFiveOfAKindSound();
    // The first @p lit roll lamps lit, the others dark.
    void LightRollLamps(int32_t lit);
    // The roll area enabled with its normal look, or disabled with its "off" look.
    void SetRollAreaEnabled(bool enabled);

    // ===== Placing a score and the announce column =====
    // A click on a visible cell button places the dice's score there and ends the turn; a
    // click on a filled cell places nothing. Redo replays them with the sounds suppressed.
    void cmdDown_Click(int16_t Index);
    void cmdUp_Click(int16_t Index);
    void cmdRand_Click(int16_t Index);
    // Oblg: with nothing announced a click announces the row, otherwise it places there.
    void cmdOblg_Click(int16_t Index);
    // The end of a turn: cell buttons hidden, lamps dark, dice freed and disabled, and the
    // dice and holds kept for undo.
    void ResetTurn();
    // No cell button offered: every Oblg and Rand button, and the next Down and Up cells.
    void HideCellButtons();
    // Every die on the table free and disabled until the next roll, the values kept for undo.
    void FreeDiceAfterPlacement();
    // Dice 0 to @p lastDie shown and disabled with no held die in view: the dice before a roll.
    void ShowDiceUnrolled(int32_t lastDie);
    // Steps of the placements.
    void PlaceScore(int32_t column, int16_t Index);
    void SaveAndClearTips();
    void PlayPlacementSound(bool fillsBoard);
    // Two players: both totals; one player: "Roll the dice or undo last move".
    void ShowPlacementStatus();
    void ShowTotalsInStatus();
    bool EndOfSheet(int32_t column, bool& counterHandled, bool& noHandOver);
    bool AskToFinishGame();
    void CloseTurn(int16_t Index, bool counterHandled, bool noHandOver);
    void Announce(int16_t Index);
    bool PlaceAnnounced(int16_t Index);
    void ShowOblgPlacementStatus();
    // Undo and redo offered or not: the menu item and the toolbar button together.
    void OfferUndo(bool on);
    void OfferRedo(bool on);
    // Whether the second player's board is shown (all four player flags set).
    bool SecondBoardShown() const;

    // ===== Row highlight under the pointer =====
    // The row name under the pointer is lit while the pointer rests on a cell button.
    void cmdDown_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void cmdUp_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void cmdOblg_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void cmdRand_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void HighlightRowUnder(vb::CommandButton& button, int16_t Index, float X, float Y,
                           bool litPicture);
    // The row name of @p Index back to normal and the capture released.
    void RowHighlightOff(int16_t Index);

    // ===== Undo and redo =====
    // One level: undo takes the last placement (or announcement) back, redo places it again.
    // Both do nothing once EndGame has entered the shown board.
    void mnuUndoUndo_Click();
    void mnuUndoRedo_Click();
    // Undo came before the placement's count had started and called it off, so the picture
    // after the count was never drawn: redo lets the placement it replays count instead.
    bool undoCalledOffCount = false;

    // ===== Two players and their boards =====
    // The shown sheet and the other player's stored board exchanged (four columns, one).
    void SwapShownBoard();
    void SwapShownBoardOneColumn();
    // The per-player counter state, then also the counter pictures, exchanged.
    void SwapPlayerState();
    void SwapScoreCounters();
    // After a two-player game: shows the other player's board.
    void cmdShowNextBoard_Click();

    // ===== Set-up and layout =====
    // Sets the window up when it loads: place, first state, layout for the settings.
    void Form_Load() override;
    // Lays the window out for the settings: dice area, sheet, status bar, caption, and the
    // menu pairs and toolbar pictures of the hint, sound and music switches.
    void SetControls();
    // Shows the hint column when hints are always on or one was asked for.
    void UpdateHintDisplay();
    // Status-bar panels for one or two players, and the window's height.
    void LayoutStatusBar();

    // ===== Closing, minimising and the game clock =====
    // Asks before the window closes (when ConfirmExit is set), then tidies the whole program
    // up: settings saved, help and music closed, the class cursor put back.
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;
    // The other windows go with the main one, so that closing it ends the program.
    void Form_Unload(int16_t& Cancel) override;
    // With music on, minimising pauses the song and its playlist; any other state resumes.
    void Form_Resize() override;
    // One second more on the clock since the window loaded, shown in status panel 5.
    void tmrTimeElapsed_Timer();

    // ===== Score counter =====
    // Every digit cell's top, in pixels inside picScore.
    static constexpr int32_t kCounterDigitTop = 4;
    // The tick of tmrCounter: one count for each start, unless redo asked to skip it.
    void tmrCounter_Timer();
    // Rolls the counter up from prevGrandTotal to grandTotal, or draws grandTotal at once
    // when the total fell or either is negative; returns when the number stands.
    void RollScoreCounter();
    // Copies the whole counter picture of @p from over @p to (picScore, the buffers and the
    // players' stored counters are all of one size).
    void CopyCounterPicture(vb::PictureBox& from, vb::PictureBox& to);

    // ===== End of game and the top-score file =====
    // Enters the shown board's grand total into its top-score table and shows the result;
    // on the game's last board it also ends the game.
    void EndGame();
    // The game-over text turning in status panel 2.
    void tmrGameOver_Timer();
    // Whether the board on show is one that EndGame has entered into its table: its last
    // placement must not be taken back then, or the board would be entered twice.
    bool ShownBoardEntered() const;
    // EndGame has entered a board since New Game (with two players the first board stays
    // entered while the second is played); New Game clears it.
    bool boardEntered = false;

    // ===== New game and the board reveal =====
    // Ends the game under way, after asking while one runs, and lays out a fresh board that
    // the reveal then shows; on a board still fresh it only blanks the score counter.
    void mnuNewGame_Click();
    // Whether a game is under way, which New Game and Options ask about before they end it.
    bool GameUnderWay() const;
    // Empties the sheet, chooses the reveal pattern and starts the reveal.
    void ClearBoard();
    // The order in which reveal pattern 6 shows the 52 cells: a shuffle of 0..51.
    void ShuffleRevealOrder();
    // One step of the reveal: a group of cell buttons appears (or, in the patterns that
    // hide first, goes); the roll area stays disabled until the last step gives it back.
    void tmrAnimation_Timer();

    // ===== Menus, toolbar, sound and music =====
    // Pictures of the toolbar's image list that the sound and music buttons show.
    static constexpr int16_t kSoundOnPicture = 5;
    static constexpr int16_t kSoundOffPicture = 8;
    static constexpr int16_t kMusicOnPicture = 9;
    static constexpr int16_t kMusicOffPicture = 10;
    // A switch shows one item of each of its two options: the plain item (with the check
    // picture) of the option in force, the twin (which chooses it) of the other.
    static void ShowSwitchItems(vb::Menu& onItem, vb::Menu& onTwin, vb::Menu& offItem,
                                vb::Menu& offTwin, bool on);
    // Game menu: the options dialog, then the window laid out for what it changed; the top
    // scores without a result line; Exit closes the window.
    void mnuOptions_Click();
    void mnuScores_Click();
    void mnuGameExit_Click();
    // Tools menu: the twins choose hints on request or always, sound effects and music on
    // or off.
    void mnuHintsByRequest2_Click();
    void mnuHintsAllways2_Click();
    void mnuSoundsOn2_Click();
    void mnuSoundsOff2_Click();
    void mnuMusicOn2_Click();
    void mnuMusicOff2_Click();
    // Help menu: the quick-start rules (modeless), the help document at its contents, the
    // web page, a mail to the author, and the about box, which disables this window.
    void mnuQuickStar_Click();
    void mnuContents_Click();
    void mnuGoToWeb_Click();
    void mnuContact_Click();
    void mnuAbout_Click();
    // The owner-drawn menus and the toolbar's background, and the menus' pictures.
    void InitMenuImages();
    // The toolbar: each button's key names its command.
    void Toolbar2_ButtonClick(vb::ToolbarButton& Button);
    // The hint button: the hints of this roll, once a roll, while hints are on request.
    void ShowHintOnRequest();
    // The sound and music buttons turn their switch over.
    void ToggleSoundEffects();
    void ToggleMusic();
    // The players' names as the options dialog left them: the caption and status panel 1
    // name the player whose board is shown, the board viewer the board it would show.
    void ShowPlayerNames();
    // The background playlist: SONG01 and SONG02 take turns while music is on.
    void Timer3_Timer();
    // The intro music, on the second tick after a game ends.
    void Timer4_Timer();

protected:
    void InitializeComponent() override;

private:
    // The design's events: the turn's controls (dice, roll area, cell buttons), and the
    // window's menus, toolbar and timers.
    void ConnectTurnEvents();
    void ConnectWindowEvents();

    bool SixDice() const;
    // The writes that follow each scorer when a score is placed.
    void WriteNumberRow(int32_t s);
    void WriteMaxRow(int32_t s);
    void WriteMinRow(int32_t s);
    void WriteLowerRow(int32_t s);
    void WriteFiveOfAKindRow(int32_t s);
    void CompleteMaxMinLine(SheetColumn& col);
    void StepRandOblgBonus();
    void AwardUpperBonus(int32_t column);
    static void AddToTotal(vb::Label& total, double amount);
    bool RowCanBeChosen(int32_t row);
};
