// Closing the main window, which ends the program; pausing the music while the window is
// minimised; and the clock of the time since the window opened.

#include <cstdint>
#include <vector>

#include "game/frmTolvarin.h"
#include "platform/forms/msgbox.h"
#include "platform/media/mci.h"
#include "platform/runtime/datetime.h"
#include "shell/BGmusic.h"
#include "shell/Module1.h"
#include "shell/base_cursor.h"
#include "shell/links.h"
#include "shell/settings.h"

// Once the question is past, closing cannot be stopped any more.
void frmTolvarin::Form_QueryUnload(int16_t& Cancel, int16_t) {
    if (Module1::ConfirmExit &&
        vb::MsgBox("Exit Tolvarin?", vb::vbOKCancel + vb::vbQuestion, "Confirm") == vb::vbCancel) {
        Cancel = 1;
        return;
    }
    Module1::SaveSettings();
    Module1::CloseHelp(hWnd());
    // The class cursor in force before the first window loaded comes back, and the one
    // from "base.cur" is freed: it is no longer in use then.
    Module1::RestoreClassCursor(hWnd());
    if (Module1::MusicOn) BGmusic::CloseMP3();
    // An intro or a jingle may still be open.
    win::mciSendStringA("close song", nullptr, 0, 0);
}

void frmTolvarin::Form_Unload(int16_t&) {
    const std::vector<vb::Form*> all = vb::AllForms();
    for (vb::Form* form : all)
        if (form != this) form->Unload();
}

void frmTolvarin::Form_Resize() {
    if (!Module1::MusicOn) return;
    if (WindowState() == vb::vbMinimized) {
        Timer3.setEnabled(false);
        BGmusic::PauseMP3();
        return;
    }
    Timer3.setEnabled(true);
    BGmusic::ResumeMP3();
}

// The clock runs on whole ticks, modulo a day: a late tick still adds one second.
void frmTolvarin::tmrTimeElapsed_Timer() {
    const vb::Date shown = vb::TimeValue(lblTimeElapsed.Caption());
    lblTimeElapsed.setCaption(vb::FormatTime(shown + vb::TimeSerial(0, 0, 1), "Hh:Nn:Ss"));
    StatusBar1.Panels(5).setText(lblTimeElapsed.Caption());
}
