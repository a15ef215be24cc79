// tolvarin-assetgen PICTURE_FOLDER RESOURCE_FILE CURSOR_FILE
//
// Draws every picture of the main window at 1x and 2x and writes each as BMP files into
// PICTURE_FOLDER ("NAME.bmp" and "NAME@2x.bmp"), all of them as the RESOURCE_FILE that the
// program embeds, and the class cursor as CURSOR_FILE. The build runs it; the same drawings
// give the same bytes every time, and a file that would not change is left alone, so that
// nothing built from it is built again.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/gdi/bmp_file.h"
#include "tools/assetgen/cursor.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/resource_file.h"

namespace {

constexpr size_t kLongestName = 255;  // the resource file keeps a name's length in a byte

bool Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) std::cerr << "tolvarin-assetgen: cannot write " << path.string() << "\n";
    return static_cast<bool>(out);
}

bool WriteIfChanged(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (in && std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}) == bytes) return true;
    return Write(path, bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: tolvarin-assetgen PICTURE_FOLDER RESOURCE_FILE CURSOR_FILE\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const assetgen::Pictures pictures = assetgen::AllPictures();
    bool ok = true;
    for (const assetgen::NamedPicture& p : pictures) {
        if (p.name.empty() || p.name.size() > kLongestName) {
            std::cerr << "tolvarin-assetgen: a picture name must have 1 to 255 letters: '" << p.name
                      << "'\n";
            return 1;
        }
        ok = WriteIfChanged(folder / (p.name + ".bmp"), gdi::WriteBmp(p.picture)) && ok;
        ok = WriteIfChanged(folder / (p.name + "@2x.bmp"), gdi::WriteBmp(*p.picture.twin())) && ok;
    }
    ok = WriteIfChanged(argv[2], assetgen::ResourceFile(pictures)) && ok;
    ok = WriteIfChanged(argv[3], assetgen::CursorFile()) && ok;
    return ok ? 0 : 1;
}
