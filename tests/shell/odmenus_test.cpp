// The owner-drawn menus on the loaded main window: what loading installs, what a drop-down's
// opening converts, what a measure and a draw answer, and how a window loaded anew or a
// failing set-up leaves things.

#include <gtest/gtest.h>

#include <set>

#include "game/support/tolvarin_fixture.h"
#include "platform/forms/form_windows.h"
#include "platform/forms/msgbox.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi32.h"
#include "platform/user32/draw.h"
#include "shell/modODMenus.h"

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
    for (int32_t i = 0; i < count; ++i)
        EXPECT_TRUE(TypeAt(tools.popup, i) & win::MFT_OWNERDRAW) << i;
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
    win::DRAWITEMSTRUCT d{win::ODT_MENU,
                          0,
                          win::GetMenuItemID(game.popup, 0),
                          win::ODA_DRAWENTIRE,
                          0,
                          game.popup,
                          dc,
                          {0, 0, 160, 22},
                          0};
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

// The toolbar's inner window is painted with the menus' tiled picture; the window itself is
// left to its own procedure.
TEST_F(OwnerDrawnMenus, TheToolbarsBackgroundIsTheMenuPicture) {
    const win::HWND inner = vb::InnerWindowOf(form.Toolbar2);
    const win::HDC dc = win::GetDC(inner);
    EXPECT_EQ(win::SendMessageA(inner, win::WM_ERASEBKGND, static_cast<win::WPARAM>(dc), 0), -1);
    const gdi::Bitmap& tile = *form.Image1.Picture().bitmap();
    EXPECT_EQ(win::GetPixel(dc, 70, 5), gdi::ToColorref(tile.pixel(70 % tile.width(), 5)));
    win::ReleaseDC(inner, dc);
    const win::HDC own = win::GetDC(form.hWnd());
    EXPECT_EQ(win::SendMessageA(form.hWnd(), win::WM_ERASEBKGND, static_cast<win::WPARAM>(own), 0),
              1);
    win::ReleaseDC(form.hWnd(), own);
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

// Draws items on a white page 400 x 60 with the solid background colour, so that what the
// drawing leaves can be told from what it paints.
class ItemDrawing : public OwnerDrawnMenus {
protected:
    ItemDrawing() {
        modODMenus::UsePictureScheme = false;
        win::SelectObject(dc, bitmap);
        const win::RECT all{0, 0, 400, 60};
        win::FillRect(dc, &all, white);
    }
    ~ItemDrawing() override {
        modODMenus::UsePictureScheme = true;
        win::DeleteDC(dc);
        win::DeleteObject(bitmap);
        win::DeleteObject(white);
    }
    void draw(win::HMENU menu, win::UINT id, win::UINT state, win::RECT r, uintptr_t data = 0) {
        win::DRAWITEMSTRUCT d{win::ODT_MENU, 0, id, win::ODA_DRAWENTIRE, state, menu, dc, r, data};
        win::SendMessageA(form.hWnd(), win::WM_DRAWITEM, 0, reinterpret_cast<win::LPARAM>(&d));
    }
    // The first column from the left, in rows [top, bottom), that is not the background.
    int32_t firstPainted(int32_t top, int32_t bottom) const {
        for (int32_t x = 0; x < 400; ++x)
            for (int32_t y = top; y < bottom; ++y)
                if (win::GetPixel(dc, x, y) != background) return x;
        return -1;
    }

    win::HDC dc = win::CreateCompatibleDC(0);
    win::HBITMAP bitmap = win::CreateBitmap(400, 60, 1, 32, nullptr);
    win::HBRUSH white = win::CreateSolidBrush(win::RGB(255, 255, 255));
    win::COLORREF background = win::RGB(58, 110, 165);
};

// Enabled, a picture sits 2 pixels from the item's left; disabled, it is embossed and
// centred in the 30-pixel column. A separator is an etched line across the item's middle,
// 5 pixels in from each side.
TEST_F(ItemDrawing, PicturesAndSeparatorsStandWhereTheyShould) {
    const vb::MenuPlace tools = vb::PlaceOf(form.mnuTools);
    win::SendMessageA(form.hWnd(), win::WM_INITMENUPOPUP, static_cast<win::WPARAM>(tools.popup), 1);
    const win::UINT undo = win::GetMenuItemID(tools.popup, 0);
    draw(tools.popup, undo, 0, {0, 0, 160, 22});
    EXPECT_EQ(firstPainted(0, 22), 2);
    draw(tools.popup, undo, win::ODS_GRAYED | win::ODS_DISABLED, {0, 30, 160, 52});
    EXPECT_EQ(firstPainted(30, 52), 7);

    const win::UINT rule = win::GetMenuItemID(tools.popup, 2);
    draw(tools.popup, rule, 0, {200, 0, 300, 19});
    EXPECT_EQ(win::GetPixel(dc, 204, 8), background);
    EXPECT_EQ(win::GetPixel(dc, 205, 8), win::GetSysColor(win::COLOR_BTNSHADOW));
    EXPECT_EQ(win::GetPixel(dc, 294, 9), win::GetSysColor(win::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(win::GetPixel(dc, 295, 9), background);
}

// A bar wrapped onto two rows: the first row's end is filled once the second row's first
// item is drawn, the last row's end with the last item.
TEST_F(ItemDrawing, AWrappedBarIsFilledRowByRow) {
    const win::HMENU bar = win::GetMenu(form.hWnd());
    const auto data = modODMenus::kBarItemData;
    draw(bar, 666, 0, {0, 0, 50, 19}, data);
    EXPECT_EQ(win::GetPixel(dc, 200, 5), win::RGB(255, 255, 255));
    draw(bar, 667, 0, {0, 19, 50, 38}, data);
    EXPECT_EQ(win::GetPixel(dc, 200, 5), background);
    EXPECT_EQ(win::GetPixel(dc, 200, 25), win::RGB(255, 255, 255));
    draw(bar, 668, 0, {50, 19, 100, 38}, data);
    EXPECT_EQ(win::GetPixel(dc, 200, 25), background);
    // The rows end where the window's frame begins.
    EXPECT_EQ(win::GetPixel(dc, 4900 / 15 - 4, 25), win::RGB(255, 255, 255));
}

}  // namespace
