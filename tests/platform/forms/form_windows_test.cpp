// The system windows and menus behind a loaded form: the menus built from the menu items,
// built anew when an item is shown or hidden, and gone with the window at unloading.

#include "platform/forms/form_windows.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/forms/recording_host.h"

namespace {

struct Main : vb::Form {
    Main() : vb::Form("frmMain") {}
    vb::Toolbar Toolbar2{*this, "Toolbar2"};
    vb::Menu mnuGame{*this, "mnuGame", "&Game"};
    vb::Menu mnuNew{*this, "mnuNew", "&New Game", &mnuGame};
    vb::Menu mnuRule{*this, "mnuRule", "-", &mnuGame};
    vb::Menu mnuOn{*this, "mnuOn", "Turn &Music On", &mnuGame};
    vb::Menu mnuOn2{*this, "mnuOn2", "Turn M&usic On", &mnuGame};
};

// Each shown item of @p menu as "text|state", the text as the menu holds it.
std::string Items(win::HMENU menu) {
    std::string out;
    for (int32_t i = 0; i < win::GetMenuItemCount(menu); ++i) {
        char text[64] = {};
        win::GetMenuStringA(menu, static_cast<win::UINT>(i), text, 64, win::MF_BYPOSITION);
        out +=
            std::string(text) + "|" +
            std::to_string(win::GetMenuState(menu, static_cast<win::UINT>(i), win::MF_BYPOSITION)) +
            " ";
    }
    return out;
}

TEST(FormWindows, MenusFollowTheItemsWhileTheFormIsLoaded) {
    formstest::RecordingHost host;
    Main f;
    EXPECT_EQ(win::GetMenu(f.hWnd()), 0);
    f.mnuNew.setShortcut("F2");
    f.Load();
    const vb::MenuPlace game = vb::PlaceOf(f.mnuGame);
    EXPECT_EQ(game.menu, win::GetMenu(f.hWnd()));
    EXPECT_EQ(Items(game.popup), "&New Game\tF2|0 |2048 Turn &Music On|0 Turn M&usic On|0 ");

    // A state change keeps the item as it is (an owner-drawn one stays so)...
    win::ModifyMenuA(game.popup, 0, win::MF_BYPOSITION | win::MF_OWNERDRAW, 1, nullptr);
    f.mnuNew.setEnabled(false);
    EXPECT_EQ(win::GetMenuState(game.popup, 0, win::MF_BYPOSITION),
              win::MF_OWNERDRAW | win::MF_GRAYED);
    // ...showing or hiding one builds the drop-down anew, plain.
    f.mnuOn.setVisible(false);
    EXPECT_EQ(Items(game.popup), "&New Game\tF2|1 |2048 Turn M&usic On|0 ");
    EXPECT_EQ(vb::PlaceOf(f.mnuOn).position, -1);
    EXPECT_EQ(vb::PlaceOf(f.mnuOn2).position, 2);

    const win::HWND inner = vb::InnerWindowOf(f.Toolbar2);
    EXPECT_EQ(win::FindWindowExA(f.Toolbar2.hWnd(), 0, vb::kToolbarInnerClass, nullptr), inner);
    ASSERT_TRUE(f.Unload());
    EXPECT_FALSE(win::IsWindow(f.hWnd()));
    EXPECT_FALSE(win::IsWindow(inner));
    EXPECT_EQ(win::GetMenuItemCount(game.popup), -1);
    EXPECT_EQ(vb::PlaceOf(f.mnuOn2).position, -1);
}

}  // namespace
