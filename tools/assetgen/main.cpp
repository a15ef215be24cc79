// tolvarin-assetgen PICTURE_FOLDER TABLE_SOURCE CURSOR_FILE
//
// Draws every picture of the main window at 1x and 2x and writes each as BMP files into
// PICTURE_FOLDER ("NAME.bmp" and "NAME@2x.bmp"), all of them as the C++ source
// TABLE_SOURCE that compiles them into the program, and the class cursor as CURSOR_FILE.
// The build runs it; the same drawings give the same bytes every time.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/gdi/bmp_file.h"
#include "tools/assetgen/cursor.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/resource_source.h"

namespace {

bool Write(const std::filesystem::path& path, const void* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) std::cerr << "tolvarin-assetgen: cannot write " << path.string() << "\n";
    return static_cast<bool>(out);
}

bool Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    return Write(path, bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: tolvarin-assetgen PICTURE_FOLDER TABLE_SOURCE CURSOR_FILE\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const assetgen::Pictures pictures = assetgen::AllPictures();
    bool ok = true;
    for (const assetgen::NamedPicture& p : pictures) {
        ok = Write(folder / (p.name + ".bmp"), gdi::WriteBmp(p.picture)) && ok;
        ok = Write(folder / (p.name + "@2x.bmp"), gdi::WriteBmp(*p.picture.twin())) && ok;
    }
    const std::string source = assetgen::ResourceSource(pictures);
    ok = Write(argv[2], source.data(), source.size()) && ok;
    ok = Write(argv[3], assetgen::CursorFile()) && ok;
    return ok ? 0 : 1;
}
