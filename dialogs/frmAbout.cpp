#include "dialogs/frmAbout.h"

#include "dialogs/dialog_design.h"
#include "game/frmTolvarin.h"
#include "platform/types/twips.h"
#include "shell/base_cursor.h"
#include "shell/links.h"
#include "shell/resources.h"

namespace {

using vb::kTwipsPerPixel;

// The banner across the top, 314 x 120 pixels.
constexpr int32_t kBannerWidthPx = 314;
constexpr int32_t kBannerHeightPx = 120;

}  // namespace

// A fixed dialog frame around a client area of 4950 x 5280 twips.
void frmAbout::InitializeComponent() {
    setCaption("About Tolvarin 2.2.2");
    designGeometry(0, 0, 5040, 5655);
    Image1.Move(120, 120, kBannerWidthPx * kTwipsPerPixel, kBannerHeightPx * kTwipsPerPixel);
    Image1.setPicture(vb::LoadResPicture("aboutbanner"));
    Image1.setVisible(true);
    dialogs::DesignProductLabels(
        {Frame2, lblTitle, lblVersion, lblCopyright, Frame6, Label1, lblWebSite, Label2, lblemail},
        120, 1995, 4710);
    cmdClose.setCaption("&Close");
    cmdClose.Move(1770, 4515, 1410, 420);
    cmdClose.setVisible(true);
    cmdClose.setEnabled(true);
    cmdClose.setDefault(true);
    cmdClose.setCancel(true);
    cmdClose.Click = [this] { cmdClose_Click(); };
    lblWebSite.Click = [this] { lblWebSite_Click(); };
    lblemail.Click = [this] { lblemail_Click(); };
}

// The box is shown over the main window, its owner, so it stays above the window it
// disables: the game cannot look hung behind it.
void frmAbout::Form_Load() {
    Module1::UseBaseCursor(hWnd());
    frmTolvarin& main = vb::Default<frmTolvarin>();
    main.setEnabled(false);
    dialogs::CentreOver(*this, main);
}

// Closing by the button or by the title bar: the main window is enabled either way.
void frmAbout::Form_QueryUnload(int16_t&, int16_t) { ReleaseMainWindow(); }

void frmAbout::cmdClose_Click() {
    ReleaseMainWindow();
    Unload();
}

void frmAbout::ReleaseMainWindow() { vb::Default<frmTolvarin>().setEnabled(true); }

void frmAbout::lblWebSite_Click() { Module1::OpenWebSite(); }

void frmAbout::lblemail_Click() { Module1::SendMail(); }
