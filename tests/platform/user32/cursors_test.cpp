#include "platform/user32/cursors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace win;

void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A 2 x 2 cursor, 24 bits, hot spot (1, 0): top row red and green, bottom row blue and a
// masked (see-through) pixel.
std::vector<uint8_t> TwoByTwoCursor() {
    std::vector<uint8_t> b;
    Put16(b, 0);
    Put16(b, 2);
    Put16(b, 1);  // directory
    b.insert(b.end(), {2, 2, 0, 0});
    Put16(b, 1);
    Put16(b, 0);  // entry: size, hot spot
    const uint32_t size = 40 + 2 * 8 + 2 * 4;
    Put32(b, size);
    Put32(b, 22);
    Put32(b, 40);
    Put32(b, 2);
    Put32(b, 4);
    Put16(b, 1);
    Put16(b, 24);  // header
    for (int i = 0; i < 6; ++i) Put32(b, 0);
    b.insert(b.end(), {0xFF, 0, 0, 0, 0, 0, 0, 0});     // bottom row: blue, black
    b.insert(b.end(), {0, 0, 0xFF, 0, 0xFF, 0, 0, 0});  // top row: red, green
    b.insert(b.end(), {0x40, 0, 0, 0, 0x00, 0, 0, 0});  // mask, bottom-up
    return b;
}

TEST(CursorFile, ReadsPixelsHotSpotAndMask) {
    const auto image = ParseCursorFile(TwoByTwoCursor());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 2);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->hotX, 1);
    EXPECT_EQ(image->hotY, 0);
    EXPECT_EQ(image->pixels, (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0}));
}

TEST(CursorFile, RefusesWhatIsNotACursor) {
    auto icon = TwoByTwoCursor();
    icon[2] = 1;  // an icon directory
    auto cut = TwoByTwoCursor();
    cut.resize(cut.size() - 3);
    for (const auto& bytes : {std::vector<uint8_t>{}, icon, cut})
        EXPECT_FALSE(ParseCursorFile(bytes));
}

TEST(ClassCursor, LoadSetRestoreAndDestroy) {
    const fs::path folder = fs::path(::testing::TempDir()) / "cursor-test";
    fs::create_directories(folder);
    const auto bytes = TwoByTwoCursor();
    std::ofstream(folder / "base.cur", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));

    EXPECT_EQ(LoadCursorFromFileA((folder.string() + "\\missing.cur").c_str()), 0);
    const HCURSOR cursor = LoadCursorFromFileA((folder.string() + "\\BASE.CUR").c_str());
    ASSERT_NE(cursor, 0);
    ASSERT_TRUE(CursorPicture(cursor));

    const intptr_t old = SetClassWord(1, GCL_HCURSOR, cursor);
    EXPECT_EQ(old, kArrowCursor);
    EXPECT_EQ(ClassCursor(), cursor);
    EXPECT_EQ(SetClassWord(1, GCL_HCURSOR, old), cursor);
    EXPECT_EQ(SetClassWord(1, -10, 5), 0);  // other class values are not kept
    EXPECT_EQ(DestroyCursor(cursor), 1);
    EXPECT_EQ(DestroyCursor(cursor), 0);
    EXPECT_FALSE(CursorPicture(cursor));
    EXPECT_EQ(DestroyCursor(kArrowCursor), 0);
    fs::remove_all(folder);
}

}  // namespace
