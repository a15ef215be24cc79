// Sliders clamp to their range and report every change of position; tab controls switch
// and report the tab shown before.

#include <gtest/gtest.h>

#include "platform/forms/form.h"
#include "platform/forms/slider.h"
#include "platform/forms/tabs.h"
#include "platform/headless/headless_host.h"
#include "platform/runtime/errors.h"

namespace {

using Lines = std::vector<std::string>;

struct Dialog : vb::Form {
    Dialog() : vb::Form("frmDialog") {}
    vb::Slider sldVolume{*this, "sldVolume"};
    vb::TabControl SSTab1{*this, "SSTab1"};
    Lines events;

protected:
    void InitializeComponent() override {
        sldVolume.setRange(0, 1000);
        sldVolume.setTickFrequency(100);
        sldVolume.setValue(500);
        sldVolume.Change = [this] {
            events.push_back("Change " + std::to_string(sldVolume.Value()));
        };
        sldVolume.Scroll = [this] { events.push_back("Scroll"); };
        SSTab1.setTabs(4);
        SSTab1.setWidth(4000);
        SSTab1.TabClick = [this](int16_t previous) {
            events.push_back("TabClick " + std::to_string(previous) + " now " +
                             std::to_string(SSTab1.Tab()));
        };
        SSTab1.MouseDown = [this](int16_t, int16_t, float x, float) {
            events.push_back("MouseDown " + std::to_string(static_cast<int>(x)));
        };
        SSTab1.MouseUp = [this](int16_t, int16_t, float, float) { events.push_back("MouseUp"); };
    }
};

struct Case {
    const char* what;
    std::function<void(Dialog&, headless::HeadlessHost&)> act;
    Lines events;
};

const Case kCases[] = {
    {"program value", [](Dialog& d, auto&) { d.sldVolume.setValue(730); }, {"Change 730"}},
    {"same value raises nothing", [](Dialog& d, auto&) { d.sldVolume.setValue(500); }, {}},
    {"clamped above and below",
     [](Dialog& d, auto&) {
         d.sldVolume.setValue(1001);
         d.sldVolume.setValue(5000);
         d.sldVolume.setValue(-1);
     },
     {"Change 1000", "Change 0"}},
    {"a drag scrolls then changes",
     [](Dialog& d, auto& host) {
         host.moveSlider(d.sldVolume, 120);
         host.moveSlider(d.sldVolume, 120);
     },
     {"Scroll", "Change 120", "Scroll"}},
    {"a disabled slider ignores drags",
     [](Dialog& d, auto& host) {
         d.sldVolume.setEnabled(false);
         host.moveSlider(d.sldVolume, 120);
     },
     {}},
    {"a narrower range pulls the value in",
     [](Dialog& d, auto&) { d.sldVolume.setRange(0, 400); },
     {"Change 400"}},
    {"program switches tabs",
     [](Dialog& d, auto&) {
         d.SSTab1.setTab(3);
         d.SSTab1.setTab(3);
         d.SSTab1.setTab(0);
     },
     {"TabClick 0 now 3", "TabClick 3 now 0"}},
    {"a click on a tab: mouse down, switch, mouse up",
     [](Dialog& d, auto& host) { host.clickTab(d.SSTab1, 2); },
     {"MouseDown 2500", "TabClick 0 now 2", "MouseUp"}},
    {"a click on the shown tab switches nothing",
     [](Dialog& d, auto& host) { host.clickTab(d.SSTab1, 0); },
     {"MouseDown 500", "MouseUp"}},
    {"a hidden tab control ignores clicks",
     [](Dialog& d, auto& host) {
         d.SSTab1.setVisible(false);
         host.clickTab(d.SSTab1, 1);
     },
     {}},
    {"fewer tabs move the shown one back",
     [](Dialog& d, auto&) {
         d.SSTab1.setTab(3);
         d.SSTab1.setTabs(2);
     },
     {"TabClick 0 now 3", "TabClick 3 now 1"}},
};

TEST(SliderAndTabs, ConformanceTable) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        headless::HeadlessHost host;
        Dialog d;
        d.Show();
        c.act(d, host);
        EXPECT_EQ(d.events, c.events);
    }
}

TEST(SliderAndTabs, BadRangesAndTabsRaise380) {
    headless::HeadlessHost host;
    Dialog d;
    d.Load();
    const std::function<void()> bad[] = {
        [&] { d.sldVolume.setRange(10, 9); }, [&] { d.SSTab1.setTab(4); },
        [&] { d.SSTab1.setTab(-1); },         [&] { d.SSTab1.setTabCaption(4, "x"); },
        [&] { d.SSTab1.setTabs(0); },
    };
    for (const auto& f : bad) {
        try {
            f();
            ADD_FAILURE() << "accepted";
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.Number(), 380);
        }
    }
    EXPECT_EQ(d.sldVolume.Min(), 0);
    EXPECT_EQ(d.sldVolume.Max(), 1000);
    EXPECT_EQ(d.SSTab1.Tab(), 0);
    EXPECT_EQ(d.SSTab1.Tabs(), 4);
    EXPECT_TRUE(d.events.empty());
}

}  // namespace
