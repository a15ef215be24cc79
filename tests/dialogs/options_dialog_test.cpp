// The options dialog on its own: what it shows of the settings, what OK writes back, what
// Cancel takes back, and where it stands over its owner.

#include <gtest/gtest.h>

#include <string>

#include "dialogs/frmOptions.h"
#include "dialogs/frmScores2.h"
#include "game/support/tolvarin_fixture.h"
#include "platform/runtime/conversions.h"

namespace {

struct Welcome : vb::Form {
    Welcome() : vb::Form("frmWelcome") {}
};

class OptionsDialogTest : public TolvarinTest {
protected:
    // Shows the dialog, lets @p play work it, and presses OK or Cancel.
    void Show(bool ok, const std::function<void(frmOptions&)>& play = {}) {
        host.onModal("frmOptions", [&](vb::Form& w) {
            auto& options = static_cast<frmOptions&>(w);
            shown = State(options);
            if (play) play(options);
            host.click(ok ? options.HoverCommand1 : options.HoverCommand2);
        });
        vb::Default<frmOptions>().Show(vb::vbModal);
    }

    // The choices as the dialog shows them; "(off)" marks a control that takes no input.
    static std::string State(frmOptions& w) {
        auto chosen = [](std::initializer_list<vb::OptionButton*> group) {
            std::string text;
            for (vb::OptionButton* o : group)
                if (o->Value()) text += o->Name();
            return text;
        };
        auto off = [](const vb::Control& c) { return c.Enabled() ? "" : "(off)"; };
        return chosen({&w.opt5Dice, &w.opt6Dice}) + " " + chosen({&w.optYahtzee, &w.optYamb}) +
               " " + chosen({&w.opt1Player, &w.opt2Players}) + " " + w.txtName1.Text() + "/" +
               w.txtName2.Text() + off(w.txtName2) + " status " +
               std::to_string(w.chkShowStatusBar.Value()) + off(w.chkShowStatusBar) + " quit " +
               std::to_string(w.chkQuitGame.Value()) + " exit " +
               std::to_string(w.chkConfirmExit.Value()) + " " +
               chosen({&w.optShowNone, &w.optShowSplash, &w.optShowDialog}) + " volume " +
               std::to_string(w.sldVolume.Value());
    }

    std::string shown;
};

TEST_F(OptionsDialogTest, ShowsTheSettingsAndOKWritesThemBack) {
    const struct {
        int32_t dice, columns, players;
        bool welcome, splash, statusBar, music;
        const char* shows;
    } cases[] = {
        {4, 1, 1, false, false, false, true,
         "opt5Dice optYahtzee opt1Player Ann/Bob(off) status 0 quit 1 exit 0 optShowNone volume 300"},
        {5, 4, 2, true, true, false, false,
         "opt6Dice optYamb opt2Players Ann/Bob status 1(off) quit 1 exit 0 optShowDialog volume 500"},
        {5, 4, 1, false, true, true, false,
         "opt6Dice optYamb opt1Player Ann/Bob(off) status 1 quit 1 exit 0 optShowSplash volume 500"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shows);
        Module1::DiceSetting = c.dice;
        Module1::NumColumns = c.columns;
        Module1::NumPlayers = c.players;
        Module1::Player1Name = "Ann";
        Module1::Player2Name = "Bob";
        Module1::WelcomeAtStart = c.welcome;
        Module1::SplashAtStart = c.splash;
        Module1::StatusBarOn = c.statusBar;
        Module1::ConfirmExit = false;
        Module1::MusicOn = c.music;
        Module1::MusicVolume = 300;
        Module1::SettingsChanged = false;
        Show(true);
        EXPECT_EQ(shown, c.shows);
        EXPECT_EQ(Module1::DiceSetting * 10 + Module1::NumColumns, c.dice * 10 + c.columns);
        EXPECT_EQ(Module1::WelcomeAtStart, c.welcome);
        EXPECT_EQ(Module1::SplashAtStart, c.splash && !c.welcome);  // Dialog wins over Splash
        EXPECT_EQ(Module1::StatusBarOn, c.statusBar || c.players == 2);
        EXPECT_EQ(Module1::MusicVolume, 300);  // an untouched slider changes nothing
        EXPECT_TRUE(Module1::SettingsChanged);
    }
}

// Two players check and lock the status bar; back to one frees it but leaves it checked.
TEST_F(OptionsDialogTest, ThePlayersChoiceSetsTheSecondNameAndTheStatusBar) {
    Module1::StatusBarOn = false;
    Show(true, [&](frmOptions& w) {
        host.click(w.opt2Players);
        EXPECT_EQ(State(w).substr(0, 40), "opt6Dice optYamb opt2Players Player 1/Pl");
        EXPECT_FALSE(w.chkShowStatusBar.Enabled());
        host.click(w.opt1Player);
        EXPECT_EQ(w.chkShowStatusBar.Value(), vb::vbChecked);
        EXPECT_TRUE(w.chkShowStatusBar.Enabled());
        EXPECT_FALSE(w.txtName2.Enabled());
        host.typeText(w.txtName1, "!");
    });
    EXPECT_TRUE(Module1::StatusBarOn);
    EXPECT_EQ(Module1::NumPlayers, 1);
    EXPECT_EQ(Module1::Player1Name, "Player 1!");
}

// A second showing cancelled after a first one's OK keeps that OK: Cancel puts back the
// volume and nothing else.
TEST_F(OptionsDialogTest, CancelPutsBackOnlyTheVolume) {
    Module1::MusicOn = true;
    Show(true, [&](frmOptions& w) {
        host.click(w.optYahtzee);
        host.moveSlider(w.sldVolume, 800);
    });
    Show(false, [&](frmOptions& w) {
        host.moveSlider(w.sldVolume, 100);
        EXPECT_EQ(Module1::MusicVolume, 100);  // the music hears it at once
        host.click(w.optYamb);
    });
    EXPECT_EQ(Module1::MusicVolume, 800);
    EXPECT_EQ(Module1::NumColumns, 1);
    EXPECT_TRUE(Module1::SettingsChanged);
}

// Over the welcome dialog the options sit a third of the way down; without it they centre
// on the screen, as the top scores do.
TEST_F(OptionsDialogTest, StandsOverTheWelcomeDialogOrTheScreen) {
    Module1::OpenedFromMain = false;
    Show(false);
    const frmOptions& options = vb::Default<frmOptions>();
    EXPECT_EQ(options.Left(), vb::CLng((vb::ScreenWidth() - options.Width()) / 2.0));
    EXPECT_EQ(options.Top(), vb::CLng((vb::ScreenHeight() - options.Height()) / 2.0));
    Welcome welcome;
    welcome.Load();
    welcome.setLeft(3000);
    welcome.setTop(600);
    welcome.setWidth(6000);
    welcome.setHeight(6000);
    Show(false);
    EXPECT_EQ(options.Left(), vb::CLng(3000 + 3000 - options.Width() / 2.0));
    EXPECT_EQ(options.Top(), vb::CLng(600 + 4000 - options.Height() / 1.5));
    host.onModal("frmScores2", [](vb::Form& w) {
        EXPECT_EQ(w.Top(), vb::CLng(600 + 3000 - w.Height() / 2.0));
        w.Unload();
    });
    vb::Default<frmScores2>().Show(vb::vbModal);
}

}  // namespace
