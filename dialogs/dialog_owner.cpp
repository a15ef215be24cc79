#include "dialogs/dialog_owner.h"

#include "game/frmTolvarin.h"
#include "platform/forms/form.h"
#include "shell/Module1.h"

namespace {

DialogOwner AreaOf(const vb::Form& f, bool welcome) {
    return {f.Left(), f.Top(), f.Width(), f.Height(), welcome};
}

}  // namespace

// The welcome dialog is looked up by name: the dialogs need no more of it than its place.
DialogOwner FindDialogOwner() {
    if (Module1::OpenedFromMain) return AreaOf(vb::Default<frmTolvarin>(), false);
    for (const vb::Form* f : vb::AllForms())
        if (f->Name() == "frmWelcome" && f->Loaded()) return AreaOf(*f, true);
    return {0, 0, vb::ScreenWidth(), vb::ScreenHeight(), false};
}
