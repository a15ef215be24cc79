// user32 windows: procedures and subclassing, properties, class names, rectangles, child
// search and the DCs that draw on a window; and the system's measures.

#include "platform/user32/windows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/gdi/dc.h"
#include "platform/user32/menus.h"
#include "platform/user32/metrics.h"

namespace {

constexpr win::HWND kTop = 0x7000010, kChild = 0x7000020, kGone = 0x7000030;

// Answers every message with its number plus 1000, so that a call shows who answered.
win::LRESULT Echo(win::HWND, win::UINT msg, win::WPARAM, win::LPARAM) { return msg + 1000; }

class Windows : public ::testing::Test {
protected:
    Windows() {
        win::CreateWindowHandle(kTop, 0, "TolvarinForm", [] { return win::RECT{10, 20, 110, 70}; });
        win::CreateWindowHandle(kChild, kTop, "msvb_lib_toolbar", [] {
            return win::RECT{13, 30, 63, 44};
        });
    }
    ~Windows() override { win::DestroyWindowHandle(kTop); }
};

TEST_F(Windows, SubclassingChainsAndEndsWithTheWindow) {
    const intptr_t def = reinterpret_cast<intptr_t>(&win::DefWindowProcA);
    const intptr_t echo = reinterpret_cast<intptr_t>(&Echo);
    struct Case {
        const char* what;
        win::HWND hwnd;
        int32_t index;
        intptr_t value;
        intptr_t want;
    };
    const Case cases[] = {
        {"replaces the default", kTop, win::GWL_WNDPROC, echo, def},
        {"replaces again", kTop, win::GWL_WNDPROC, echo, echo},
        {"another index", kTop, -16, echo, 0},
        {"a null procedure", kTop, win::GWL_WNDPROC, 0, 0},
        {"no such window", kGone, win::GWL_WNDPROC, echo, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(win::SetWindowLongA(c.hwnd, c.index, c.value), c.want);
    }
    EXPECT_EQ(win::GetWindowLongA(kTop, win::GWL_WNDPROC), echo);
    EXPECT_EQ(win::SendMessageA(kTop, 7, 0, 0), 1007);
    EXPECT_EQ(win::CallWindowProcA(&win::DefWindowProcA, kTop, 7, 0, 0), 0);
    EXPECT_EQ(win::CallWindowProcA(nullptr, kTop, 7, 0, 0), 0);
    // Gone with its window: nothing is called, and a window made anew starts plain.
    win::DestroyWindowHandle(kTop);
    EXPECT_FALSE(win::IsWindow(kChild));
    EXPECT_EQ(win::SendMessageA(kTop, 7, 0, 0), 0);
    EXPECT_EQ(win::CallWindowProcA(&Echo, kTop, 7, 0, 0), 0);
    win::CreateWindowHandle(kTop, 0, "TolvarinForm", nullptr);
    EXPECT_EQ(win::GetWindowLongA(kTop, win::GWL_WNDPROC), def);
}

TEST_F(Windows, PropertiesAreKeptByNameWithoutRegardToCase) {
    EXPECT_EQ(win::SetPropA(kTop, "ODMenuOrigProc", 42), 1);
    EXPECT_EQ(win::SetPropA(kTop, "", 1), 0);
    EXPECT_EQ(win::SetPropA(kGone, "x", 1), 0);
    EXPECT_EQ(win::GetPropA(kTop, "odmenuorigproc"), 42);
    EXPECT_EQ(win::GetPropA(kChild, "ODMenuOrigProc"), 0);
    EXPECT_EQ(win::RemovePropA(kTop, "ODMENUORIGPROC"), 42);
    EXPECT_EQ(win::GetPropA(kTop, "ODMenuOrigProc"), 0);
    win::SetPropA(kTop, "kept", 5);
    win::DestroyWindowHandle(kTop);
    win::CreateWindowHandle(kTop, 0, "TolvarinForm", nullptr);
    EXPECT_EQ(win::GetPropA(kTop, "kept"), 0);
}

TEST_F(Windows, ClassNamesFillTheBufferWithinItsSize) {
    struct Case {
        win::HWND hwnd;
        int32_t size;
        int32_t want;
        const char* text;
    };
    const Case cases[] = {
        {kChild, 64, 16, "msvb_lib_toolbar"},
        {kChild, 5, 4, "msvb"},
        {kChild, 1, 0, ""},
        {kChild, 0, 0, nullptr},
        {kGone, 64, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        char buffer[80];
        std::memset(buffer, 0xBD, sizeof buffer);
        EXPECT_EQ(win::GetClassNameA(c.hwnd, buffer + 1, c.size), c.want);
        EXPECT_EQ(static_cast<unsigned char>(buffer[0]), 0xBD);
        if (c.text) {
            EXPECT_STREQ(buffer + 1, c.text);
            EXPECT_EQ(static_cast<unsigned char>(buffer[c.want + 2]), 0xBD);
        } else {
            EXPECT_EQ(static_cast<unsigned char>(buffer[1]), 0xBD);
        }
    }
}

TEST_F(Windows, ChildrenAreFoundByClassAndDCsByWindow) {
    EXPECT_EQ(win::FindWindowExA(kTop, 0, "MSVB_LIB_TOOLBAR", nullptr), kChild);
    EXPECT_EQ(win::FindWindowExA(kTop, 0, nullptr, nullptr), kChild);
    EXPECT_EQ(win::FindWindowExA(kTop, kChild, nullptr, nullptr), 0);
    EXPECT_EQ(win::FindWindowExA(kTop, 0, "button", nullptr), 0);
    EXPECT_EQ(win::FindWindowExA(kGone, 0, nullptr, nullptr), 0);
    win::RECT r{-1, -1, -1, -1};
    EXPECT_EQ(win::GetWindowRect(kChild, &r), 1);
    EXPECT_EQ(r.right - r.left, 50);
    EXPECT_EQ(r.bottom - r.top, 14);
    EXPECT_EQ(win::GetWindowRect(kGone, &r), 0);

    const win::HDC dc = win::GetDC(kChild);
    ASSERT_NE(dc, 0);
    EXPECT_EQ(win::WindowFromDC(dc), kChild);
    const gdi::Bitmap* pixels = gdi::SelectedBitmap(dc);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(pixels->width(), 50);
    ASSERT_NE(pixels->twin(), nullptr);
    // The default procedure erases with the button face.
    EXPECT_EQ(win::SendMessageA(kChild, win::WM_ERASEBKGND, static_cast<win::WPARAM>(dc), 0), 1);
    win::SetPixel(dc, 3, 3, win::RGB(1, 2, 3));
    // A second DC while the first is out draws on a surface of its own.
    const win::HDC second = win::GetDC(kChild);
    EXPECT_NE(win::GetPixel(second, 3, 3), win::RGB(1, 2, 3));
    EXPECT_EQ(win::ReleaseDC(kChild, second), 1);
    EXPECT_EQ(win::ReleaseDC(kTop, dc), 0);
    EXPECT_EQ(win::ReleaseDC(kChild, dc), 1);
    EXPECT_EQ(win::WindowFromDC(dc), 0);
    EXPECT_EQ(win::GetDC(kGone), 0);
    // The window's surface keeps what was drawn on it.
    const win::HDC again = win::GetDC(kChild);
    EXPECT_EQ(win::GetPixel(again, 3, 3), win::RGB(1, 2, 3));
    win::ReleaseDC(kChild, again);
}

TEST(SystemMetrics, AnswerTheClassicMeasuresAndTheMenuFont) {
    EXPECT_EQ(win::GetSystemMetrics(win::SM_CXBORDER), 1);
    EXPECT_EQ(win::GetSystemMetrics(win::SM_CYMENU), 19);
    EXPECT_EQ(win::GetSystemMetrics(9999), 0);
    win::NONCLIENTMETRICSA m;
    std::memset(&m, 0xBD, sizeof m);
    m.cbSize = sizeof m;
    EXPECT_EQ(win::SystemParametersInfoA(win::SPI_GETNONCLIENTMETRICS, 339, &m, 0), 0);
    EXPECT_EQ(win::SystemParametersInfoA(0x1F, sizeof m, &m, 0), 0);
    EXPECT_EQ(m.iBorderWidth, static_cast<int32_t>(0xBDBDBDBD));
    EXPECT_EQ(win::SystemParametersInfoA(win::SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0), 1);
    EXPECT_EQ(m.cbSize, 340u);
    EXPECT_EQ(m.lfMenuFont.lfHeight, -10);
    EXPECT_STREQ(m.lfMenuFont.lfFaceName, "Tahoma");
}

}  // namespace
