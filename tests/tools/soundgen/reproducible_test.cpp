// The generator writes the same bytes on every run: two fresh runs agree with each other and
// with what the build put in the program folder.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "sound_reading.h"

namespace soundgen_test {
namespace {

namespace fs = std::filesystem;

// Every file under @p folder by its path relative to it.
std::map<std::string, std::vector<uint8_t>> FilesUnder(const fs::path& folder) {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).string()] = ReadBytes(entry.path());
        }
    }
    return files;
}

fs::path RunInto() {
    std::string folder = (fs::temp_directory_path() / "soundgen-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) ADD_FAILURE() << "no temporary folder";
    const std::string command = std::string("\"") + SOUNDGEN_EXE + "\" \"" + folder + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return folder;
}

TEST(Soundgen, WritesTheSameBytesOnEveryRun) {
    const fs::path first = RunInto(), second = RunInto();
    const auto a = FilesUnder(first), b = FilesUnder(second);
    EXPECT_EQ(a.size(), 22u);  // 17 effects, 2 songs, the intro, 2 jingles
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(b.contains(name));
        EXPECT_TRUE(bytes == b.at(name));
        EXPECT_TRUE(bytes == ReadBytes(fs::path(SOUNDGEN_PROGRAM_DIR) / name));
    }
    fs::remove_all(first);
    fs::remove_all(second);
}

TEST(Soundgen, RefusesAMissingFolderArgument) {
    const std::string command = std::string("\"") + SOUNDGEN_EXE + "\" 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace soundgen_test
