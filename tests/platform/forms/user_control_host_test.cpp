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
    EXPECT_EQ(host.take(), Lines{"control cmdLamp Position"});
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

TEST_F(UserControlHost, AnUnknownProgIDLeavesTheHostEmpty) {
    RecordingHost host;
    Panel panel("ComTest.Nothing");
    panel.Load();
    EXPECT_EQ(panel.created, com::CO_E_CLASSSTRING);
    EXPECT_EQ(panel.cmdLamp.Instance(), nullptr);
    Variant v = "untouched";
    EXPECT_EQ(panel.cmdLamp.GetProperty("Caption", v), com::E_UNEXPECTED);
    EXPECT_EQ(v, Variant("untouched"));
    EXPECT_EQ(panel.cmdLamp.GetProperty("Left", v), com::S_OK);
    com::PropertyBag bag;
    EXPECT_EQ(panel.cmdLamp.Save(bag), com::E_UNEXPECTED);
    panel.cmdLamp.RaiseClick();  // nothing to deliver to
    EXPECT_TRUE(panel.events.empty());
}

}  // namespace
