// The embedded resource file's directory is read within the file's bounds.

#include "shell/resource_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// Two pictures, "a" with the files "1" and "22", "bc" with "333" and "4444".
std::vector<uint8_t> TwoPictures() {
    std::vector<uint8_t> file;
    PutU32(file, 2);
    const uint32_t data = 4 + (1 + 1 + 16) + (1 + 2 + 16);
    file.push_back(1), file.push_back('a');
    for (uint32_t v : {data, 1u, data + 1, 2u}) PutU32(file, v);
    file.push_back(2), file.push_back('b'), file.push_back('c');
    for (uint32_t v : {data + 3, 3u, data + 6, 4u}) PutU32(file, v);
    for (const char* part : {"1", "22", "333", "4444"})
        file.insert(file.end(), part, part + std::char_traits<char>::length(part));
    return file;
}

TEST(ResourceTable, ReadsNoFurtherThanTheFileGoes) {
    const std::vector<uint8_t> whole = TwoPictures();
    const auto table = resources::ReadPictureTable(whole);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[1].name, "bc");
    EXPECT_EQ(std::string(table[1].bmp2x.begin(), table[1].bmp2x.end()), "4444");
    // Cut short: in the count, in the first name, in the second entry (the files gone with
    // it), in the last file.
    const std::pair<size_t, size_t> cuts[] = {{3, 0}, {5, 0}, {30, 0}, {whole.size() - 1, 1}};
    for (const auto& [length, entries] : cuts) {
        SCOPED_TRACE(length);
        const std::vector<uint8_t> cut(whole.begin(),
                                       whole.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_EQ(resources::ReadPictureTable(cut).size(), entries);
    }
}

}  // namespace
