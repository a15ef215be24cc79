#include "dialogs/frmSplash.h"

#include "game/frmTolvarin.h"
#include "platform/gdi/drawing.h"
#include "platform/types/twips.h"
#include "platform/user32/window_pos.h"
#include "platform/user32/window_region.h"
#include "shell/resources.h"

namespace {

using vb::kTwipsPerPixel;

// The window's inner area in pixels, one less each way than the picture.
constexpr int32_t kInnerWidthPx = 377;
constexpr int32_t kInnerHeightPx = 209;
constexpr int32_t kPictureWidthPx = 378;
constexpr int32_t kPictureHeightPx = 210;
constexpr uint32_t kShowMs = 600;

}  // namespace

// No caption and no frame: the window is its picture.
void frmSplash::InitializeComponent() {
    setCaption("");
    designBorderStyle(0);
    designGeometry(0, 0, kInnerWidthPx * kTwipsPerPixel, kInnerHeightPx * kTwipsPerPixel);
    Image1.Move(0, 0, kPictureWidthPx * kTwipsPerPixel, kPictureHeightPx * kTwipsPerPixel);
    Image1.setPicture(vb::LoadResPicture("splash"));
    Image1.setVisible(true);
    tmrUnload.setEnabled(false);
    tmrUnload.setInterval(kShowMs);
    tmrUnload.Tick = [this] { tmrUnload_Timer(); };
}

// The screen is measured in twips and the window in pixels; a third of the room lies to
// the left of it.
void frmSplash::Form_Load() {
    setLeft((vb::ScreenWidth() - kInnerWidthPx) / 3);
    setTop((vb::ScreenHeight() - 16 * kInnerHeightPx) / 2);
    win::SetWindowRgn(hWnd(), win::CreateRoundRectRgn(0, 0, 388, 220, 0, 0), 1);
}

void frmSplash::ShowSplash() {
    Load();
    tmrUnload.setEnabled(true);
    win::SetWindowPos(hWnd(), win::HWND_TOPMOST, 0, 0, 0, 0, win::SWP_NOSIZE | win::SWP_NOMOVE);
    Show();
}

void frmSplash::tmrUnload_Timer() { GiveWayToMainWindow(); }

void frmSplash::Form_KeyPress(int16_t&) { GiveWayToMainWindow(); }

// The timer stops before the window goes, so that nothing touches the splash once it is
// unloaded and it is never loaded again behind the main window. The main window loads
// while the splash is still up, so the screen is never empty between the two.
void frmSplash::GiveWayToMainWindow() {
    tmrUnload.setEnabled(false);
    frmTolvarin& main = vb::Default<frmTolvarin>();
    main.Load();
    Unload();
    main.Show();
}
