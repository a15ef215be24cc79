// The top-score reader on any bytes: every entry reads, and a table written back from the
// entries reads back to the same entries.
#include "game/top_score_file.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const auto entries = topscores::TableEntries(bytes);
    for (const auto& entry : entries) {
        (void)topscores::FieldText(entry.Name);
        (void)topscores::FieldText(entry.Date);
    }
    const auto again = topscores::TableEntries(topscores::FileBytes(entries));
    for (size_t k = 0; k < entries.size(); ++k)
        if (topscores::RecordBytes(again[k]) != topscores::RecordBytes(entries[k])) std::abort();
    return 0;
}
