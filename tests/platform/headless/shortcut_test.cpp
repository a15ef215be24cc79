// A menu shortcut pressed on the headless host chooses the item that shows it, under the
// same conditions as a click on the item.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/headless/headless_host.h"

namespace {

using Lines = std::vector<std::string>;

struct Main : vb::Form {
    Main() : vb::Form("frmMain") {}
    vb::Menu mnuGame{*this, "mnuGame", "&Game"};
    vb::Menu mnuNew{*this, "mnuNew", "&New", &mnuGame};
    vb::Menu mnuExit{*this, "mnuExit", "E&xit", &mnuGame};
    vb::Menu mnuPlain{*this, "mnuPlain", "&Plain", &mnuGame};
    Lines log;

protected:
    void InitializeComponent() override {
        mnuNew.setShortcut("F2");
        mnuExit.setShortcut("Ctrl+X");
        mnuNew.Click = [this] { log.push_back("mnuNew_Click"); };
        mnuExit.Click = [this] { log.push_back("mnuExit_Click"); };
        mnuPlain.Click = [this] { log.push_back("mnuPlain_Click"); };
    }
    void Form_KeyPress(int16_t& KeyAscii) override {
        log.push_back("KeyPress " + std::to_string(KeyAscii));
    }
};

struct ShortcutCase {
    const char* what;
    const char* keys;
    void (*prepare)(Main&);
    bool chosen;
    Lines log;
};

const ShortcutCase kCases[] = {
    {"F2 chooses New", "F2", [](Main&) {}, true, {"mnuNew_Click"}},
    {"Ctrl+X chooses Exit", "Ctrl+X", [](Main&) {}, true, {"mnuExit_Click"}},
    {"written otherwise", "ctrl+x", [](Main&) {}, false, {}},
    {"no item has it", "F3", [](Main&) {}, false, {}},
    {"no shortcut is no key", "", [](Main&) {}, false, {}},
    {"item hidden", "F2", [](Main& m) { m.mnuNew.setVisible(false); }, false, {}},
    {"item disabled", "F2", [](Main& m) { m.mnuNew.setEnabled(false); }, false, {}},
    {"menu disabled", "F2", [](Main& m) { m.mnuGame.setEnabled(false); }, false, {}},
    {"window disabled", "F2", [](Main& m) { m.setEnabled(false); }, false, {}},
};

TEST(HeadlessShortcut, ChoosesTheLiveItemThatShowsIt) {
    for (const ShortcutCase& c : kCases) {
        SCOPED_TRACE(c.what);
        headless::HeadlessHost host;
        Main m;
        m.Show();
        c.prepare(m);
        EXPECT_EQ(host.pressShortcut(m, c.keys), c.chosen);
        EXPECT_EQ(m.log, c.log);
    }
}

TEST(HeadlessShortcut, AWindowNotShownTakesNoShortcut) {
    headless::HeadlessHost host;
    Main m;
    m.Load();
    EXPECT_FALSE(host.pressShortcut(m, "F2"));
    EXPECT_EQ(m.log, Lines{});
}

}  // namespace
