// The hover and press states as a table of input steps: the look after each step and the
// events it raised.

#include <gtest/gtest.h>

#include <functional>

#include "hover_fixture.h"
#include "look.h"
#include "platform/user32/capture.h"

namespace {

using hovertest::Lines;
using hovertest::TestForm;
using Input = hovertest::Registered;

// Positions in twips: inside is pixel (20, 10), outside pixel (60, 10).
constexpr float kInX = 300, kOutX = 900, kY = 150;
constexpr int16_t kLeft = 1, kRight = 2, kSpace = 32, kEnter = 13;

struct Step {
    const char* what;
    std::function<void(vb::UserControlHost&)> act;
    const char* look;
    Lines events;
};

void MoveIn(vb::UserControlHost& b, int16_t button) { b.RaiseMouseMove(button, 0, kInX, kY); }
void MoveOut(vb::UserControlHost& b, int16_t button) { b.RaiseMouseMove(button, 0, kOutX, kY); }

void RunSteps(const com::PropertyBag& design, const std::vector<Step>& steps) {
    TestForm form(&design);
    form.Show();
    ASSERT_EQ(form.created, com::S_OK);
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        form.events.clear();
        s.act(form.cmdOK);
        EXPECT_EQ(hovertest::Look(form.cmdOK), s.look);
        EXPECT_EQ(form.events, s.events);
    }
}

const com::PropertyBag kPopup{{"Style", int32_t{3}}};

TEST_F(Input, APressLeftAndReenteredClicksOnReleaseInside) {
    RunSteps(kPopup,
             {
                 {"enter", [](auto& b) { MoveIn(b, 0); }, "hover", {}},
                 {"press",
                  [](auto& b) { b.RaiseMouseDown(kLeft, 0, kInX, kY); },
                  "pressed",
                  {"MouseDown 1"}},
                 {"leave pressed", [](auto& b) { MoveOut(b, kLeft); }, "rest", {"MouseLeave"}},
                 {"leave again", [](auto& b) { MoveOut(b, kLeft); }, "rest", {"MouseLeave"}},
                 {"re-enter pressed", [](auto& b) { MoveIn(b, kLeft); }, "rest", {}},
                 {"release inside",
                  [](auto& b) { b.RaiseMouseUp(kLeft, 0, kInX, kY); },
                  "hover",
                  {"MouseUp 1"}},
                 {"the click", [](auto& b) { b.RaiseClick(); }, "rest", {"Click"}},
                 {"move on", [](auto& b) { MoveIn(b, 0); }, "hover", {}},
             });
}

TEST_F(Input, AReleaseOutsideRaisesNoClick) {
    RunSteps(kPopup, {
                         {"enter", [](auto& b) { MoveIn(b, 0); }, "hover", {}},
                         {"press",
                          [](auto& b) { b.RaiseMouseDown(kLeft, 0, kInX, kY); },
                          "pressed",
                          {"MouseDown 1"}},
                         {"leave", [](auto& b) { MoveOut(b, kLeft); }, "rest", {"MouseLeave"}},
                         {"release outside",
                          [](auto& b) { b.RaiseMouseUp(kLeft, 0, kOutX, kY); },
                          "hover",
                          {"MouseUp 1"}},
                     });
}

TEST_F(Input, TheRightButtonAndTheKeys) {
    RunSteps(kPopup,
             {
                 {"right down",
                  [](auto& b) { b.RaiseMouseDown(kRight, 0, kInX, kY); },
                  "rest",
                  {"MouseDown 2"}},
                 {"right up",
                  [](auto& b) { b.RaiseMouseUp(kRight, 0, kInX, kY); },
                  "hover",
                  {"MouseUp 2"}},
                 {"space up alone", [](auto& b) { b.RaiseKeyUp(kSpace, 0); }, "hover", {}},
                 {"space down", [](auto& b) { b.RaiseKeyDown(kSpace, 0); }, "pressed", {}},
                 {"space repeats", [](auto& b) { b.RaiseKeyDown(kSpace, 0); }, "pressed", {}},
                 {"space up", [](auto& b) { b.RaiseKeyUp(kSpace, 0); }, "rest", {"Click"}},
                 {"enter down", [](auto& b) { b.RaiseKeyDown(kEnter, 0); }, "pressed", {}},
                 {"enter up", [](auto& b) { b.RaiseKeyUp(kEnter, 0); }, "rest", {"Click"}},
                 {"another key", [](auto& b) { b.RaiseKeyDown(65, 0); }, "rest", {}},
             });
}

// Loaded disabled from its design, while the host itself stays enabled and delivers.
TEST_F(Input, ADisabledButtonIgnoresEverything) {
    const com::PropertyBag disabled{{"Style", int32_t{3}}, {"Enabled", false}};
    RunSteps(disabled,
             {
                 {"enter", [](auto& b) { MoveIn(b, 0); }, "rest", {}},
                 {"press", [](auto& b) { b.RaiseMouseDown(kLeft, 0, kInX, kY); }, "rest", {}},
                 {"release", [](auto& b) { b.RaiseMouseUp(kLeft, 0, kInX, kY); }, "rest", {}},
                 {"click", [](auto& b) { b.RaiseClick(); }, "rest", {}},
                 {"space",
                  [](auto& b) {
                      b.RaiseKeyDown(kSpace, 0);
                      b.RaiseKeyUp(kSpace, 0);
                  },
                  "rest",
                  {}},
             });
}

TEST_F(Input, TheMouseIsCapturedWhileInsideAndReleasedByTheFirstMoveOutside) {
    TestForm form;
    form.Show();
    MoveIn(form.cmdOK, 0);
    EXPECT_EQ(win::GetCapture(), form.cmdOK.hWnd());
    form.cmdOK.RaiseMouseMove(0, 0, 0, kY);  // the left edge counts as outside
    EXPECT_EQ(win::GetCapture(), 0);
    EXPECT_EQ(form.events, Lines{"MouseLeave"});
}

// Nothing would ever bring back a button left pressed or lit when it is disabled, loses the
// focus or loses the capture: each puts it at rest and lets the capture go.
TEST_F(Input, DisablingOrLosingFocusOrCaptureWhilePressedPutsTheButtonAtRest) {
    const std::pair<const char*, std::function<void(vb::UserControlHost&)>> losses[] = {
        {"disabled", [](auto& b) { b.PutProperty("Enabled", false); }},
        {"host disabled", [](auto& b) { b.setEnabled(false); }},
        {"focus lost", [](auto& b) { b.RaiseLostFocus(); }},
        {"capture taken", [](auto&) { win::SetCapture(0x7777); }},
    };
    for (const auto& [what, lose] : losses) {
        SCOPED_TRACE(what);
        TestForm form(&kPopup);
        form.Show();
        if (what == std::string("focus lost")) form.cmdOK.RaiseGotFocus();  // else outlined
        MoveIn(form.cmdOK, 0);
        form.cmdOK.RaiseMouseDown(kLeft, 0, kInX, kY);
        ASSERT_EQ(hovertest::Look(form.cmdOK), "pressed");
        lose(form.cmdOK);
        EXPECT_EQ(hovertest::Look(form.cmdOK), "rest");
        EXPECT_NE(win::GetCapture(), form.cmdOK.hWnd());
        win::ReleaseCapture();
    }
}

}  // namespace
