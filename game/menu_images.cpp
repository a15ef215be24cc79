// The one-time set-up of the main window's owner-drawn menus and toolbar background: the
// picture scheme, the background picture, the module attached to the window and to the
// toolbar, and the table that gives menu items their pictures.

#include <string>

#include "game/frmTolvarin.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/app.h"
#include "platform/runtime/errors.h"
#include "shell/modODMenus.h"

namespace {

struct MenuImageRow {
    const char* caption;
    const char* bitmap;
    const char* mask;
};
// The plain items of the three switches show the check picture; their twins (suffix 2)
// have other captions and so no picture.
constexpr MenuImageRow kMenuImages[] = {
    {"&New Game", "new", "newmask"},
    {"&Options...", "options", "optionsmask"},
    {"&Show Top Scores...", "scores", "scoresmask"},
    {"E&xit", "exit", "exitmask"},
    {"&Undo", "undo", "undomask"},
    {"&Redo", "redo", "redomask"},
    {"Help &Contents...", "help", "helpmask"},
    {"&Contact the Author...", "sendmail", "sendmailmask"},
    {"&Visit Web Site...", "visitweb", "visitwebmask"},
    {"&About Tolvarin...", "about", "aboutmask"},
    {"&Quick Start...", "quickstart", "quickstartmask"},
    {"Show &Hints by Request", "CHECK", "checkmask"},
    {"Show Hints &Allways", "CHECK", "checkmask"},
    {"Turn S&ound Effects On", "CHECK", "checkmask"},
    {"Turn Sou&nd Effects Off", "CHECK", "checkmask"},
    {"Turn &Music On", "CHECK", "checkmask"},
    {"Turn Mu&sic Off", "CHECK", "checkmask"},
};

}  // namespace

// A failure before the table is filled is reported once; the menus then work without
// pictures. Filling the table again (the window loaded anew) replaces its rows.
void frmTolvarin::InitMenuImages() {
    try {
        modODMenus::UsePictureScheme = true;
        modODMenus::MenuPicture = Image1.Picture();
        win::DrawMenuBar(hWnd());
        Toolbar2.Refresh();
        modODMenus::AttachODMenu(*this, true);
        modODMenus::AttachODMenu(Toolbar2, true);
    } catch (const vb::RuntimeError& e) {
        vb::MsgBox(std::to_string(e.Number()) + " " + e.Description(), vb::vbOKOnly,
                   vb::App().Title);
        return;
    }
    for (const MenuImageRow& row : kMenuImages)
        modODMenus::MenuImages.insert_or_assign(row.caption,
                                                modODMenus::MenuImage{row.bitmap, row.mask});
    win::DrawMenuBar(hWnd());
    Toolbar2.Refresh();
}
