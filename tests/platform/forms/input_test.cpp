// Which controls receive mouse input: the control, every container above it and its form
// must be visible and enabled, and the form loaded.

#include <gtest/gtest.h>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/recording_host.h"
#include "platform/user32/capture.h"

namespace {

using formstest::Lines;
using formstest::RecordingHost;

struct Board : vb::Form {
    Board() : vb::Form("frmBoard") {}
    vb::PictureBox picFrame{*this, "picFrame"};
    vb::CommandButton cmdRoll{*this, "cmdRoll"};
    Lines events;

protected:
    void InitializeComponent() override {
        cmdRoll.setContainer(&picFrame);
        cmdRoll.Click = [this] { events.push_back("Click"); };
        cmdRoll.DblClick = [this] { events.push_back("DblClick"); };
        cmdRoll.MouseDown = [this](int16_t b, int16_t s, float x, float y) {
            events.push_back("MouseDown " + std::to_string(b) + " " + std::to_string(s) + " " +
                             std::to_string(static_cast<int>(x)) + " " +
                             std::to_string(static_cast<int>(y)));
        };
        cmdRoll.MouseMove = [this](int16_t, int16_t, float, float) {
            events.push_back("MouseMove");
        };
        cmdRoll.MouseUp = [this](int16_t, int16_t, float, float) { events.push_back("MouseUp"); };
    }
};

// One row per state of the chain; only the first row lets input through.
struct ChainCase {
    const char* what;
    bool control, controlEnabled, container, containerEnabled, formShown, formEnabled;
    bool formLoaded;
    bool receives;
};

const ChainCase kChainCases[] = {
    {"all shown and enabled", true, true, true, true, true, true, true, true},
    {"control hidden", false, true, true, true, true, true, true, false},
    {"control disabled", true, false, true, true, true, true, true, false},
    {"container hidden", true, true, false, true, true, true, true, false},
    {"container disabled", true, true, true, false, true, true, true, false},
    {"form hidden", true, true, true, true, false, true, true, false},
    {"form disabled", true, true, true, true, true, false, true, false},
    {"form not loaded", true, true, true, true, false, true, false, false},
};

TEST(ReceivesInput, NeedsTheWholeChainShownAndEnabled) {
    for (const auto& c : kChainCases) {
        SCOPED_TRACE(c.what);
        RecordingHost host;
        Board f;
        if (c.formLoaded) f.Load();
        if (c.formShown) f.Show();
        f.setEnabled(c.formEnabled);
        f.picFrame.setVisible(c.container);
        f.picFrame.setEnabled(c.containerEnabled);
        f.cmdRoll.setVisible(c.control);
        f.cmdRoll.setEnabled(c.controlEnabled);
        EXPECT_EQ(f.cmdRoll.ReceivesInput(), c.receives);

        f.cmdRoll.RaiseMouseDown(vb::vbLeftButton, vb::vbShiftMask, 30, 45);
        f.cmdRoll.RaiseMouseMove(0, 0, 31, 45);
        f.cmdRoll.RaiseMouseUp(vb::vbLeftButton, 0, 30, 45);
        f.cmdRoll.RaiseClick();
        f.cmdRoll.RaiseDblClick();
        const Lines all{"MouseDown 1 1 30 45", "MouseMove", "MouseUp", "Click", "DblClick"};
        EXPECT_EQ(f.events, c.receives ? all : Lines{});
    }
}

TEST(Visible, IsTheControlsOwnFlag) {
    RecordingHost host;
    Board f;
    f.Load();
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(f.cmdRoll.Visible());
    f.picFrame.setVisible(false);
    EXPECT_TRUE(f.cmdRoll.Visible());
    EXPECT_FALSE(f.cmdRoll.ReceivesInput());
}

// A handler may hide or disable the control between the events of one click.
TEST(Events, AreCheckedOneByOne) {
    RecordingHost host;
    Board f;
    f.Show();
    f.cmdRoll.MouseDown = [&](int16_t, int16_t, float, float) {
        f.events.push_back("MouseDown");
        f.cmdRoll.setEnabled(false);
    };
    f.cmdRoll.RaiseMouseDown(vb::vbLeftButton, 0, 0, 0);
    f.cmdRoll.RaiseMouseUp(vb::vbLeftButton, 0, 0, 0);
    f.cmdRoll.RaiseClick();
    EXPECT_EQ(f.events, Lines{"MouseDown"});
}

TEST(Events, AHandlerMayRewireItsOwnEvent) {
    RecordingHost host;
    Board f;
    f.Show();
    int calls = 0;
    f.cmdRoll.Click = [&] {
        f.cmdRoll.Click = nullptr;
        ++calls;
    };
    f.cmdRoll.RaiseClick();
    f.cmdRoll.RaiseClick();
    EXPECT_EQ(calls, 1);
}

// The holder of the capture still sees the pointer move after it has been hidden, and only
// moves: a hidden control is never clicked.
TEST(Events, TheCaptureHolderGetsMovesWhileHidden) {
    RecordingHost host;
    Board f;
    f.Show();
    f.cmdRoll.setVisible(false);
    f.cmdRoll.RaiseMouseMove(0, 0, 1, 1);
    win::SetCapture(f.cmdRoll.hWnd());
    f.cmdRoll.RaiseMouseMove(0, 0, 1, 1);
    f.cmdRoll.RaiseClick();
    win::ReleaseCapture();
    f.cmdRoll.RaiseMouseMove(0, 0, 1, 1);
    EXPECT_EQ(f.events, Lines{"MouseMove"});
}

}  // namespace
