#include "shell/resource_table.h"

#include <optional>

extern "C" const uint8_t tolvarin_pictures[];
extern "C" const uint8_t tolvarin_pictures_end[];

namespace resources {

namespace {

// Reads the directory from the front, never past the end of the file.
class Reader {
public:
    explicit Reader(std::span<const uint8_t> file) : file_(file) {}

    std::optional<uint32_t> number() {
        if (file_.size() - at_ < 4) return std::nullopt;
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = v << 8 | file_[at_ + static_cast<size_t>(i)];
        at_ += 4;
        return v;
    }
    std::optional<std::string> name() {
        if (at_ >= file_.size()) return std::nullopt;
        const size_t length = file_[at_++];
        if (file_.size() - at_ < length) return std::nullopt;
        std::string text(file_.begin() + static_cast<std::ptrdiff_t>(at_),
                         file_.begin() + static_cast<std::ptrdiff_t>(at_ + length));
        at_ += length;
        return text;
    }
    // A stored file: its offset and size, both within the resource file.
    std::optional<std::span<const uint8_t>> part() {
        const auto offset = number();
        const auto size = number();
        if (!offset || !size || *offset > file_.size() || file_.size() - *offset < *size)
            return std::nullopt;
        return file_.subspan(*offset, *size);
    }

private:
    std::span<const uint8_t> file_;
    size_t at_ = 0;
};

}  // namespace

std::vector<PictureResource> ReadPictureTable(std::span<const uint8_t> file) {
    Reader reader(file);
    std::vector<PictureResource> table;
    const uint32_t count = reader.number().value_or(0);
    for (uint32_t i = 0; i < count; ++i) {
        auto name = reader.name();
        const auto bmp = reader.part();
        const auto bmp2x = reader.part();
        if (!name || !bmp || !bmp2x) break;
        table.push_back({std::move(*name), *bmp, *bmp2x});
    }
    return table;
}

std::span<const PictureResource> PictureTable() {
    static const std::vector<PictureResource> table = ReadPictureTable(
        {tolvarin_pictures, static_cast<size_t>(tolvarin_pictures_end - tolvarin_pictures)});
    return table;
}

}  // namespace resources
