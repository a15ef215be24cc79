// A window's life: Load, Show (modeless and modal), Hide, Unload with QueryUnload, KeyPress
// and Resize, and the registry of forms.

#include "platform/forms/form.h"

#include <gtest/gtest.h>

#include "platform/forms/controls.h"
#include "platform/forms/recording_host.h"

namespace {

using formstest::Lines;
using formstest::RecordingHost;

struct Dialog : vb::Form {
    Dialog() : vb::Form("frmDialog") {}
    vb::Timer tmrBlink{*this, "tmrBlink"};
    Lines log;
    int16_t cancelQuery = 0;
    int16_t cancelUnload = 0;
    std::function<void()> onLoad;

protected:
    void InitializeComponent() override {
        log.push_back("InitializeComponent");
        tmrBlink.setInterval(500);
    }
    void Form_Load() override {
        log.push_back("Form_Load");
        if (onLoad) onLoad();
    }
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override {
        log.push_back("Form_QueryUnload " + std::to_string(UnloadMode));
        Cancel = cancelQuery;
    }
    void Form_Unload(int16_t& Cancel) override {
        log.push_back("Form_Unload");
        Cancel = cancelUnload;
    }
    void Form_Resize() override { log.push_back("Form_Resize " + std::to_string(WindowState())); }
    void Form_KeyPress(int16_t& KeyAscii) override {
        log.push_back("Form_KeyPress " + std::to_string(KeyAscii));
    }
};

TEST(Form, LoadRunsTheDesignThenFormLoadOncePerLoad) {
    RecordingHost host;
    Dialog d;
    d.Load();
    d.Load();
    EXPECT_TRUE(d.Loaded());
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(d.log, (Lines{"InitializeComponent", "Form_Load"}));
    EXPECT_EQ(host.take(), (Lines{"control tmrBlink Value", "timer tmrBlink stopped",
                                  "timer tmrBlink running"}));
    d.Unload();
    d.log.clear();
    d.Load();
    EXPECT_EQ(d.log, (Lines{"InitializeComponent", "Form_Load"}));
}

TEST(Form, ShowLoadsShowsAndResizesOnTheFirstShowing) {
    RecordingHost host;
    Dialog d;
    d.Show();
    d.Show();
    EXPECT_TRUE(d.Visible());
    EXPECT_FALSE(d.Modal());
    EXPECT_EQ(d.log, (Lines{"InitializeComponent", "Form_Load", "Form_Resize 0"}));
    const Lines calls = host.take();
    EXPECT_EQ(Lines(calls.end() - 2, calls.end()), (Lines{"show frmDialog", "show frmDialog"}));
}

TEST(Form, ModalShowReturnsWhenTheWindowCloses) {
    RecordingHost host;
    Dialog owner, d;
    owner.Show();
    bool wasModal = false;
    host.duringModal = [&](vb::Form& f) {
        wasModal = f.Modal();
        EXPECT_EQ(f.Owner(), &owner);
        f.Hide();
    };
    d.Show(vb::vbModal, &owner);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(d.Modal());
    EXPECT_FALSE(d.Visible());
    EXPECT_TRUE(d.Loaded());
}

TEST(Form, FormLoadThatUnloadsKeepsTheWindowHidden) {
    RecordingHost host;
    Dialog d;
    d.onLoad = [&] { d.Unload(); };
    d.Show(vb::vbModal);
    EXPECT_FALSE(d.Loaded());
    EXPECT_FALSE(d.Visible());
    for (const auto& line : host.take()) EXPECT_NE(line.rfind("show", 0), 0u) << line;
}

TEST(Form, HideKeepsTheWindowLoaded) {
    RecordingHost host;
    Dialog d;
    d.Hide();
    EXPECT_FALSE(d.Loaded());
    d.Show();
    host.take();
    d.Hide();
    d.Hide();
    EXPECT_EQ(host.take(), Lines{"hide frmDialog"});
    EXPECT_TRUE(d.Loaded());
    EXPECT_TRUE(d.tmrBlink.Running());
}

// Who cancels the unload, and what runs and what the host hears.
struct UnloadCase {
    const char* what;
    int16_t cancelQuery, cancelUnload;
    bool unloaded;
    Lines events;
};

const UnloadCase kUnloadCases[] = {
    {"nobody cancels", 0, 0, true, {"Form_QueryUnload 1", "Form_Unload"}},
    {"QueryUnload cancels", 1, 0, false, {"Form_QueryUnload 1"}},
    {"Unload cancels", 0, -1, false, {"Form_QueryUnload 1", "Form_Unload"}},
};

TEST(Form, UnloadAsksQueryUnloadThenUnload) {
    for (const auto& c : kUnloadCases) {
        SCOPED_TRACE(c.what);
        RecordingHost host;
        Dialog d;
        d.Show();
        d.log.clear();
        host.take();
        d.cancelQuery = c.cancelQuery;
        d.cancelUnload = c.cancelUnload;
        EXPECT_EQ(d.Unload(), c.unloaded);
        EXPECT_EQ(d.log, c.events);
        EXPECT_EQ(d.Loaded(), !c.unloaded);
        EXPECT_EQ(d.Visible(), !c.unloaded);
        EXPECT_EQ(d.tmrBlink.Running(), !c.unloaded);
        EXPECT_EQ(host.take(),
                  c.unloaded ? (Lines{"timer tmrBlink stopped", "unload frmDialog"}) : Lines{});
    }
}

TEST(Form, UnloadOfAWindowNotLoadedDoesNothing) {
    RecordingHost host;
    Dialog d;
    EXPECT_TRUE(d.Unload());
    EXPECT_EQ(d.log, Lines{});
    EXPECT_EQ(host.take(), Lines{});
}

TEST(Form, CloseBoxAsksWithControlMenuMode) {
    RecordingHost host;
    Dialog d;
    d.Show();
    d.log.clear();
    d.RaiseClose();
    EXPECT_EQ(d.log, (Lines{"Form_QueryUnload 0", "Form_Unload"}));
    EXPECT_FALSE(d.Loaded());
}

struct SelfUnloading : Dialog {
    bool inner = true;
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override {
        Dialog::Form_QueryUnload(Cancel, UnloadMode);
        inner = Unload();
    }
};

TEST(Form, UnloadFromItsOwnHandlersIsLeftToTheFirstCall) {
    RecordingHost host;
    SelfUnloading d;
    d.Show();
    d.log.clear();
    EXPECT_TRUE(d.Unload());
    EXPECT_FALSE(d.inner);
    EXPECT_EQ(d.log, (Lines{"Form_QueryUnload 1", "Form_Unload"}));
    EXPECT_FALSE(d.Loaded());
}

TEST(Form, KeyPressReachesALoadedEnabledWindow) {
    RecordingHost host;
    Dialog d;
    d.RaiseKeyPress(13);
    d.Load();
    d.RaiseKeyPress(13);
    d.setEnabled(false);
    d.RaiseKeyPress(32);
    d.setEnabled(true);
    d.RaiseKeyPress(32);
    EXPECT_EQ(d.log,
              (Lines{"InitializeComponent", "Form_Load", "Form_KeyPress 13", "Form_KeyPress 32"}));
}

TEST(Form, SizeAndStateChangesOfALoadedWindowRaiseResize) {
    RecordingHost host;
    Dialog d;
    d.setWindowState(vb::vbMaximized);
    d.setWidth(4000);
    d.Load();
    d.log.clear();
    d.setWindowState(vb::vbMinimized);
    d.setWindowState(vb::vbMinimized);
    d.setWidth(5000);
    d.setHeight(3000);
    d.setLeft(100);
    d.setTop(100);
    d.RaiseResize();
    EXPECT_EQ(d.log, (Lines{"Form_Resize 1", "Form_Resize 1", "Form_Resize 1", "Form_Resize 1"}));
}

TEST(Forms, RegistryHoldsTheLivingFormsInOrder) {
    const auto before = vb::AllForms().size();
    auto a = std::make_unique<Dialog>();
    {
        Dialog b;
        ASSERT_EQ(vb::AllForms().size(), before + 2);
        EXPECT_EQ(vb::AllForms()[before], a.get());
        EXPECT_EQ(vb::AllForms()[before + 1], &b);
    }
    EXPECT_EQ(vb::AllForms().size(), before + 1);
    a.reset();
    EXPECT_EQ(vb::AllForms().size(), before);
}

struct Lonely : vb::Form {
    Lonely() : vb::Form("frmLonely") {}
};

TEST(Forms, DefaultFindsTheLivingFormOrMakesOne) {
    Dialog d;
    EXPECT_EQ(&vb::Default<Dialog>(), &d);
    Lonely& made = vb::Default<Lonely>();
    EXPECT_EQ(&vb::Default<Lonely>(), &made);
    EXPECT_EQ(made.Name(), "frmLonely");
}

TEST(Screen, ComesFromTheHost) {
    RecordingHost host;
    EXPECT_EQ(vb::ScreenWidth(), 12000);
    EXPECT_EQ(vb::ScreenHeight(), 9000);
}

}  // namespace
