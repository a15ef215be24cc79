#include "dialogs/dialog_owner.h"

#include <cstdint>

#include "game/frmTolvarin.h"
#include "platform/forms/form.h"
#include "platform/runtime/conversions.h"
#include "shell/Module1.h"

namespace {

struct DialogOwner {
    int32_t left, top, width, height;
    bool welcome;  // the welcome dialog
};

DialogOwner AreaOf(const vb::Form& f, bool welcome) {
    return {f.Left(), f.Top(), f.Width(), f.Height(), welcome};
}

// The welcome dialog is looked up by name: the dialogs need no more of it than its place.
DialogOwner FindDialogOwner() {
    if (Module1::OpenedFromMain) return AreaOf(vb::Default<frmTolvarin>(), false);
    for (const vb::Form* f : vb::AllForms())
        if (f->Name() == "frmWelcome" && f->Loaded()) return AreaOf(*f, true);
    return {0, 0, vb::ScreenWidth(), vb::ScreenHeight(), false};
}

}  // namespace

void PlaceOverOwner(vb::Form& window, bool higherOverWelcome) {
    const DialogOwner owner = FindDialogOwner();
    const double down = higherOverWelcome && owner.welcome ? 1.5 : 2;
    window.setLeft(vb::CLng(owner.left + owner.width / 2.0 - window.Width() / 2.0));
    window.setTop(vb::CLng(owner.top + owner.height / down - window.Height() / down));
}
