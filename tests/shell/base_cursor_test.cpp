#include "shell/base_cursor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/user32/cursors.h"
#include "shell/Module1.h"

// Dialogs that each ask for the program's pointer share the one loaded cursor, and the
// main window's closing puts back the cursor of before the first window, not the pointer.
TEST(BaseCursor, IsLoadedOnceAndTheFirstClassCursorComesBack) {
    namespace fs = std::filesystem;
    Module1::ResetModule1();
    const fs::path folder = fs::path(::testing::TempDir()) / "base-cursor";
    fs::create_directories(folder);
    fs::copy_file(std::string(TOLVARIN_BIN_DIR) + "/base.cur", folder / "base.cur",
                  fs::copy_options::overwrite_existing);
    Module1::AppFolder = folder.string() + "\\";
    win::SetClassWord(0, win::GCL_HCURSOR, win::kArrowCursor);

    Module1::UseBaseCursor(1);
    const intptr_t loaded = Module1::hBaseCursor;
    Module1::UseBaseCursor(2);
    Module1::UseBaseCursor(3);
    EXPECT_NE(loaded, 0);
    EXPECT_EQ(Module1::hBaseCursor, loaded);
    EXPECT_EQ(win::ClassCursor(), loaded);
    EXPECT_EQ(Module1::hOldClassCursor, win::kArrowCursor);

    Module1::RestoreClassCursor(1);
    EXPECT_EQ(win::ClassCursor(), win::kArrowCursor);
    EXPECT_FALSE(win::CursorPicture(loaded));
    fs::remove_all(folder);
}
