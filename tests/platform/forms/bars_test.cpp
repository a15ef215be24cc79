// Toolbar buttons by position and by key, their clicks, and status-bar panels by number.

#include "platform/forms/bars.h"

#include <gtest/gtest.h>

#include "platform/forms/form.h"
#include "platform/forms/recording_host.h"
#include "platform/runtime/errors.h"

namespace {

using formstest::Lines;
using formstest::RecordingHost;

struct Main : vb::Form {
    Main() : vb::Form("frmMain") {}
    vb::Toolbar Toolbar2{*this, "Toolbar2"};
    vb::StatusBar StatusBar1{*this, "StatusBar1"};
    Lines clicks;

protected:
    void InitializeComponent() override {
        if (Toolbar2.ButtonCount() == 0) {
            Toolbar2.AddButton("tbNew", 1);
            Toolbar2.AddButton("", 0, 3);
            Toolbar2.AddButton("tbUndo", 2);
            Toolbar2.AddButton("tbRedo", 3);
            for (int32_t w : {1200, 3000, 800}) StatusBar1.AddPanel(w);
        }
        Toolbar2.ButtonClick = [this](vb::ToolbarButton& b) {
            clicks.push_back(b.Key() + " " + std::to_string(b.Index()));
        };
    }
};

int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const vb::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(Toolbar, ButtonsByPositionAndKey) {
    Main m;
    m.Load();
    auto& tb = m.Toolbar2;
    EXPECT_EQ(tb.ButtonCount(), 4);
    EXPECT_EQ(tb.Buttons(1).Key(), "tbNew");
    EXPECT_EQ(tb.Buttons(2).Style(), 3);
    EXPECT_EQ(tb.Buttons(3).Key(), "tbUndo");
    EXPECT_EQ(&tb.Buttons("tbRedo"), &tb.Buttons(4));
    EXPECT_EQ(tb.Buttons("tbRedo").Index(), 4);
    EXPECT_EQ(tb.Buttons("tbRedo").Image(), 3);
    EXPECT_EQ(&tb.Buttons("TBUNDO"), &tb.Buttons(3));
}

TEST(Toolbar, MissingButtonsRaiseError9) {
    Main m;
    m.Load();
    auto& tb = m.Toolbar2;
    EXPECT_EQ(ErrorOf([&] { tb.Buttons(int16_t{0}); }), vb::errSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { tb.Buttons(int16_t{5}); }), vb::errSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { tb.Buttons("tbOpen"); }), vb::errSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { tb.Buttons(""); }), vb::errSubscriptOutOfRange);
}

// Which presses raise ButtonClick: the bar must receive input and the button be enabled,
// visible and not a separator.
struct PressCase {
    const char* what;
    int16_t button;
    bool barEnabled, buttonEnabled, buttonVisible;
    const char* want;
};

const PressCase kPressCases[] = {
    {"enabled button", 3, true, true, true, "tbUndo 3"},
    {"disabled button", 3, true, false, true, nullptr},
    {"hidden button", 3, true, true, false, nullptr},
    {"disabled bar", 3, false, true, true, nullptr},
    {"separator", 2, true, true, true, nullptr},
};

TEST(Toolbar, ButtonClickOnlyForLiveButtons) {
    for (const auto& c : kPressCases) {
        SCOPED_TRACE(c.what);
        RecordingHost host;
        Main m;
        m.Show();
        auto& b = m.Toolbar2.Buttons(c.button);
        m.Toolbar2.setEnabled(c.barEnabled);
        b.setEnabled(c.buttonEnabled);
        b.setVisible(c.buttonVisible);
        m.Toolbar2.RaiseButtonClick(b);
        EXPECT_EQ(m.clicks, c.want ? Lines{c.want} : Lines{});
    }
}

TEST(StatusBar, PanelsByNumber) {
    RecordingHost host;
    Main m;
    m.Load();
    auto& sb = m.StatusBar1;
    EXPECT_EQ(sb.PanelCount(), 3);
    EXPECT_EQ(sb.Panels(1).Width(), 1200);
    EXPECT_EQ(sb.Panels(2).Width(), 3000);
    EXPECT_EQ(sb.Panels(3).Index(), 3);
    EXPECT_EQ(sb.Panels(3).Text(), "");
    EXPECT_TRUE(sb.Panels(3).Visible());
    host.take();
    sb.Panels(2).setText("Roll 1");
    sb.Panels(2).setText("Roll 1");
    EXPECT_EQ(sb.Panels(2).Text(), "Roll 1");
    EXPECT_EQ(host.take(), Lines{"control StatusBar1 Items"});
    EXPECT_EQ(ErrorOf([&] { sb.Panels(0); }), vb::errSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { sb.Panels(4); }), vb::errSubscriptOutOfRange);
}

TEST(Bars, AddingTellsTheHost) {
    RecordingHost host;
    Main m;
    host.take();
    m.Toolbar2.AddButton("tbHint", 4);
    m.StatusBar1.AddPanel(500);
    EXPECT_EQ(host.take(), (Lines{"control Toolbar2 Items", "control StatusBar1 Items",
                                  "control StatusBar1 Items"}));
}

}  // namespace
