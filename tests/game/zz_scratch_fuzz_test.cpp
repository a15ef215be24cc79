// SCRATCH (reviewer's, to be deleted): random play checking sheet invariants.
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "dialogs/frmEndGame.h"
#include "dialogs/frmScores2.h"
#include "dialogs/frmTheWinerIs.h"
#include "game/temp_app_folder.h"
#include "game/turn_fixture.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/random.h"

namespace {

class FuzzTest : public TurnTest, public ::testing::WithParamInterface<int> {
protected:
    endgame_test::TempAppFolder folder;
    std::mt19937 rng;
    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    bool Pending(const std::string& what) {
        for (const auto& s : host.pendingScripts())
            if (s == what) return true;
        return false;
    }
    void Arm() {
        if (!Pending("onModal frmEndGame")) {
            host.onModal("frmEndGame", [this](vb::Form& w) {
                bool finish = Pick(2) == 0 || (form.boardEntered && form.SecondBoardShown());
                auto& d = static_cast<frmEndGame&>(w);
                host.click(finish ? d.cmdFinish : d.cmdUndo);
            });
        }
        if (!Pending("onModal frmScores2"))
            host.onModal("frmScores2",
                         [this](vb::Form& w) { host.click(static_cast<frmScores2&>(w).cmdReturn); });
        if (!Pending("onModal frmTheWinerIs"))
            host.onModal("frmTheWinerIs", [this](vb::Form& w) {
                host.click(static_cast<frmTheWinerIs&>(w).cmdClose);
            });
        if (!Pending("answerMsgBox 1")) host.answerMsgBox(vb::vbOK);
    }
    std::string Check() {
        const bool four = Module1::NumColumns == 4;
        int filled = 0;
        double sum = 0;
        for (int32_t code = colDown; code <= colOblg; ++code) {
            if (!four && code != colRand) continue;
            auto col = form.Column(code);
            for (int16_t r = 0; r < 13; ++r) {
                if (!col.cells(r).Caption().empty()) ++filled;
                else if (false) {}
                if (!col.cells(r).Caption().empty() && col.buttons(r).Visible())
                    return "button over filled cell " + std::to_string(code) + "/" + std::to_string(r);
            }
            double upper = 0, lower = 0;
            for (int16_t r = 0; r <= 5; ++r) upper += vb::Val(col.cells(r).Caption());
            for (int16_t r = 8; r <= 12; ++r) lower += vb::Val(col.cells(r).Caption());
            upper += form.bonusAwarded[static_cast<size_t>(code)] ? 35 : 0;
            if (vb::Val(col.subTotal.Caption()) != upper) return "sub total col " + std::to_string(code);
            if (vb::Val(col.columnTotal.Caption()) != upper + lower + vb::Val(col.maxMinLine.Caption()))
                return "column total col " + std::to_string(code);
            sum += vb::Val(col.columnTotal.Caption());
        }
        if (filled != form.roundIndex) return "roundIndex " + std::to_string(form.roundIndex) + " filled " + std::to_string(filled);
        if (four) {
            int down = 0;
            while (down < 13 && !form.lblDown(static_cast<int16_t>(down)).Caption().empty()) ++down;
            if (down != form.nextDownRow) return "nextDownRow";
            int up = 12;
            while (up >= 0 && !form.lblUp(static_cast<int16_t>(up)).Caption().empty()) --up;
            if (up != form.nextUpRow) return "nextUpRow";
        }
        if (static_cast<double>(form.grandTotal) != sum && !form.tmrCounter.Enabled())
            return "grand total " + std::to_string(form.grandTotal) + " vs " + std::to_string(sum);
        return "";
    }
};

TEST_P(FuzzTest, RandomPlay) {
    rng.seed(static_cast<unsigned>(GetParam()));
    std::filesystem::create_directories(folder / "scores");
    Module1::NumPlayers = GetParam() % 2 ? 2 : 1;
    Module1::NumColumns = GetParam() % 3 ? 4 : 1;
    Reload();
    vb::Randomize(static_cast<double>(GetParam()));
    std::string log;
    int lastRound = -1, sinceChange = 0;
    for (int step = 0; step < 60000 && !form.gameOver; ++step) {
        Arm();
        int a = Pick(12);
        std::string did;
        if (a < 3) { did = "roll"; host.click(form.picRollDices); }
        else if (a == 3) { did = "enter"; host.keyPress(form, 13); }
        else if (a == 4) { int i = Pick(6); did = "die" + std::to_string(i); host.click(Pick(2) ? form.picDice(static_cast<int16_t>(i)) : form.PicDiceOff(static_cast<int16_t>(i))); }
        else if (a <= 8) {
            int code = 1 + Pick(4); int16_t r = static_cast<int16_t>(Pick(13));
            did = "cell" + std::to_string(code) + "/" + std::to_string(r);
            host.click(form.Column(code).buttons(r));
        } else if (a == 9) { did = "undo"; host.clickMenu(form.mnuUndoUndo); }
        else if (a == 10) { did = "redo"; host.clickMenu(form.mnuUndoRedo); }
        else { did = "next"; host.click(form.cmdNextPlayer); }
        host.advance(20);
        char buf[400];
        std::snprintf(buf, sizeof buf, "%s -> r%d roll%d ann%d kept%d sel%d/%d flags%d next%d area%d may%d over%d end%d lt%d [%s]\n", did.c_str(), form.roundIndex, form.rollNumber, form.announcedThisTurn, form.announceKeptForUndo, form.selectedColumn, form.selectedRow, form.SecondBoardShown(), form.cmdNextPlayer.Visible(), form.picRollDices.Enabled(), form.mayRoll, form.gameOver, Module1::EndGameShown, form.lastTurnRolls, Offered().c_str());
        log += buf;
        if (log.size() > 12000) log = log.substr(log.size() - 12000);
        if (form.roundIndex != lastRound) { lastRound = form.roundIndex; sinceChange = 0; }
        if (++sinceChange > 3000) { FAIL() << "stuck\n" << log.substr(log.size() > 5000 ? log.size() - 5000 : 0); }
        const std::string bad = Check();
        if (!bad.empty()) { FAIL() << "step " << step << " after " << did << ": " << bad << "\n" << log.substr(log.size() > 600 ? log.size() - 600 : 0); }
    }
    if (!form.gameOver) std::printf("flags %d next %d roll %d endshown %d entered %d area %d offered %s stored round %d mayRoll %d announced %d kept %d caption %s\n", form.SecondBoardShown(), form.cmdNextPlayer.Visible(), form.rollNumber, Module1::EndGameShown, form.boardEntered, form.picRollDices.Enabled(), Offered().c_str(), form.storedRoundIndex, form.mayRoll, form.announcedThisTurn, form.announceKeptForUndo, form.Caption().c_str());
    if (!form.gameOver) std::printf("%s\n", log.substr(log.size() > 600000 ? log.size() - 600000 : 0).c_str());
    std::printf("seed %d over %d round %d players %d cols %d\n", GetParam(), form.gameOver, form.roundIndex, Module1::NumPlayers, Module1::NumColumns);
}

INSTANTIATE_TEST_SUITE_P(Seeds, FuzzTest, ::testing::Range(1, 301));

}  // namespace
