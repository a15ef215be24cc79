// The row name under the pointer: lit while the pointer rests on a cell button, with the
// button holding the mouse capture; switched off when the pointer leaves or a score is placed.

#include <string>

#include "game/turn_fixture.h"
#include "platform/user32/capture.h"

namespace {

// "lit" or "normal" (anything else: colours that belong to neither).
std::string Look(const frmTolvarin& f, int16_t row) {
    const vb::Label& name = f.lblOption(row);
    if (name.BackColor() == 0x80000018 && name.ForeColor() == vb::vbBlack) return "lit";
    if (name.BackColor() == vb::vbBlack && name.ForeColor() == vb::vbWhite) return "normal";
    return "?";
}

class RowHighlightTest : public TurnTest {
protected:
    RowHighlightTest() { Roll("1 2 3 4 5 6"); }
    std::string RowLook(int16_t row) const { return Look(form, row); }
};

TEST_F(RowHighlightTest, PointerOnAButtonLightsItsRowAndTakesTheCapture) {
    host.mouseMove(form.cmdDown(0), 0, 0, 10, 10);
    EXPECT_EQ(RowLook(0), "lit");
    EXPECT_TRUE(form.rowHighlightCaptured);
    EXPECT_EQ(win::GetCapture(), form.cmdDown(0).hWnd());
}

// Moves the lit button receives: the edges count as inside, one twip further is outside.
TEST_F(RowHighlightTest, TheEdgesCountAsInside) {
    struct Case {
        const char* where;
        float dx, dy;  // from the far corner when positive, from the origin when negative
        bool fromFar;
        bool lit;
    };
    const Case cases[] = {
        {"right and bottom edges", 0, 0, true, true}, {"origin", 0, 0, false, true},
        {"past the right edge", 1, -10, true, false}, {"past the bottom edge", -10, 1, true, false},
        {"left of the origin", -1, 0, false, false},  {"above the origin", 0, -1, false, false},
    };
    vb::CommandButton& button = form.cmdUp(12);
    const float w = static_cast<float>(button.Width());
    const float h = static_cast<float>(button.Height());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        if (!form.rowHighlightCaptured) host.mouseMove(button, 0, 0, 5, 5);
        const float x = c.fromFar ? w + c.dx : c.dx;
        const float y = c.fromFar ? h + c.dy : c.dy;
        host.mouseMove(button, 0, 0, x, y);
        EXPECT_EQ(RowLook(12), c.lit ? "lit" : "normal");
        EXPECT_EQ(form.rowHighlightCaptured, c.lit);
        EXPECT_EQ(win::GetCapture(), c.lit ? button.hWnd() : 0);
    }
}

TEST_F(RowHighlightTest, MovingOntoTheNextButtonSwitchesRows) {
    host.mouseMove(form.cmdRand(3), 0, 0, 5, 5);
    host.mouseMove(form.cmdRand(3), 0, 0, 5, -3);  // the pointer is over row 2 now
    EXPECT_EQ(RowLook(3), "normal");
    host.mouseMove(form.cmdRand(2), 0, 0, 5, 200);
    EXPECT_EQ(RowLook(2), "lit");
    EXPECT_EQ(win::GetCapture(), form.cmdRand(2).hWnd());
}

TEST_F(RowHighlightTest, CaptureLostElsewhereTreatsTheNextButtonAsTheLitOne) {
    host.mouseMove(form.cmdOblg(3), 0, 0, 5, 5);
    win::ReleaseCapture();
    host.mouseMove(form.cmdOblg(8), 0, 0, 5, 5);
    EXPECT_EQ(RowLook(3), "lit") << "nothing changes while inside";
    EXPECT_EQ(RowLook(8), "normal");
    host.mouseMove(form.cmdOblg(8), 0, 0, -5, 5);
    EXPECT_FALSE(form.rowHighlightCaptured);
    EXPECT_EQ(RowLook(3), "lit") << "only the receiving button's row is set back";
    EXPECT_EQ(win::GetCapture(), 0);
}

TEST_F(RowHighlightTest, PlacementSwitchesTheRowOff) {
    host.mouseMove(form.cmdRand(4), 0, 0, 5, 5);
    host.click(form.cmdRand(4));
    EXPECT_EQ(RowLook(4), "normal");
    EXPECT_FALSE(form.rowHighlightCaptured);
    EXPECT_EQ(win::GetCapture(), 0);
    Roll("1 2 3 4 5 6");
    host.mouseMove(form.cmdOblg(9), 0, 0, 5, 5);
    host.click(form.cmdOblg(9));  // an announcement switches it off too
    EXPECT_EQ(RowLook(9), "normal");
    EXPECT_EQ(win::GetCapture(), 0);
}

TEST_F(RowHighlightTest, FourColumnsSwapNoPicture) {
    const vb::Picture before = form.cmdRand(5).Picture();
    host.mouseMove(form.cmdRand(5), 0, 0, 5, 5);
    EXPECT_EQ(form.cmdRand(5).Picture(), before);
    host.mouseMove(form.cmdRand(5), 0, 0, -5, 5);
    EXPECT_EQ(form.cmdRand(5).Picture(), before);
}

class OneColumnRowHighlightTest : public TurnTest {
protected:
    OneColumnRowHighlightTest() {
        Module1::NumColumns = 1;
        Reload();
        Roll("1 2 3 4 5 6");
    }
};

TEST_F(OneColumnRowHighlightTest, ButtonsShowTheirLitPicture) {
    host.mouseMove(form.cmdRand(5), 0, 0, 5, 5);
    EXPECT_EQ(form.cmdRand(5).Picture().name(), "lit row 5");
    EXPECT_EQ(Look(form, 5), "lit");
    host.mouseMove(form.cmdRand(5), 0, 0, 5, -5);
    EXPECT_EQ(form.cmdRand(5).Picture().name(), "row 5");
    EXPECT_EQ(Look(form, 5), "normal");
}

}  // namespace
