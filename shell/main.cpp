#include "shell/main.h"

#include <string>

#include "dialogs/frmSplash.h"
#include "dialogs/frmWelcome.h"
#include "game/frmTolvarin.h"
#include "platform/forms/form.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/app.h"
#include "shell/Module1.h"
#include "shell/settings.h"

namespace Module1 {

namespace {

// The program's folder with one separator at its end; a root folder ends in one already.
std::string FolderWithSeparator(const std::string& path) {
    const bool ends = !path.empty() && (path.back() == '\\' || path.back() == '/');
    return ends ? path : path + "\\";
}

// The settings the dialog changed are kept even when the player leaves; the game opens
// only for Play.
void ShowWelcome() {
    vb::Default<frmWelcome>().Show(vb::vbModal);
    if (SettingsChanged) {
        SaveSettings();
        SettingsChanged = false;
    }
    if (PlayChosen) vb::Default<frmTolvarin>().Show();
}

}  // namespace

// The running copy is left alone: the second one only says so and ends.
void Main() {
    const vb::AppInfo& app = vb::App();
    if (app.PrevInstance) {
        vb::MsgBox(app.Title + " is already running!", vb::vbCritical, app.Title + " Running");
        return;
    }
    AppFolder = FolderWithSeparator(app.Path);
    LoadSettings();
    if (!WelcomeAtStart) {
        if (SplashAtStart)
            vb::Default<frmSplash>().ShowSplash();
        else
            vb::Default<frmTolvarin>().Show();
        return;
    }
    ShowWelcome();
}

}  // namespace Module1
