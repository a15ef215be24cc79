#include "shell/main.h"

#include <string>

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
    vb::Default<frmTolvarin>().Show();
}

}  // namespace Module1
