// Members of a control array carry their index into their events; other indexes raise
// run-time error 9.

#include "platform/forms/control_array.h"

#include <gtest/gtest.h>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/recording_host.h"

namespace {

using formstest::Lines;
using formstest::RecordingHost;

struct Sheet : vb::Form {
    Sheet() : vb::Form("frmSheet") {}
    vb::ControlArray<vb::CommandButton> cmdDown{*this, "cmdDown", 0, 12};
    vb::ControlArray<vb::Timer> tmrLamp{*this, "tmrLamp", 1, 3};
    Lines clicks;

protected:
    void InitializeComponent() override {
        for (int16_t i = cmdDown.LBound(); i <= cmdDown.UBound(); ++i)
            cmdDown(i).Click = [this, i] { cmdDown_Click(i); };
    }

private:
    void cmdDown_Click(int16_t Index) {
        clicks.push_back("cmdDown_Click " + std::to_string(Index));
    }
};

TEST(ControlArray, MembersKnowTheirNameAndIndex) {
    Sheet s;
    EXPECT_EQ(s.cmdDown.Name(), "cmdDown");
    EXPECT_EQ(s.cmdDown.LBound(), 0);
    EXPECT_EQ(s.cmdDown.UBound(), 12);
    EXPECT_EQ(s.cmdDown.Count(), 13u);
    EXPECT_EQ(s.tmrLamp.LBound(), 1);
    EXPECT_EQ(s.tmrLamp.UBound(), 3);
    EXPECT_EQ(s.cmdDown(7).Index(), 7);
    EXPECT_EQ(s.cmdDown(7).Name(), "cmdDown");
    EXPECT_EQ(s.tmrLamp(1).Index(), 1);
    EXPECT_EQ(s.FindControl("cmdDown", 12), &s.cmdDown(12));
}

TEST(ControlArray, EventsCarryTheIndex) {
    RecordingHost host;
    Sheet s;
    s.Show();
    s.cmdDown(0).RaiseClick();
    s.cmdDown(12).RaiseClick();
    s.cmdDown(5).setVisible(false);
    s.cmdDown(5).RaiseClick();
    EXPECT_EQ(s.clicks, (Lines{"cmdDown_Click 0", "cmdDown_Click 12"}));
}

TEST(ControlArray, OutsideItsBoundsRaisesError9) {
    Sheet s;
    const int32_t outside[] = {-1, 13, 32767, -32768};
    for (int32_t index : outside) {
        SCOPED_TRACE(index);
        try {
            s.cmdDown(index);
            ADD_FAILURE() << "no error raised";
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.Number(), vb::errSubscriptOutOfRange);
        }
    }
    EXPECT_THROW(s.tmrLamp(0), vb::RuntimeError);
    EXPECT_THROW(s.tmrLamp(4), vb::RuntimeError);
}

}  // namespace
