// The BMP reader on any bytes, and a picture made from them with and without a twin.
#include "platform/gdi/bmp_file.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    if (const auto bitmap = gdi::ReadBmp(bytes)) {
        if (bitmap->width() <= 0 || bitmap->height() <= 0) std::abort();
        (void)gdi::WriteBmp(*bitmap);
    }
    (void)gdi::PictureFromBmp(bytes, bytes.subspan(size / 2), "fuzz");
    return 0;
}
