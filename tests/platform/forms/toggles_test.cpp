// Check boxes and option buttons: a value set by the program raises Click as a click does,
// and option buttons are exclusive within their container.

#include "platform/forms/toggles.h"

#include <gtest/gtest.h>

#include "platform/forms/form.h"
#include "platform/headless/headless_host.h"
#include "platform/runtime/errors.h"

namespace {

using Lines = std::vector<std::string>;

struct Options : vb::Form {
    Options() : vb::Form("frmOptions") {}
    vb::Frame Frame1{*this, "Frame1"};
    vb::Frame Frame3{*this, "Frame3"};
    vb::OptionButton opt5Dice{*this, "opt5Dice"};
    vb::OptionButton opt6Dice{*this, "opt6Dice"};
    vb::OptionButton opt1Player{*this, "opt1Player"};
    vb::OptionButton opt2Players{*this, "opt2Players"};
    vb::CheckBox chkShowStatusBar{*this, "chkShowStatusBar"};
    Lines events;

    // The selected button of each group, in design order.
    std::string Selected() const {
        std::string s;
        for (const vb::OptionButton* o : {&opt5Dice, &opt6Dice, &opt1Player, &opt2Players})
            if (o->Value()) s += (s.empty() ? "" : " ") + o->Name();
        return s;
    }

protected:
    void InitializeComponent() override {
        for (vb::OptionButton* o : {&opt5Dice, &opt6Dice}) o->setContainer(&Frame1);
        for (vb::OptionButton* o : {&opt1Player, &opt2Players}) o->setContainer(&Frame3);
        for (vb::OptionButton* o : {&opt5Dice, &opt6Dice, &opt1Player, &opt2Players})
            o->Click = [this, o] { events.push_back(o->Name() + " Click " + Selected()); };
        chkShowStatusBar.Click = [this] {
            events.push_back("chk Click " + std::to_string(chkShowStatusBar.Value()));
        };
    }
};

struct ToggleCase {
    const char* what;
    std::function<void(Options&, headless::HeadlessHost&)> act;
    Lines events;
    std::string selected;
};

const ToggleCase kToggleCases[] = {
    {"program selects one of each group",
     [](Options& f, auto&) {
         f.opt6Dice.setValue(true);
         f.opt2Players.setValue(true);
     },
     {"opt6Dice Click opt6Dice", "opt2Players Click opt6Dice opt2Players"},
     "opt6Dice opt2Players"},
    {"selecting another clears the first before Click",
     [](Options& f, auto&) {
         f.opt1Player.setValue(true);
         f.opt2Players.setValue(true);
     },
     {"opt1Player Click opt1Player", "opt2Players Click opt2Players"},
     "opt2Players"},
    {"selecting the selected one again raises nothing",
     [](Options& f, auto& host) {
         f.opt5Dice.setValue(true);
         host.click(f.opt5Dice);
         f.opt5Dice.setValue(true);
     },
     {"opt5Dice Click opt5Dice"},
     "opt5Dice"},
    {"clearing raises nothing",
     [](Options& f, auto&) {
         f.opt5Dice.setValue(true);
         f.opt5Dice.setValue(false);
     },
     {"opt5Dice Click opt5Dice"},
     ""},
    {"a click selects",
     [](Options& f, auto& host) {
         f.opt1Player.setValue(true);
         host.click(f.opt2Players);
     },
     {"opt1Player Click opt1Player", "opt2Players Click opt2Players"},
     "opt2Players"},
    {"a disabled button ignores clicks but not the program",
     [](Options& f, auto& host) {
         f.opt2Players.setEnabled(false);
         host.click(f.opt2Players);
         f.opt2Players.setValue(true);
     },
     {"opt2Players Click opt2Players"},
     "opt2Players"},
    {"check box: program values raise Click on change only",
     [](Options& f, auto&) {
         f.chkShowStatusBar.setValue(vb::vbChecked);
         f.chkShowStatusBar.setValue(vb::vbChecked);
         f.chkShowStatusBar.setValue(vb::vbGrayed);
         f.chkShowStatusBar.setValue(vb::vbUnchecked);
     },
     {"chk Click 1", "chk Click 2", "chk Click 0"},
     ""},
    {"check box: clicks toggle, a grayed box checks",
     [](Options& f, auto& host) {
         host.click(f.chkShowStatusBar);
         host.click(f.chkShowStatusBar);
         f.chkShowStatusBar.setValue(vb::vbGrayed);
         host.click(f.chkShowStatusBar);
     },
     {"chk Click 1", "chk Click 0", "chk Click 2", "chk Click 1"},
     ""},
    {"check box: disabled, a click does nothing but the program still raises Click",
     [](Options& f, auto& host) {
         f.chkShowStatusBar.setEnabled(false);
         host.click(f.chkShowStatusBar);
         f.chkShowStatusBar.setValue(vb::vbChecked);
     },
     {"chk Click 1"},
     ""},
};

TEST(Toggles, ConformanceTable) {
    for (const ToggleCase& c : kToggleCases) {
        SCOPED_TRACE(c.what);
        headless::HeadlessHost host;
        Options f;
        f.Show();
        c.act(f, host);
        EXPECT_EQ(f.events, c.events);
        EXPECT_EQ(f.Selected(), c.selected);
    }
}

TEST(Toggles, CheckBoxRejectsValuesOutsideItsStates) {
    headless::HeadlessHost host;
    Options f;
    f.Load();
    for (int16_t bad : {int16_t{-1}, int16_t{3}}) {
        try {
            f.chkShowStatusBar.setValue(bad);
            ADD_FAILURE() << bad << " accepted";
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.Number(), 380);
        }
    }
    EXPECT_EQ(f.chkShowStatusBar.Value(), vb::vbUnchecked);
    EXPECT_TRUE(f.events.empty());
}

}  // namespace
