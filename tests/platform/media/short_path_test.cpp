#include "platform/media/short_path.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/files/temp_folder.h"

namespace {

constexpr char kSentinel = '\xBD';

struct ShortPathCase {
    std::string path;  // "{dir}" stands for the test's folder; "<null>" for a null pointer
    uint32_t bufferLength;
    bool nullBuffer;
    int want;  // -1: the path's length; -2: its length plus one; else the value
    bool bufferGetsThePath;
};

TEST(GetShortPathNameA, GivesThePathAsItStands) {
    files_test::TempFolder folder;
    folder.Write("BG Music/SONG01.mp3", "song");
    const std::string dir = folder.Path().string();
    const std::string song = dir + "/BG Music/SONG01.mp3";
    const ShortPathCase cases[] = {
        {song, 200, false, -1, true},
        {dir + "\\bg music\\song01.MP3", 200, false, -1, true},  // the game's spelling
        {dir + "/BG Music", 200, false, -1, true},               // a folder
        {song, static_cast<uint32_t>(song.size() + 1), false, -1, true},
        {song, static_cast<uint32_t>(song.size()), false, -2, false},
        {song, 0, true, -2, false},
        {dir + "/BG Music/SONG02.mp3", 200, false, 0, false},
        {"<null>", 200, false, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " in " + std::to_string(c.bufferLength));
        std::array<char, 256> buffer;
        buffer.fill(kSentinel);
        const char* path = c.path == "<null>" ? nullptr : c.path.c_str();
        const uint32_t got =
            win::GetShortPathNameA(path, c.nullBuffer ? nullptr : buffer.data(), c.bufferLength);
        const int size = static_cast<int>(c.path.size());
        EXPECT_EQ(static_cast<int>(got), c.want == -1 ? size : c.want == -2 ? size + 1 : c.want);
        std::array<char, 256> expected;
        expected.fill(kSentinel);
        if (c.bufferGetsThePath) {
            std::copy(c.path.begin(), c.path.end(), expected.begin());
            expected[c.path.size()] = '\0';
        }
        EXPECT_EQ(std::string(buffer.begin(), buffer.end()),
                  std::string(expected.begin(), expected.end()));
    }
}

}  // namespace
