#include "dialogs/frmWelcome.h"

#include <string>

#include "dialogs/dialog_design.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmQuickStart.h"
#include "dialogs/frmScores2.h"
#include "platform/forms/msgbox.h"
#include "platform/types/twips.h"
#include "shell/Module1.h"
#include "shell/base_cursor.h"
#include "shell/links.h"
#include "shell/resources.h"

namespace {

using vb::kTwipsPerPixel;

// The design's client area is 6105 x 5175 twips; the window is then cut to this height,
// which leaves room below the check box.
constexpr int32_t kHeight = 5260;
constexpr int32_t kCheckTop = 4500;
constexpr int32_t kPictureWidthPx = 150;
constexpr int32_t kPictureHeightPx = 254;  // down to the last row of buttons

}  // namespace

void frmWelcome::InitializeComponent() {
    setCaption("Welcome to Tolvarin 2.2.2");
    designGeometry(0, 0, 6195, 5550);
    Image1.Move(120, 120, kPictureWidthPx * kTwipsPerPixel, kPictureHeightPx * kTwipsPerPixel);
    Image1.setPicture(vb::LoadResPicture("welcome"));
    Image1.setVisible(true);
    dialogs::DesignProductLabels(
        {Frame2, lblTitle, lblVersion, lblCopyright, Frame6, Label1, lblWebSite, Label2, lblemail},
        2520, 60, 3465);
    DesignButtons();
    Check1.setCaption("Don't show this dialog next time");
    Check1.Move(2520, 4800, 3465, 255);
    Check1.Click = nullptr;  // the design's value is no choice of the player's
    Check1.setValue(vb::vbUnchecked);
    Check1.setVisible(true);
    Check1.Click = [this] { Check1_Click(); };
    lblWebSite.Click = [this] { lblWebSite_Click(); };
    lblemail.Click = [this] { lblemail_Click(); };
}

// Play stands out on its own row; the others go two by two below it.
void frmWelcome::DesignButtons() {
    constexpr int32_t left = 2520, wide = 3465, half = 1680, right = left + wide - half;
    constexpr int32_t high = 420, step = 510, top = 2490;
    dialogs::DesignHoverButton(cmdPlay, "&Play", left, top, wide, high);
    dialogs::DesignHoverButton(cmdQuickStart, "&Quick Start", left, top + step, half, high);
    dialogs::DesignHoverButton(cmdOptions, "&Options", right, top + step, half, high);
    dialogs::DesignHoverButton(cmdScores, "&Top Scores", left, top + 2 * step, half, high);
    dialogs::DesignHoverButton(cmdExit, "&Exit", right, top + 2 * step, half, high);
    cmdPlay.Click = [this] { cmdPlay_Click(); };
    cmdQuickStart.Click = [this] { cmdQuickStart_Click(); };
    cmdOptions.Click = [this] { cmdOptions_Click(); };
    cmdScores.Click = [this] { cmdScores_Click(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
}

// Centred on the design's height, then shortened to its own.
void frmWelcome::Form_Load() {
    Module1::UseBaseCursor(hWnd());
    Module1::UseBaseCursor(Check1.hWnd());
    Module1::UseBaseCursor(Frame6.hWnd());
    setLeft((vb::ScreenWidth() - Width()) / 2);
    setTop((vb::ScreenHeight() - Height()) / 2);
    setHeight(kHeight);
    Check1.setTop(kCheckTop);
}

// However the dialog closes, the help it may have opened closes with it.
void frmWelcome::Form_Unload(int16_t&) { Module1::CloseHelp(hWnd()); }

void frmWelcome::cmdPlay_Click() {
    Module1::PlayChosen = true;
    Unload();
}

void frmWelcome::cmdExit_Click() { Unload(); }

void frmWelcome::cmdQuickStart_Click() {
    Module1::OpenedFromMain = false;
    vb::Default<frmQuickStart>().Show(vb::vbModal, this);
}

void frmWelcome::cmdScores_Click() {
    Module1::OpenedFromMain = false;
    Module1::ShowScoreResult = false;
    vb::Default<frmScores2>().Show(vb::vbModal, this);
}

void frmWelcome::cmdOptions_Click() {
    Module1::OpenedFromMain = false;
    vb::Default<frmOptions>().Show(vb::vbModal, this);
    ShowStartUpChoice();
}

// The options may have chosen the splash window or nothing at all; the box only shows
// that, so a choice of neither is not turned into the splash.
void frmWelcome::ShowStartUpChoice() {
    showingChoice_ = true;
    Check1.setValue(Module1::WelcomeAtStart ? vb::vbUnchecked : vb::vbChecked);
    showingChoice_ = false;
}

// Ticked, the next start shows the splash window instead of this dialog.
void frmWelcome::Check1_Click() {
    if (showingChoice_) return;
    const bool ticked = Check1.Value() == vb::vbChecked;
    Module1::WelcomeAtStart = !ticked;
    Module1::SplashAtStart = ticked;
    Module1::SettingsChanged = true;
}

void frmWelcome::lblWebSite_Click() { Module1::OpenWebSite(); }

void frmWelcome::lblemail_Click() { Module1::SendMail(); }
