// The main window as it loads: an empty sheet, and the toolbar and status bar that the
// window's code addresses by position.

#include "game/support/tolvarin_fixture.h"

namespace {

using DesignTest = TolvarinTest;

TEST_F(DesignTest, AFreshSheetIsEmpty) { EXPECT_EQ(SheetText(form), kEmptySheet); }

struct ButtonPlace {
    const char* key;
    int16_t index;
};

const ButtonPlace kButtons[] = {{"tbNew", 1},   {"tbUndo", 3},    {"tbRedo", 4},  {"tbHint", 6},
                                {"tbSound", 8}, {"tbBGmusic", 9}, {"tbHelp", 11}, {"tbExit", 12}};

// The design is laid anew at every load; the toolbar and status bar are not built twice.
struct Relaid : frmTolvarin {
    using frmTolvarin::InitializeComponent;
};

TEST_F(DesignTest, LayingTheDesignAgainKeepsTheToolbarAndStatusBar) {
    Relaid window;
    window.Load();
    window.InitializeComponent();
    ASSERT_EQ(window.Toolbar2.ButtonCount(), 12);
    for (const ButtonPlace& b : kButtons) {
        SCOPED_TRACE(b.key);
        EXPECT_EQ(window.Toolbar2.Buttons(b.key).Index(), b.index);
    }
    EXPECT_FALSE(window.Toolbar2.Buttons("tbUndo").Enabled());
    EXPECT_FALSE(window.Toolbar2.Buttons("tbRedo").Enabled());
    EXPECT_EQ(window.StatusBar1.PanelCount(), 5);
}

}  // namespace
