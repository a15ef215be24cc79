// A form holding a control made by ProgID: the design's bag sets it up, input from the
// window layer reaches the instance, and its Click reaches the form's handler.

#include "platform/forms/user_control_host.h"

#include <gtest/gtest.h>

#include "platform/com/registered_lamp.h"
#include "platform/forms/form.h"
#include "platform/forms/recording_host.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi32.h"

namespace {

using com::Variant;
using formstest::Lines;
using formstest::RecordingHost;

struct Panel : vb::Form {
    explicit Panel(const char* progId = comtest::kLampProgID)
        : vb::Form("frmPanel"), cmdLamp(*this, "cmdLamp", progId) {}
    vb::UserControlHost cmdLamp;
    com::HRESULT created = com::E_FAIL;
    Lines events;

protected:
    void InitializeComponent() override {
        cmdLamp.Move(120, 240, 1500, 450);
        const com::PropertyBag design{{"Caption", "&Roll"}, {"Level", int32_t{5}}};
        created = cmdLamp.Create(&design);
        cmdLamp.Click = [this] { events.push_back("cmdLamp_Click"); };
    }
};

using UserControlHost = comtest::RegisteredLamp;

TEST_F(UserControlHost, TheDesignsBagSetsUpTheInstance) {
    RecordingHost host;
    Panel panel;
    panel.Load();
    ASSERT_EQ(panel.created, com::S_OK);
    const std::pair<const char*, Variant> rows[] = {
        {"Caption", "&Roll"},  {"Level", int16_t{5}},    {"Left", int32_t{120}},
        {"Top", int32_t{240}}, {"Width", int32_t{1500}}, {"Visible", true},
        {"Enabled", true},
    };
    for (const auto& [name, want] : rows) {
        SCOPED_TRACE(name);
        Variant got;
        EXPECT_EQ(panel.cmdLamp.GetProperty(name, got), com::S_OK);
        EXPECT_EQ(got, want);
    }
    com::PropertyBag saved;
    EXPECT_EQ(panel.cmdLamp.Save(saved), com::S_OK);
    EXPECT_EQ(saved.Names(), (std::vector<std::string>{"Caption", "Level"}));
}

TEST_F(UserControlHost, AClickReachesTheInstanceAndItsClickTheFormsHandler) {
    RecordingHost host;
    Panel panel;
    panel.Show();
    host.take();
    panel.cmdLamp.RaiseMouseDown(vb::vbLeftButton, 0, 750, 225);
    panel.cmdLamp.RaiseMouseUp(vb::vbLeftButton, 0, 750, 225);
    panel.cmdLamp.RaiseClick();
    EXPECT_EQ(panel.events, Lines{"cmdLamp_Click"});
    EXPECT_EQ(host.take(), Lines{"control cmdLamp Picture"});  // the lamp presented its surface
    EXPECT_EQ(win::GetPixel(panel.cmdLamp.hDC(), 0, 0), 0x1C1C1Cu * 5);
    EXPECT_EQ(panel.cmdLamp.Image().bitmap()->width(), 100);

    panel.cmdLamp.setEnabled(false);  // the lamp has no Enabled: the host's own is used
    EXPECT_EQ(panel.cmdLamp.PutProperty("Enabled", true), com::S_OK);
    EXPECT_TRUE(panel.cmdLamp.Enabled());
    EXPECT_EQ(panel.cmdLamp.PutProperty("Enabled", false), com::S_OK);
    panel.cmdLamp.RaiseClick();
    panel.Hide();
    panel.cmdLamp.setEnabled(true);
    panel.cmdLamp.RaiseClick();
    EXPECT_EQ(panel.events, Lines{"cmdLamp_Click"});  // neither disabled nor hidden clicks
}

TEST_F(UserControlHost, PutsGoToTheExtenderOrTheInstance) {
    RecordingHost host;
    Panel panel;
    panel.Load();
    host.take();
    EXPECT_EQ(panel.cmdLamp.PutProperty("Top", "600"), com::S_OK);
    EXPECT_EQ(panel.cmdLamp.Top(), 600);
    EXPECT_EQ(panel.cmdLamp.PutProperty("Tag", int32_t{4}), com::S_OK);
    EXPECT_EQ(panel.cmdLamp.Tag, "4");
    EXPECT_EQ(panel.cmdLamp.PutProperty("Caption", "&Roll"), com::S_OK);  // unchanged: not dirty
    EXPECT_EQ(panel.cmdLamp.DirtyCount(), 0);
    EXPECT_EQ(panel.cmdLamp.PutProperty("Caption", "&Hold"), com::S_OK);
    EXPECT_EQ(panel.cmdLamp.DirtyCount(), 1);
    EXPECT_EQ(panel.cmdLamp.PutProperty("Level", int16_t{10}), com::E_INVALIDARG);
    EXPECT_EQ(panel.cmdLamp.PutProperty("Colour", int16_t{1}), com::DISP_E_UNKNOWNNAME);
    EXPECT_EQ(panel.cmdLamp.PutProperty("Width", "wide"), com::DISP_E_TYPEMISMATCH);
    // the new caption reaches the window, which takes its Alt key from it
    EXPECT_EQ(host.take(), (Lines{"control cmdLamp Position", "control cmdLamp Caption"}));
}

TEST_F(UserControlHost, ASurfaceFollowsTheControlsSize) {
    RecordingHost host;
    Panel panel;
    panel.Load();
    panel.cmdLamp.hDC();
    panel.cmdLamp.setWidth(3000);
    EXPECT_EQ(panel.cmdLamp.Image().bitmap()->width(), 200);
    EXPECT_EQ(panel.cmdLamp.Image().bitmap()->height(), 30);
}

// The form's code runs as it would with the library: the control stands in as a standard
// button with the stored caption, takes Enabled and moves, and its click reaches the form.
TEST_F(UserControlHost, WithoutItsLibraryTheControlStandsInAsAStandardButton) {
    RecordingHost host;
    Panel panel("ComTest.Nothing");
    panel.Show();
    EXPECT_EQ(panel.created, com::CO_E_CLASSSTRING);
    EXPECT_EQ(panel.cmdLamp.Instance(), nullptr);
    ASSERT_TRUE(panel.cmdLamp.Fallback());
    EXPECT_EQ(panel.cmdLamp.Caption(), "&Roll");
    com::PropertyBag bag;
    EXPECT_EQ(panel.cmdLamp.Save(bag), com::E_UNEXPECTED);
    panel.cmdLamp.RaiseClick();
    EXPECT_EQ(panel.cmdLamp.PutProperty("Enabled", false), com::S_OK);
    panel.cmdLamp.RaiseClick();
    panel.cmdLamp.setEnabled(true);
    EXPECT_EQ(panel.cmdLamp.PutProperty("Top", int32_t{600}), com::S_OK);
    EXPECT_EQ(panel.cmdLamp.PutProperty("Level", int16_t{3}), com::S_OK);
    Variant v;
    EXPECT_EQ(panel.cmdLamp.GetProperty("Level", v), com::S_OK);
    EXPECT_EQ(v, Variant(int16_t{3}));
    panel.cmdLamp.RaiseClick();
    EXPECT_EQ(panel.events, (Lines{"cmdLamp_Click", "cmdLamp_Click"}));
    EXPECT_EQ(panel.cmdLamp.Top(), 600);

    // The player is told once a run, naming what is missing.
    host.take();
    panel.cmdLamp.ReportLoadError();
    panel.cmdLamp.ReportLoadError();
    const Lines told = host.take();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("\"ComTest.Nothing\" (not registered)"), std::string::npos) << told[0];
}

}  // namespace
