// The options dialog on its own: what Cancel takes back after an OK, and where it stands
// over its owner.

#include <gtest/gtest.h>

#include <string>

#include "dialogs/frmOptions.h"
#include "game/support/tolvarin_fixture.h"
#include "platform/runtime/conversions.h"

namespace {

class OptionsDialogTest : public TolvarinTest {
protected:
    // Shows the dialog, lets @p play work it, then OK or Cancel.
    void Show(bool ok, const std::function<void(frmOptions&)>& play = {}) {
        host.onModal("frmOptions", [&](vb::Form& f) {
            auto& w = static_cast<frmOptions&>(f);
            if (play) play(w);
            host.click(ok ? w.HoverCommand1 : w.HoverCommand2);
        });
        vb::Default<frmOptions>().Show(vb::vbModal);
    }
};

// A second showing cancelled after a first one's OK keeps that OK: Cancel puts back the
// volume, which the music hears at once, and nothing else.
TEST_F(OptionsDialogTest, CancelPutsBackOnlyTheVolume) {
    Show(true, [&](frmOptions& w) {
        host.click(w.optYahtzee);
        host.moveSlider(w.sldVolume, 800);
    });
    Show(false, [&](frmOptions& w) {
        host.moveSlider(w.sldVolume, 100);
        EXPECT_EQ(Module1::MusicVolume, 100);
        host.click(w.optYamb);
    });
    EXPECT_EQ(Module1::MusicVolume, 800);
    EXPECT_EQ(Module1::NumColumns, 1);
    EXPECT_TRUE(Module1::SettingsChanged);
}

// Without a main or welcome window the dialog centres on the screen; over the welcome
// dialog it sits a third of the way down.
TEST_F(OptionsDialogTest, StandsOverTheWelcomeDialogOrTheScreen) {
    Module1::OpenedFromMain = false;
    Show(false);
    const frmOptions& options = vb::Default<frmOptions>();
    EXPECT_EQ(options.Top(), vb::CLng((vb::ScreenHeight() - options.Height()) / 2.0));
    struct Welcome : vb::Form {
        Welcome() : vb::Form("frmWelcome") {}
    } welcome;
    welcome.Load();
    welcome.setTop(600);
    welcome.setHeight(6000);
    Show(false);
    EXPECT_EQ(options.Top(), vb::CLng(600 + 4000 - options.Height() / 1.5));
}

}  // namespace
