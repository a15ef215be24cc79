// Input injected on the headless host raises what the real click, key or menu choice
// would, and nothing for controls that cannot receive it.

#include <gtest/gtest.h>

#include "platform/forms/bars.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/headless/headless_host.h"
#include "platform/runtime/errors.h"

namespace {

using Lines = std::vector<std::string>;

std::string Pos(const char* event, int16_t b, int16_t s, float x, float y) {
    return std::string(event) + " " + std::to_string(b) + " " + std::to_string(s) + " " +
           std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y));
}

struct Main : vb::Form {
    Main() : vb::Form("frmMain") {}
    vb::CommandButton cmdRoll{*this, "cmdRoll"};
    vb::Toolbar Toolbar2{*this, "Toolbar2"};
    vb::Menu mnuGame{*this, "mnuGame", "&Game"};
    vb::Menu mnuGameNew{*this, "mnuGameNew", "&New", &mnuGame};
    Lines log;

protected:
    void InitializeComponent() override {
        cmdRoll.Move(600, 300, 1200, 450);
        cmdRoll.MouseDown = [this](int16_t b, int16_t s, float x, float y) {
            log.push_back(Pos("MouseDown", b, s, x, y));
        };
        cmdRoll.MouseUp = [this](int16_t b, int16_t s, float x, float y) {
            log.push_back(Pos("MouseUp", b, s, x, y));
        };
        cmdRoll.MouseMove = [this](int16_t b, int16_t s, float x, float y) {
            log.push_back(Pos("MouseMove", b, s, x, y));
        };
        cmdRoll.Click = [this] { log.push_back("Click"); };
        if (Toolbar2.ButtonCount() == 0) Toolbar2.AddButton("tbNew", 1);
        Toolbar2.ButtonClick = [this](vb::ToolbarButton& b) { log.push_back(b.Key()); };
        mnuGameNew.Click = [this] { log.push_back("mnuGameNew_Click"); };
    }
    void Form_KeyPress(int16_t& KeyAscii) override {
        log.push_back("KeyPress " + std::to_string(KeyAscii));
    }
};

TEST(HeadlessInput, ClickPressesAndReleasesAtTheCentre) {
    headless::HeadlessHost host;
    Main m;
    m.Show();
    host.click(m.cmdRoll);
    EXPECT_EQ(m.log, (Lines{"MouseDown 1 0 600,225", "MouseUp 1 0 600,225", "Click"}));
}

TEST(HeadlessInput, MouseEventsPassTheirArguments) {
    headless::HeadlessHost host;
    Main m;
    m.Show();
    host.mouseMove(m.cmdRoll, 0, vb::vbCtrlMask, 15, 30);
    host.mouseDown(m.cmdRoll, vb::vbRightButton, vb::vbShiftMask, 45, 60);
    host.mouseUp(m.cmdRoll, vb::vbRightButton, 0, 75, 90);
    EXPECT_EQ(m.log, (Lines{"MouseMove 0 2 15,30", "MouseDown 2 1 45,60", "MouseUp 2 0 75,90"}));
}

TEST(HeadlessInput, AMouseDownThatHidesTheButtonEndsTheClick) {
    headless::HeadlessHost host;
    Main m;
    m.Show();
    m.cmdRoll.MouseDown = [&](int16_t, int16_t, float, float) {
        m.log.push_back("MouseDown");
        m.cmdRoll.setVisible(false);
    };
    host.click(m.cmdRoll);
    EXPECT_EQ(m.log, Lines{"MouseDown"});
}

TEST(HeadlessInput, KeysReachALoadedEnabledForm) {
    headless::HeadlessHost host;
    Main m;
    m.Show();
    host.keyPress(m, 13);
    m.setEnabled(false);
    host.keyPress(m, 32);
    EXPECT_EQ(m.log, Lines{"KeyPress 13"});
}

TEST(HeadlessInput, ToolbarButtonsByKey) {
    headless::HeadlessHost host;
    Main m;
    m.Show();
    host.clickToolbarButton(m.Toolbar2, "tbNew");
    m.Toolbar2.Buttons("tbNew").setEnabled(false);
    host.clickToolbarButton(m.Toolbar2, "tbNew");
    EXPECT_EQ(m.log, Lines{"tbNew"});
    EXPECT_THROW(host.clickToolbarButton(m.Toolbar2, "tbUndo"), vb::RuntimeError);
}

// The item and every menu above it must be visible and enabled.
struct MenuCase {
    const char* what;
    bool menuVisible, menuEnabled, itemVisible, itemEnabled;
    bool clicked;
};

const MenuCase kMenuCases[] = {
    {"all live", true, true, true, true, true},
    {"menu hidden", false, true, true, true, false},
    {"menu disabled", true, false, true, true, false},
    {"item hidden", true, true, false, true, false},
    {"item disabled", true, true, true, false, false},
};

TEST(HeadlessInput, MenuItemsUnderLiveMenusOnly) {
    for (const auto& c : kMenuCases) {
        SCOPED_TRACE(c.what);
        headless::HeadlessHost host;
        Main m;
        m.Show();
        m.mnuGame.setVisible(c.menuVisible);
        m.mnuGame.setEnabled(c.menuEnabled);
        m.mnuGameNew.setVisible(c.itemVisible);
        m.mnuGameNew.setEnabled(c.itemEnabled);
        host.clickMenu(m.mnuGameNew);
        EXPECT_EQ(m.log, c.clicked ? Lines{"mnuGameNew_Click"} : Lines{});
        EXPECT_EQ(m.mnuGameNew.ParentMenu(), &m.mnuGame);
    }
}

}  // namespace
