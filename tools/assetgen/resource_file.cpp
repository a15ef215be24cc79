#include "tools/assetgen/resource_source.h"

#include <cstdint>
#include <vector>

#include "platform/gdi/bmp_file.h"

namespace assetgen {

namespace {

void AppendArray(std::string& out, const std::string& name, const std::vector<uint8_t>& bytes) {
    static const char kHex[] = "0123456789abcdef";
    out += "const uint8_t " + name + "[] = {";
    for (size_t i = 0; i < bytes.size(); ++i) {
        out += i % 20 == 0 ? "\n    " : " ";
        out += "0x";
        out += kHex[bytes[i] >> 4];
        out += kHex[bytes[i] & 15];
        out += ',';
    }
    out += "\n};\n\n";
}

}  // namespace

std::string ResourceSource(const Pictures& pictures) {
    std::string out =
        "// Made by tools/assetgen at build time: the program's pictures, each as BMP files at\n"
        "// 1x and at 2x. Not edited by hand, not kept in the repository.\n\n"
        "#include \"shell/resource_table.h\"\n\n"
        "namespace {\n\n";
    std::string table = "const resources::PictureResource kPictures[] = {\n";
    for (size_t i = 0; i < pictures.size(); ++i) {
        const std::string array = "kPicture" + std::to_string(i);
        AppendArray(out, array, gdi::WriteBmp(pictures[i].picture));
        AppendArray(out, array + "At2x", gdi::WriteBmp(*pictures[i].picture.twin()));
        table += "    {\"" + pictures[i].name + "\", " + array + ", " + array + "At2x},\n";
    }
    out += table + "};\n\n}  // namespace\n\n";
    out +=
        "std::span<const resources::PictureResource> resources::PictureTable() {\n"
        "    return kPictures;\n}\n";
    return out;
}

}  // namespace assetgen
