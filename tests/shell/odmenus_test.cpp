// The owner-drawn menus on the loaded main window: what loading installs, what a drop-down's
// opening converts, what a measure and a draw answer, and how a window loaded anew or a
// failing set-up leaves things.

#include "shell/modODMenus.h"

#include <gtest/gtest.h>

#include <set>

#include "game/support/tolvarin_fixture.h"
#include "platform/forms/form_windows.h"
#include "platform/forms/msgbox.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi32.h"

namespace {

const auto kOurs = reinterpret_cast<intptr_t>(&modODMenus::ODMenuWndProc);
const auto kDefault = reinterpret_cast<intptr_t>(&win::DefWindowProcA);

using OwnerDrawnMenus = TolvarinTest;

win::UINT TypeAt(win::HMENU menu, int32_t position) {
    win::MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = win::MIIM_FTYPE;
    win::GetMenuItemInfoA(menu, static_cast<win::UINT>(position), 1, &info);
    return info.fType;
}

win::MEASUREITEMSTRUCT Measure(win::HWND hwnd, win::UINT type, win::UINT id, uintptr_t data) {
    win::MEASUREITEMSTRUCT m{type, 0, id, 0xBDBD, 0xBDBD, data};
    win::SendMessageA(hwnd, win::WM_MEASUREITEM, 0, reinterpret_cast<win::LPARAM>(&m));
    return m;
}

TEST_F(OwnerDrawnMenus, LoadingConvertsTheBarAndOpeningConvertsADropDown) {
    const win::HMENU bar = win::GetMenu(form.hWnd());
    EXPECT_EQ(win::GetWindowLongA(form.hWnd(), win::GWL_WNDPROC), kOurs);
    const win::HWND inner = vb::InnerWindowOf(form.Toolbar2);
    EXPECT_EQ(win::GetWindowLongA(inner, win::GWL_WNDPROC), kOurs);
    for (int32_t i = 0; i < 3; ++i) EXPECT_TRUE(TypeAt(bar, i) & win::MFT_OWNERDRAW) << i;
    EXPECT_EQ(modODMenus::StoredCaption(667, form.hWnd()), "&Tools");
    EXPECT_EQ(modODMenus::LastTopMenuID, 668);
    EXPECT_EQ(modODMenus::MenuImages.size(), 17u);

    // Showing an item builds the drop-down anew, plain; its opening converts it again.
    const vb::MenuPlace tools = vb::PlaceOf(form.mnuTools);
    form.mnuSoundsOff2_Click();
    EXPECT_FALSE(TypeAt(tools.popup, 0) & win::MFT_OWNERDRAW);
    win::SendMessageA(form.hWnd(), win::WM_INITMENUPOPUP, static_cast<win::WPARAM>(tools.popup), 1);
    const int32_t count = win::GetMenuItemCount(tools.popup);
    for (int32_t i = 0; i < count; ++i) EXPECT_TRUE(TypeAt(tools.popup, i) & win::MFT_OWNERDRAW) << i;
    const vb::MenuPlace off = vb::PlaceOf(form.mnuSoundsOff);
    EXPECT_EQ(modODMenus::StoredCaption(win::GetMenuItemID(off.menu, off.position), form.hWnd()),
              "Turn Sou&nd Effects Off");
    // The system menu is left as the platform draws it.
    const win::HMENU system = win::GetSystemMenu(form.hWnd(), 0);
    win::SendMessageA(form.hWnd(), win::WM_INITMENUPOPUP, static_cast<win::WPARAM>(system), 0);
    EXPECT_FALSE(TypeAt(system, 0) & win::MFT_OWNERDRAW);
}

// Items with pictures are as high as their picture, others as their text; bar items have
// no picture column. Other controls' measure requests are left to the window's own
// procedure.
TEST_F(OwnerDrawnMenus, MeasuresOnlyMenuItems) {
    const win::HWND hwnd = form.hWnd();
    const win::MEASUREITEMSTRUCT bar = Measure(hwnd, win::ODT_MENU, 666, modODMenus::kBarItemData);
    EXPECT_EQ(bar.itemHeight, 19u);
    const vb::MenuPlace game = vb::PlaceOf(form.mnuGame);
    win::SendMessageA(hwnd, win::WM_INITMENUPOPUP, static_cast<win::WPARAM>(game.popup), 0);
    const win::UINT newGame = win::GetMenuItemID(game.popup, 0);
    const win::MEASUREITEMSTRUCT item = Measure(hwnd, win::ODT_MENU, newGame, 0);
    EXPECT_EQ(item.itemHeight, 22u);
    EXPECT_GT(item.itemWidth, bar.itemWidth + 30);
    const win::MEASUREITEMSTRUCT button = Measure(hwnd, win::ODT_BUTTON, newGame, 0);
    EXPECT_EQ(button.itemWidth, 0xBDBDu);
    EXPECT_EQ(button.itemHeight, 0xBDBDu);
}

// Captions lie on the tiled picture: no cell of the flat "menubg" colour shows around them.
TEST_F(OwnerDrawnMenus, CaptionsAreDrawnOverTheBackgroundPicture) {
    const vb::MenuPlace game = vb::PlaceOf(form.mnuGame);
    win::SendMessageA(form.hWnd(), win::WM_INITMENUPOPUP, static_cast<win::WPARAM>(game.popup), 0);
    const win::HDC dc = win::CreateCompatibleDC(0);
    const win::HBITMAP bitmap = win::CreateBitmap(160, 22, 1, 32, nullptr);
    const win::HGDIOBJ old = win::SelectObject(dc, bitmap);
    win::DRAWITEMSTRUCT d{win::ODT_MENU, 0, win::GetMenuItemID(game.popup, 0), win::ODA_DRAWENTIRE,
                          0, game.popup, dc, {0, 0, 160, 22}, 0};
    win::SendMessageA(form.hWnd(), win::WM_DRAWITEM, 0, reinterpret_cast<win::LPARAM>(&d));
    std::set<win::COLORREF> colours;
    for (int32_t y = 0; y < 22; ++y)
        for (int32_t x = 36; x < 100; ++x) colours.insert(win::GetPixel(dc, x, y));
    EXPECT_EQ(colours.count(modODMenus::GetMenuColor("menubg")), 0u);
    EXPECT_GT(colours.count(win::RGB(0, 0, 0)), 0u);  // the caption's ink
    win::SelectObject(dc, old);
    win::DeleteObject(bitmap);
    win::DeleteDC(dc);
}

// Unloading destroys the window and its subclassing with it; the next load installs the
// module afresh on the new window, chained to the platform's procedure, not to itself.
TEST_F(OwnerDrawnMenus, AWindowLoadedAnewIsSubclassedAfresh) {
    host.answerMsgBox(vb::vbOK);  // closing asks for confirmation
    ASSERT_TRUE(form.Unload());
    EXPECT_FALSE(win::IsWindow(form.hWnd()));
    EXPECT_EQ(win::SendMessageA(form.hWnd(), win::WM_ERASEBKGND, 0, 0), 0);
    form.Load();
    EXPECT_EQ(win::GetWindowLongA(form.hWnd(), win::GWL_WNDPROC), kOurs);
    EXPECT_EQ(win::GetPropA(form.hWnd(), "ODMenuOrigProc"), kDefault);
    EXPECT_EQ(Measure(form.hWnd(), win::ODT_MENU, 666, modODMenus::kBarItemData).itemHeight, 19u);
    // Set up a second time on the same window: still one link in the chain, one table.
    form.InitMenuImages();
    EXPECT_EQ(win::GetPropA(form.hWnd(), "ODMenuOrigProc"), kDefault);
    EXPECT_EQ(modODMenus::MenuImages.size(), 17u);
    EXPECT_TRUE(host.messageBoxes().size() <= 1);
}

// A toolbar without its inner window cannot be subclassed: one message, and the menus go
// on working as they are.
TEST_F(OwnerDrawnMenus, AFailingSetUpReportsOnceAndKeepsWorkingMenus) {
    win::DestroyWindowHandle(vb::InnerWindowOf(form.Toolbar2));
    host.answerMsgBox(vb::vbOK);
    form.InitMenuImages();
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0].prompt, "5 Invalid procedure call or argument");
    EXPECT_EQ(host.messageBoxes()[0].title, "Tolvarin");
    EXPECT_EQ(win::GetWindowLongA(form.hWnd(), win::GWL_WNDPROC), kOurs);
    EXPECT_EQ(Measure(form.hWnd(), win::ODT_MENU, 666, modODMenus::kBarItemData).itemHeight, 19u);
    EXPECT_THROW(modODMenus::AttachODMenu(form.Toolbar2, true), vb::RuntimeError);
}

}  // namespace
