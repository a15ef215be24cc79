// The main window's set-up and layout: every control's place for each arrangement, compared
// as whole text with tests/game/layout/*.txt; the switches between arrangements; the status
// bar, the window height, the hint column, the menu pairs and the window's place.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>

#include "game/frmTolvarin.h"
#include "platform/headless/headless_host.h"
#include "platform/user32/cursors.h"
#include "shell/Module1.h"
#include "shell/base_cursor.h"

namespace {

// Every control but the timers: its place and size (a line's ends), and whether it shows.
// Controls inside Picture2 and picRollDices are placed relative to them.
std::string LayoutText(frmTolvarin& f) {
    std::ostringstream out;
    out << "window " << f.Left() << ' ' << f.Top() << ' ' << f.Width() << ' ' << f.Height() << " \""
        << f.Caption() << "\"\n";
    for (int16_t p = 1; p <= f.StatusBar1.PanelCount(); ++p) {
        const vb::Panel& panel = f.StatusBar1.Panels(p);
        out << "panel " << p << ' ' << panel.Width() << ' '
            << (panel.Visible() ? "shown" : "hidden") << " \"" << panel.Text() << "\"\n";
    }
    for (const vb::Control* c : f.Controls()) {
        if (dynamic_cast<const vb::Timer*>(c)) continue;
        std::string name = c->Name();
        if (c->Index() >= 0) name += "(" + std::to_string(c->Index()) + ")";
        out << std::left << std::setw(22) << name << std::right;
        if (const auto* line = dynamic_cast<const vb::Line*>(c)) {
            out << std::setw(6) << line->X1() << std::setw(6) << line->Y1() << std::setw(6)
                << line->X2() << std::setw(6) << line->Y2();
        } else if (!dynamic_cast<const vb::Menu*>(c)) {
            out << std::setw(6) << c->Left() << std::setw(6) << c->Top() << std::setw(6)
                << c->Width() << std::setw(6) << c->Height();
        }
        out << (c->Visible() ? "  shown\n" : "  hidden\n");
    }
    return out.str();
}

// Compares @p actual with the expected file; on a mismatch writes it beside as .actual.
void ExpectLayoutFile(const std::string& actual, const std::string& name) {
    const char* root = std::getenv("TOLVARIN_TEST_DATA");
    ASSERT_NE(root, nullptr) << "run under ctest, which sets TOLVARIN_TEST_DATA";
    const std::string path = std::string(root) + "/game/layout/" + name + ".txt";
    std::ifstream in(path, std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    if (actual == expected.str()) return;
    std::ofstream(path + ".actual", std::ios::binary) << actual;
    ADD_FAILURE() << "layout differs from " << path << "; what came is in " << path << ".actual";
    EXPECT_EQ(expected.str(), actual);
}

struct Arrangement {
    const char* file;
    int32_t columns, dice, players;
};
const Arrangement kArrangements[] = {
    {"four_columns_six_dice_one_player", 4, 5, 1},  {"four_columns_six_dice_two_players", 4, 5, 2},
    {"four_columns_five_dice_one_player", 4, 4, 1}, {"four_columns_five_dice_two_players", 4, 4, 2},
    {"one_column_six_dice_one_player", 1, 5, 1},    {"one_column_six_dice_two_players", 1, 5, 2},
    {"one_column_five_dice_one_player", 1, 4, 1},   {"one_column_five_dice_two_players", 1, 4, 2},
};

const char* FileFor(int32_t columns, int32_t dice, int32_t players) {
    for (const Arrangement& a : kArrangements)
        if (a.columns == columns && a.dice == dice && a.players == players) return a.file;
    return "";
}

class Layout : public ::testing::Test {
protected:
    void SetUp() override {
        Module1::ResetModule1();
        Module1::Player1Name = "Ana";
    }
    void Settings(int32_t columns, int32_t dice, int32_t players) {
        Module1::NumColumns = columns;
        Module1::DiceSetting = dice;
        Module1::NumPlayers = players;
    }

    // A window made afresh and loaded with the settings given.
    frmTolvarin& LoadedWith(int32_t columns, int32_t dice, int32_t players) {
        frmTolvarin& f = Fresh();
        Settings(columns, dice, players);
        f.Load();
        return f;
    }

    // A window made afresh: the shell's routines work on the one window that exists.
    frmTolvarin& Fresh() {
        made.reset();
        made = std::make_unique<frmTolvarin>();
        return *made;
    }

    headless::HeadlessHost host;
    std::unique_ptr<frmTolvarin> made;
};

TEST_F(Layout, EachArrangementPlacesEveryControlAndASecondLayoutMovesNothing) {
    for (const Arrangement& a : kArrangements) {
        SCOPED_TRACE(a.file);
        frmTolvarin& f = LoadedWith(a.columns, a.dice, a.players);
        const std::string loaded = LayoutText(f);
        ExpectLayoutFile(loaded, a.file);
        f.SetControls();
        EXPECT_EQ(LayoutText(f), loaded);
    }
}

TEST_F(Layout, SwitchingColumnsAndDiceLaysOutAsALoadWould) {
    for (const Arrangement& a : kArrangements) {
        SCOPED_TRACE(a.file);
        frmTolvarin& f = LoadedWith(a.columns, a.dice, a.players);
        const std::string loaded = LayoutText(f);
        Module1::NumColumns = a.columns == 4 ? 1 : 4;
        f.SetControls();
        ExpectLayoutFile(LayoutText(f), FileFor(Module1::NumColumns, a.dice, a.players));
        Module1::DiceSetting = a.dice == 5 ? 4 : 5;
        f.SetControls();
        ExpectLayoutFile(LayoutText(f),
                         FileFor(Module1::NumColumns, Module1::DiceSetting, a.players));
        Settings(a.columns, a.dice, a.players);
        f.SetControls();
        EXPECT_EQ(LayoutText(f), loaded);
    }
}

TEST_F(Layout, SettingsOutOfRangeTakeTheOtherBranchAndKeepTheDiceInBounds) {
    struct Case {
        int32_t columns, dice, players;
        const char* file;  // the arrangement they give
    };
    const Case cases[] = {
        {0, 0, 0, "one_column_six_dice_one_player"},
        {3, 6, 3, "one_column_six_dice_one_player"},
        {2, -1, 2, "one_column_six_dice_two_players"},
        {4, 9, -2, "four_columns_six_dice_one_player"},
        {5, 4, 1, "one_column_five_dice_one_player"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        frmTolvarin& f = LoadedWith(c.columns, c.dice, c.players);
        ExpectLayoutFile(LayoutText(f), c.file);
        EXPECT_EQ(Module1::DiceSetting, c.dice == 4 ? 4 : 5);
        EXPECT_EQ(Module1::LastDieIndex, Module1::DiceSetting);
    }
}

TEST_F(Layout, ADiceSettingOfNoCountLeavesTheDiceAreaAsItIs) {
    frmTolvarin& form = LoadedWith(4, 4, 1);
    Module1::DiceSetting = 7;
    form.SetControls();
    ExpectLayoutFile(LayoutText(form), "four_columns_five_dice_one_player");
}

TEST_F(Layout, TheSixthDieStartsFreeAndBlankAlsoWhileFiveArePlayed) {
    frmTolvarin& form = Fresh();
    Module1::DiceToRoll.fill(false);  // left from an earlier loading of the window
    form.diceValues.fill(3);
    Settings(4, 4, 1);
    form.Load();
    EXPECT_EQ(Module1::DiceToRoll, (std::array<bool, 6>{true, true, true, true, true, true}));
    EXPECT_EQ(form.diceValues, (frmTolvarin::Dice{0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(form.picDice(5).Visible());

    Module1::DiceSetting = 5;  // the options dialog chose six dice
    Module1::LastDieIndex = 5;
    form.SetControls();
    EXPECT_TRUE(form.picDice(5).Visible());
    EXPECT_FALSE(form.PicDiceOff(5).Visible());
    EXPECT_TRUE(Module1::DiceToRoll[5]);
    EXPECT_EQ(form.diceValues[5], 0);
}

TEST_F(Layout, LoadSetsTheFirstStateOfAGame) {
    frmTolvarin& form = Fresh();
    Settings(4, 4, 1);
    Module1::MusicOn = true;
    form.Load();
    EXPECT_EQ(Module1::LastDieIndex, 4);
    EXPECT_TRUE(form.newGameNotRolled);
    EXPECT_TRUE(form.mayRoll);
    EXPECT_EQ(form.nextUpRow, 12);
    for (int16_t i = 0; i <= 4; ++i) {
        EXPECT_FALSE(form.picDice(i).Enabled()) << i;
        EXPECT_TRUE(form.picDice(i).Visible()) << i;
        EXPECT_FALSE(form.PicDiceOff(i).Visible()) << i;
    }
    EXPECT_FALSE(form.Toolbar2.Buttons("tbUndo").Enabled());
    EXPECT_FALSE(form.Toolbar2.Buttons("tbRedo").Enabled());
    EXPECT_FALSE(form.mnuUndoUndo.Enabled());
    EXPECT_FALSE(form.mnuUndoRedo.Enabled());
    EXPECT_EQ(form.lblTimeElapsed.Caption(), "00:00:00");
    EXPECT_TRUE(form.tmrTimeElapsed.Running());
    EXPECT_TRUE(form.Timer3.Running());
}

TEST_F(Layout, MusicOffLeavesThePlaylistStopped) {
    frmTolvarin& form = Fresh();
    form.Load();
    EXPECT_FALSE(form.Timer3.Enabled());
}

TEST_F(Layout, WindowPlace) {
    struct Case {
        int32_t winLeft, winTop, left, top;
    };
    // Unplaced, the window is centred across the 15360 x 11520 screen and its Top is
    // (11520 - 8100) / 4.3 = 795.3.
    const Case cases[] = {
        {0, 0, 5230, 795}, {0, 500, 5230, 795}, {300, 200, 300, 200}, {-120, 40, -120, 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.winLeft);
        frmTolvarin& f = Fresh();
        Module1::WinLeft = c.winLeft;
        Module1::WinTop = c.winTop;
        f.Load();
        EXPECT_EQ(f.Left(), c.left);
        EXPECT_EQ(f.Top(), c.top);
        EXPECT_EQ(f.Width(), 4900);
    }
}

TEST_F(Layout, WindowHeight) {
    frmTolvarin& form = Fresh();
    struct Case {
        int32_t players;
        bool statusBarOn;
        int32_t columns, height;
        bool barShown;
    };
    const Case cases[] = {
        {2, true, 4, 8530, true},   {2, false, 4, 8530, true},  {2, true, 1, 8300, true},
        {2, false, 1, 8300, true},  {1, true, 4, 8530, true},   {1, true, 1, 8270, true},
        {1, false, 4, 8300, false}, {1, false, 1, 8030, false}, {0, false, 1, 8030, false},
        {3, true, 4, 8530, true},   {1, true, 0, 8270, true},
    };
    form.Load();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.players << " players, bar " << c.statusBarOn << ", "
                                        << c.columns << " columns");
        Module1::NumPlayers = c.players;
        Module1::StatusBarOn = c.statusBarOn;
        Module1::NumColumns = c.columns;
        form.LayoutStatusBar();
        EXPECT_EQ(form.Height(), c.height);
        EXPECT_EQ(form.StatusBar1.Visible(), c.barShown);
    }
}

std::string PanelsText(frmTolvarin& f) {
    std::string text;
    for (int16_t p = 1; p <= 5; ++p) {
        const vb::Panel& panel = f.StatusBar1.Panels(p);
        text += std::to_string(panel.Width()) + (panel.Visible() ? "+" : "-") + "'" + panel.Text() +
                "' ";
    }
    return text + (f.cmdNextPlayer.Visible() ? "next shown" : "next hidden");
}

TEST_F(Layout, StatusBarPanels) {
    struct Case {
        int32_t players;
        const char* want;  // panels 1 to 5: width, + shown or - hidden, text
    };
    // Panel 5 (the clock) is never touched; "Next Player" is hidden for one player only.
    const Case cases[] = {
        {1, "1-'' 2550+'Roll the dice' 1-'' 1230+'' 777+'12:34:56' next hidden"},
        {2, "2000+'Ana' 1-'' 1630+'0 : 0' 1-'' 777+'12:34:56' next shown"},
        {0, "1-'' 2550+'Roll the dice' 1-'' 1230+'' 777+'12:34:56' next hidden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.players);
        frmTolvarin& f = Fresh();
        Module1::NumPlayers = c.players;
        f.Load();
        f.StatusBar1.Panels(5).setWidth(777);
        f.StatusBar1.Panels(5).setText("12:34:56");
        f.cmdNextPlayer.setVisible(true);
        f.SetControls();
        EXPECT_EQ(PanelsText(f), c.want);
    }
}

TEST_F(Layout, TwoPlayersNameTheFirstInTheCaptionAndTheHandOverButton) {
    frmTolvarin& form = Fresh();
    Module1::NumPlayers = 2;
    form.Load();
    EXPECT_EQ(form.Caption(), "Tolvarin - Ana");
    EXPECT_EQ(form.cmdShowNextBoard.Caption(), "    Show      Ana's  Board");
}

TEST_F(Layout, HintColumn) {
    frmTolvarin& form = Fresh();
    struct Case {
        bool always, requested, shown;
        int32_t nameWidth;
    };
    const Case cases[] = {{false, false, false, 1570},
                          {true, false, true, 1250},
                          {false, true, true, 1250},
                          {true, true, true, 1250}};
    form.Load();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "always " << c.always << ", asked " << c.requested);
        Module1::HintsAlwaysSetting = c.always;
        form.hintRequested = c.requested;
        form.UpdateHintDisplay();
        for (int16_t r = 0; r < kSheetRows; ++r) {
            EXPECT_EQ(form.lblTip(r).Visible(), c.shown) << r;
            EXPECT_EQ(form.Shape12(r).Visible(), c.shown) << r;
            EXPECT_EQ(form.lblOption(r).Width(), c.nameWidth) << r;
            EXPECT_EQ(form.shpOptions(r).Width(), c.nameWidth) << r;
        }
    }
}

// The visible items of the three switches, the toolbar's sound and music pictures, SoundsOn.
std::string SwitchesText(frmTolvarin& f) {
    std::string text;
    for (const vb::Menu* m :
         {&f.mnuHintsByRequest, &f.mnuHintsByRequest2, &f.mnuHintsAllways, &f.mnuHintsAllways2,
          &f.mnuSoundsOn, &f.mnuSoundsOn2, &f.mnuSoundsOff, &f.mnuSoundsOff2, &f.mnuMusicOn,
          &f.mnuMusicOn2, &f.mnuMusicOff, &f.mnuMusicOff2})
        if (m->Visible()) text += m->Name() + " ";
    text += "sound " + std::to_string(f.Toolbar2.Buttons("tbSound").Image());
    text += " music " + std::to_string(f.Toolbar2.Buttons("tbBGmusic").Image());
    text += f.Toolbar2.Buttons("tbHint").Enabled() ? " hint button" : "";
    return text + (Module1::SoundsOn ? " SoundsOn" : " SoundsOff");
}

TEST_F(Layout, MenuPairsAndToolbarPicturesFollowTheSettings) {
    frmTolvarin& form = Fresh();
    struct Case {
        bool hintsAlways, sound, music;
        const char* want;
    };
    const Case cases[] = {
        {true, true, false,
         "mnuHintsByRequest2 mnuHintsAllways mnuSoundsOn mnuSoundsOff2 mnuMusicOn2 "
         "mnuMusicOff sound 5 music 10 SoundsOn"},
        {false, false, true,
         "mnuHintsByRequest mnuHintsAllways2 mnuSoundsOn2 mnuSoundsOff mnuMusicOn "
         "mnuMusicOff2 sound 8 music 9 hint button SoundsOff"},
        {true, false, true,
         "mnuHintsByRequest2 mnuHintsAllways mnuSoundsOn2 mnuSoundsOff mnuMusicOn "
         "mnuMusicOff2 sound 8 music 9 SoundsOff"},
        {false, true, false,
         "mnuHintsByRequest mnuHintsAllways2 mnuSoundsOn mnuSoundsOff2 mnuMusicOn2 "
         "mnuMusicOff sound 5 music 10 hint button SoundsOn"},
    };
    form.Load();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.want);
        Module1::HintsAlwaysSetting = c.hintsAlways;
        Module1::SoundSetting = c.sound;
        Module1::MusicOn = c.music;
        Module1::SoundsOn = !c.sound;
        form.SetControls();
        EXPECT_EQ(SwitchesText(form), c.want);
    }
}

// The window takes "base.cur" from the program folder as the class cursor and keeps the one
// it replaces; without the file the handle is null and the class cursor is set all the same.
TEST_F(Layout, TheClassCursorComesFromTheProgramFolder) {
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "layout-cursor";
    std::filesystem::create_directories(folder);
    const std::string bin = std::string(TOLVARIN_BIN_DIR);
    win::SetClassWord(0, win::GCL_HCURSOR, win::kArrowCursor);

    Module1::AppFolder = folder.string() + "\\";
    Fresh().Load();
    EXPECT_EQ(Module1::hBaseCursor, 0);
    EXPECT_EQ(Module1::hOldClassCursor, win::kArrowCursor);
    EXPECT_EQ(win::ClassCursor(), 0);
    Module1::RestoreClassCursor(made->hWnd());  // the first window closes

    std::filesystem::copy_file(bin + "/base.cur", folder / "base.cur",
                               std::filesystem::copy_options::overwrite_existing);
    Fresh().Load();
    EXPECT_NE(Module1::hBaseCursor, 0);
    EXPECT_EQ(win::ClassCursor(), Module1::hBaseCursor);
    EXPECT_TRUE(win::CursorPicture(Module1::hBaseCursor));
    win::SetClassWord(0, win::GCL_HCURSOR, win::kArrowCursor);
    std::filesystem::remove_all(folder);
}

TEST_F(Layout, HintsAlwaysIsSetByTheSettingButNeverCleared) {
    frmTolvarin& form = Fresh();
    form.Load();
    EXPECT_TRUE(form.hintsAlways);
    Module1::HintsAlwaysSetting = false;
    form.SetControls();
    EXPECT_TRUE(form.hintsAlways);
    form.hintsAlways = false;
    form.SetControls();
    EXPECT_FALSE(form.hintsAlways);
}

TEST_F(Layout, CellButtonPicturesByLayout) {
    frmTolvarin& form = Fresh();
    form.Load();
    form.imgBut3.setPicture(vb::Picture(nullptr, "but3"));
    for (int16_t r = 0; r < kSheetRows; ++r)
        form.img1ColumnP(r).setPicture(vb::Picture(nullptr, "row" + std::to_string(r)));
    Module1::NumColumns = 1;
    form.SetControls();
    for (int16_t r = 0; r < kSheetRows; ++r) {
        const vb::CommandButton& b = form.cmdRand(r);
        EXPECT_TRUE(b.Visible() && !b.Enabled()) << r;
        EXPECT_EQ(b.Picture().name(), "row" + std::to_string(r));
        EXPECT_EQ(b.DisabledPicture().name(), "row" + std::to_string(r));
    }
    Module1::NumColumns = 4;
    form.SetControls();
    for (int16_t r = 0; r < kSheetRows; ++r)
        for (const frmTolvarin::Buttons* column :
             {&form.cmdDown, &form.cmdUp, &form.cmdRand, &form.cmdOblg}) {
            EXPECT_EQ((*column)(r).DisabledPicture().name(), "but3") << r;
            EXPECT_TRUE((*column)(r).Visible()) << r;
        }
    EXPECT_EQ(form.cmdRand(0).Picture().name(), "but3");
}

}  // namespace
