// Two players on one sheet: the exchange of the shown board with the stored one (four
// columns and one), the counter state and pictures that go with the player, and the board
// viewer after the game.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "game/turn_fixture.h"
#include "platform/forms/picturebox_surface.h"
#include "platform/gdi/bitmap.h"

namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kGreen = 0x00FF00;

class PlayersTest : public TurnTest {
protected:
    PlayersTest() {
        Module1::NumPlayers = 2;
        Reload();
    }

    // The per-player progress that travels with the board.
    std::string Progress() const {
        std::string bonus;
        for (size_t c = 1; c <= 4; ++c) bonus += form.bonusAwarded[c] ? '1' : '0';
        return "round " + std::to_string(form.roundIndex) + ", down " +
               std::to_string(form.nextDownRow) + ", up " + std::to_string(form.nextUpRow) +
               ", rand upper " + std::to_string(form.randUpperFilled) + ", oblg upper " +
               std::to_string(form.oblgUpperFilled) + ", bonus " + bonus;
    }

    // A first board with a "0" cell, a negative (Max-Min)xOnes line, an empty total in
    // every column but Rand, and progress of its own.
    void FillFirstBoard() {
        Preset(colDown, {"0", "4", "9"}, "13", "", "13");
        Preset(colUp, {"", "", "", "", "", "", "", "", "", "", "", "0", "100"}, "", "", "100");
        Preset(colRand, {"2", "", "", "", "", "", "12", "20"}, "2", "-16", "-14");
        Preset(colOblg, {"", "", "", "", "", "", "", "", "", "", "60"}, "", "", "60");
        form.roundIndex = 9;
        form.nextDownRow = 3;
        form.nextUpRow = 10;
        form.randUpperFilled = 1;
        form.oblgUpperFilled = 0;
        form.bonusAwarded = {false, false, false, true, false};
    }

    // The box's picture filled with one colour, as a counter picture of its own.
    static void Paint(vb::PictureBox& box, uint32_t rgb) {
        box.setPicture(vb::Picture(
            std::make_shared<gdi::Bitmap>(160, 22, gdi::Bitmap::Format::Rgb32, rgb), "paint"));
        box.hDC();  // the surface, with the picture on it
    }
    static uint32_t Colour(const vb::PictureBox& box) {
        const gdi::Bitmap* surface = gdi::SurfaceOf(box);
        return surface ? surface->pixel(80, 11) : 0xDEAD;
    }
};

TEST_F(PlayersTest, TheSecondPlayerStartsOnAnEmptySheetAndTheFirstComesBackUnchanged) {
    const std::string empty = SheetText(form);
    FillFirstBoard();
    const std::string first = SheetText(form);
    const std::string firstProgress = Progress();

    form.SwapShownBoard();
    EXPECT_EQ(SheetText(form), empty);
    EXPECT_EQ(Progress(), "round 0, down 0, up 12, rand upper 0, oblg upper 0, bonus 0000");
    EXPECT_TRUE(form.otherBoardInitialised);

    Preset(colRand, {"", "", "5"}, "5", "", "5");
    form.roundIndex = 1;
    form.randUpperFilled = 1;
    const std::string second = SheetText(form);
    const std::string secondProgress = Progress();

    form.SwapShownBoard();
    EXPECT_EQ(SheetText(form), first);
    EXPECT_EQ(Progress(), firstProgress);
    form.SwapShownBoard();
    EXPECT_EQ(SheetText(form), second) << "a later exchange does not empty the store again";
    EXPECT_EQ(Progress(), secondProgress);
}

TEST_F(PlayersTest, OneColumnExchangesRandAlone) {
    Module1::NumColumns = 1;
    Reload();
    Preset(colRand, {"3", "", "", "", "", "", "25", "10", "", "39"}, "3", "45", "87");
    form.lblDown(0).setCaption("7");  // never part of a one-column board
    form.roundIndex = 4;
    form.randUpperFilled = 1;
    form.nextDownRow = 2;
    form.nextUpRow = 9;
    form.oblgUpperFilled = 3;
    form.bonusAwarded = {false, true, true, true, true};
    const std::string first = SheetText(form);

    form.SwapShownBoardOneColumn();
    EXPECT_EQ(Progress(), "round 0, down 2, up 9, rand upper 0, oblg upper 3, bonus 0000");
    EXPECT_EQ(form.lblRand(0).Caption(), "");
    EXPECT_EQ(form.lblRand(rowFullHouse).Caption(), "");
    EXPECT_EQ(form.lblRandTot2.Caption(), "");
    EXPECT_EQ(form.lblDown(0).Caption(), "7");

    form.SwapShownBoardOneColumn();
    EXPECT_EQ(SheetText(form), first);
    EXPECT_EQ(Progress(), "round 4, down 2, up 9, rand upper 1, oblg upper 3, bonus 1111");
}

