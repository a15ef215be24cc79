// user32 menus: items by position and by command, their types, states, texts and item
// values, and the menus that go with their window.

#include "platform/user32/menus.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr win::HWND kWindow = 0x7100010;

class Menus : public ::testing::Test {
protected:
    Menus() {
        win::CreateWindowHandle(kWindow, 0, "TolvarinForm", nullptr);
        win::AppendMenuA(popup, win::MF_STRING, 11, "&New Game\tF2");
        win::AppendMenuA(popup, win::MF_SEPARATOR, 12, nullptr);
        win::AppendMenuA(popup, win::MF_GRAYED | win::MF_CHECKED, 13, "E&xit");
        win::AppendMenuA(bar, win::MF_POPUP, static_cast<uintptr_t>(popup), "&Game");
        win::SetMenu(kWindow, bar);
    }
    ~Menus() override { win::DestroyWindowHandle(kWindow); }

    win::HMENU bar = win::CreateMenu();
    win::HMENU popup = win::CreatePopupMenu();
};

TEST_F(Menus, ItemsAnswerByPositionAndByCommand) {
    struct Case {
        win::UINT item;
        win::UINT flags;
        win::UINT state;
        int32_t length;
    };
    const Case cases[] = {
        {0, win::MF_BYPOSITION, 0, 12},
        {1, win::MF_BYPOSITION, win::MF_SEPARATOR, 0},
        {13, win::MF_BYCOMMAND, win::MF_GRAYED | win::MF_CHECKED, 5},
        {7, win::MF_BYPOSITION, win::kNoItem, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(win::GetMenuState(popup, c.item, c.flags), c.state);
        EXPECT_EQ(win::GetMenuStringA(popup, c.item, nullptr, 0, c.flags), c.length);
    }
    // A drop-down's flags in the low byte, its item count above.
    EXPECT_EQ(win::GetMenuState(bar, 0, win::MF_BYPOSITION), (3u << 8) | win::MF_POPUP);
    EXPECT_EQ(win::GetMenuItemCount(popup), 3);
    EXPECT_EQ(win::GetMenuItemCount(0), -1);
    EXPECT_EQ(win::GetMenuItemID(popup, 2), 13u);
    EXPECT_EQ(win::GetMenuItemID(bar, 0), win::kNoItem);
    EXPECT_EQ(win::GetSubMenu(bar, 0), popup);
    EXPECT_EQ(win::GetMenu(kWindow), bar);
}

TEST_F(Menus, TextIsCutToTheBufferAndOwnerDrawnItemsHaveNone) {
    char buffer[16];
    std::memset(buffer, 0xBD, sizeof buffer);
    EXPECT_EQ(win::GetMenuStringA(popup, 0, buffer, 5, win::MF_BYPOSITION), 4);
    EXPECT_STREQ(buffer, "&New");
    EXPECT_EQ(static_cast<unsigned char>(buffer[5]), 0xBD);

    win::MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = win::MIIM_TYPE | win::MIIM_ID | win::MIIM_STATE;
    info.dwTypeData = buffer;
    info.cch = sizeof buffer;
    std::memset(buffer, 0xBD, sizeof buffer);
    ASSERT_EQ(win::GetMenuItemInfoA(popup, 2, 1, &info), 1);
    EXPECT_STREQ(buffer, "E&xit");
    EXPECT_EQ(info.cch, 5u);
    EXPECT_EQ(info.wID, 13u);
    EXPECT_EQ(info.fState, win::MF_GRAYED | win::MF_CHECKED);

    info.fMask = win::MIIM_FTYPE;
    info.fType = win::MFT_OWNERDRAW;
    ASSERT_EQ(win::SetMenuItemInfoA(popup, 2, 1, &info), 1);
    info.fMask = win::MIIM_TYPE;
    std::memset(buffer, 0xBD, sizeof buffer);
    ASSERT_EQ(win::GetMenuItemInfoA(popup, 2, 1, &info), 1);
    EXPECT_EQ(info.fType, win::MFT_OWNERDRAW);
    EXPECT_EQ(info.cch, 0u);
    EXPECT_EQ(static_cast<unsigned char>(buffer[0]), 0xBD);
    info.cbSize = 12;
    EXPECT_EQ(win::GetMenuItemInfoA(popup, 2, 1, &info), 0);
}

// A bar item made owner-drawn gets a new identifier and an item value, and keeps its
// drop-down; it is then found by that identifier.
TEST_F(Menus, ModifyingABarItemKeepsItsDropDown) {
    EXPECT_EQ(win::ModifyMenuA(bar, 0, win::MF_BYPOSITION | win::MF_OWNERDRAW, 666,
                               reinterpret_cast<const char*>(2)),
              1);
    EXPECT_EQ(win::GetSubMenu(bar, 0), popup);
    win::MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = win::MIIM_ID | win::MIIM_DATA | win::MIIM_FTYPE;
    ASSERT_EQ(win::GetMenuItemInfoA(bar, 666, 0, &info), 1);
    EXPECT_EQ(info.wID, 666u);
    EXPECT_EQ(info.dwItemData, 2u);
    EXPECT_EQ(info.fType, win::MFT_OWNERDRAW);
    EXPECT_EQ(win::GetMenuStringA(bar, 0, nullptr, 0, win::MF_BYPOSITION), 0);
    EXPECT_EQ(win::EnableMenuItem(popup, 11, win::MF_GRAYED), 0u);
    EXPECT_EQ(win::EnableMenuItem(popup, 11, 0), win::MF_GRAYED);
    EXPECT_EQ(win::ModifyMenuA(bar, 9, win::MF_BYPOSITION, 1, "x"), 0);
}

TEST_F(Menus, MenusGoWithTheirWindow) {
    const win::HMENU system = win::GetSystemMenu(kWindow, 0);
    EXPECT_EQ(win::GetSystemMenu(kWindow, 0), system);
    EXPECT_EQ(win::GetMenuItemCount(system), 7);
    EXPECT_EQ(win::GetMenuItemID(system, 6), 0xF060u);
    EXPECT_EQ(win::GetSystemMenu(0x7100099, 0), 0);
    int drawn = 0;
    win::SetMenuBarListener([&](win::HWND hwnd) { drawn += hwnd == kWindow; });
    EXPECT_EQ(win::DrawMenuBar(kWindow), 1);
    win::SetMenuBarListener(nullptr);
    EXPECT_EQ(drawn, 1);
    win::DestroyWindowHandle(kWindow);
    EXPECT_EQ(win::GetMenu(kWindow), 0);
    EXPECT_EQ(win::GetMenuItemCount(bar), -1);
    EXPECT_EQ(win::GetMenuItemCount(popup), -1);
    EXPECT_EQ(win::GetMenuItemCount(system), -1);
    EXPECT_EQ(win::DrawMenuBar(kWindow), 0);
}

}  // namespace
