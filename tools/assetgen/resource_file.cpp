#include "tools/assetgen/resource_file.h"

#include <string>

#include "platform/gdi/bmp_file.h"

namespace assetgen {

namespace {

void PutU32(std::vector<uint8_t>& out, size_t at, size_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

// The directory first, each entry a name (its length in a byte, then its letters) and the
// offset and size of each of its two BMP files; the files follow, one after the other.
std::vector<uint8_t> ResourceFile(const Pictures& pictures) {
    std::vector<uint8_t> out(4);
    PutU32(out, 0, pictures.size());
    std::vector<size_t> slots;
    for (const NamedPicture& p : pictures) {
        out.push_back(static_cast<uint8_t>(p.name.size()));
        out.insert(out.end(), p.name.begin(), p.name.end());
        slots.push_back(out.size());
        out.resize(out.size() + 16);
    }
    for (size_t i = 0; i < pictures.size(); ++i) {
        const gdi::Bitmap& picture = pictures[i].picture;
        size_t slot = slots[i];
        for (const gdi::Bitmap* b : {&picture, picture.twin()}) {
            const std::vector<uint8_t> bmp = gdi::WriteBmp(*b);
            PutU32(out, slot, out.size());
            PutU32(out, slot + 4, bmp.size());
            slot += 8;
            out.insert(out.end(), bmp.begin(), bmp.end());
        }
    }
    return out;
}

}  // namespace assetgen