TEST_F(PlayersTest, CounterStateGoesWithThePlayer) {
    form.grandTotal = 140;
    form.prevGrandTotal = 120;
    form.prevPrevGrandTotal = 100;
    form.counterDigits = {0, 4, 1, 0, 9};
    form.counterDigitsStart = {0, 2, 1, 0, 9};
    form.counterDigitsEnd = {0, 4, 1, 0, 9};
    form.counterDigitCount = 2;
    form.counterDigitCountStart = 2;
    form.counterDigitCountEnd = 2;
    form.SwapPlayerState();
    EXPECT_EQ(form.grandTotal, 0);
    EXPECT_EQ(form.otherPlayerTotal, 140);
    EXPECT_EQ(form.prevGrandTotal, 0);
    EXPECT_EQ(form.prevPrevGrandTotal, 0);
    EXPECT_EQ(form.counterDigits, (std::array<int16_t, 5>{0, 0, 0, 0, 9})) << "not the fifth";
    EXPECT_EQ(form.counterDigitCount, 0);
    form.SwapPlayerState();
    EXPECT_EQ(form.grandTotal, 140);
    EXPECT_EQ(form.prevPrevGrandTotal, 100);
    EXPECT_EQ(form.counterDigitsStart, (std::array<int16_t, 5>{0, 2, 1, 0, 9}));
    EXPECT_EQ(form.counterDigitCountEnd, 2);
}

// The player coming to the board sees at once the counter picture kept at that player's last
// hand-over; the picture of the one leaving is kept for the next.
TEST_F(PlayersTest, HandOverShowsTheIncomingPlayersCounterPicture) {
    Paint(form.picPlayer1Score, kGreen);
    Paint(form.picPlayer2Score, kBlue);  // as New Game leaves it: the empty counter
    Roll("1 2 3 3 5 6");
    host.click(form.cmdRand(2));
    Paint(form.picScore, kRed);  // the first player's count
    Roll("1 1 1 1 1 1");
    EXPECT_EQ(Colour(form.picScore), kBlue);
    EXPECT_EQ(Colour(form.picPlayer1Score), kRed);

    host.click(form.cmdRand(rowOnes));
    Paint(form.picScore, kGreen);  // the second player's count
    Roll("2 2 2 2 2 2");
    EXPECT_EQ(Colour(form.picScore), kRed);
    EXPECT_EQ(Colour(form.picPlayer2Score), kGreen);
}

// After the game: the second player's board is shown, and the viewer offers the first's.
TEST_F(PlayersTest, TheBoardViewerTogglesBetweenTheTwoBoards) {
    FillFirstBoard();
    const std::string first = SheetText(form);
    form.SwapShownBoard();
    Preset(colRand, {"", "", "5"}, "5", "", "5");
    const std::string second = SheetText(form);
    form.playerFlags = {false, true, true, true, true};
    form.setCaption("Tolvarin - Player 2");
    form.StatusBar1.Panels(1).setText("Player 2");
    form.cmdShowNextBoard.setCaption("    Show      Player 1's  Board");
    form.cmdShowNextBoard.setVisible(true);
    form.cmdShowNextBoard.setEnabled(true);
    Paint(form.picScore, kBlue);
    Paint(form.picPlayer1Score, kRed);
    form.lblOblg(4).setVisible(false);

    host.click(form.cmdShowNextBoard);
    EXPECT_EQ(SheetText(form), first);
    EXPECT_EQ(form.Caption(), "Tolvarin - Player 1");
    EXPECT_EQ(form.StatusBar1.Panels(1).Text(), "Player 1");
    EXPECT_EQ(form.cmdShowNextBoard.Caption(), "    Show      Player 2's  Board");
    EXPECT_EQ(Colour(form.picScore), kRed);
    EXPECT_EQ(Colour(form.picPlayer2Score), kBlue);
    EXPECT_FALSE(form.SecondBoardShown());
    EXPECT_TRUE(form.lblOblg(4).Visible());

    host.click(form.cmdShowNextBoard);
    EXPECT_EQ(SheetText(form), second);
    EXPECT_EQ(form.Caption(), "Tolvarin - Player 2");
    EXPECT_EQ(form.StatusBar1.Panels(1).Text(), "Player 2");
    EXPECT_EQ(form.cmdShowNextBoard.Caption(), "    Show      Player 1's  Board");
    EXPECT_EQ(Colour(form.picScore), kBlue);
    EXPECT_EQ(Colour(form.picPlayer1Score), kRed);
    EXPECT_TRUE(form.SecondBoardShown());
}

}  // namespace
