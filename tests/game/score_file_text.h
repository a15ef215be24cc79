#pragma once
// Top-score files built and read byte by byte, independently of the game's code: a file from
// a list of entries, and a file as text, one line for each record, for whole-text
// comparison.
//
//    1 |Ann       |   250|3/7/2026  |
//    2-20 empty
//   tail 01 00 00 00
//
// A run of records that are exactly the empty entry (byte 0 and nine blanks, -9999, byte 0
// and nine blanks) prints as one "empty" line; a byte 0 in a field prints as "~"; bytes
// after the last whole record print in hex after "tail".

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace endgame_test {

struct Entry {
    std::string name;  // at most 10 bytes
    int32_t score;
    std::string date;  // at most 10 bytes
};

inline void AppendField(std::vector<uint8_t>& out, const std::string& text) {
    for (size_t i = 0; i < 10; ++i)
        out.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : uint8_t{' '});
}

inline void AppendInt32(std::vector<uint8_t>& out, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int b = 0; b < 4; ++b) out.push_back(static_cast<uint8_t>(bits >> (8 * b)));
}

inline std::vector<uint8_t> RecordOf(const Entry& e) {
    std::vector<uint8_t> out;
    AppendField(out, e.name);
    AppendInt32(out, e.score);
    AppendField(out, e.date);
    return out;
}

inline std::vector<uint8_t> EmptyRecord() {
    return RecordOf({std::string(1, '\0'), -9999, std::string(1, '\0')});
}

// The records of @p entries, one after another, and nothing else.
inline std::vector<uint8_t> RecordsOf(const std::vector<Entry>& entries) {
    std::vector<uint8_t> out;
    for (const Entry& e : entries) {
        const auto r = RecordOf(e);
        out.insert(out.end(), r.begin(), r.end());
    }
    return out;
}

// A file as the game writes it: @p entries, empty entries up to 20, the trailer 1.
inline std::vector<uint8_t> TableFileOf(const std::vector<Entry>& entries) {
    std::vector<uint8_t> out = RecordsOf(entries);
    for (size_t k = entries.size(); k < 20; ++k) {
        const auto r = EmptyRecord();
        out.insert(out.end(), r.begin(), r.end());
    }
    AppendInt32(out, 1);
    return out;
}

// Twenty entries scoring @p best, best - step, ... named "P1" to "P20".
inline std::vector<Entry> FullTable(int32_t best, int32_t step) {
    std::vector<Entry> entries;
    for (int32_t k = 1; k <= 20; ++k)
        entries.push_back({"P" + std::to_string(k), best - (k - 1) * step, "1/2/2025"});
    return entries;
}

inline std::string FieldText(const std::vector<uint8_t>& b, size_t from) {
    std::string text;
    for (size_t i = from; i < from + 10; ++i) {
        const uint8_t c = b[i];
        if (c == 0) {
            text += '~';
        } else if (c >= 0x20 && c < 0x7F) {
            text += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            text += hex;
        }
    }
    return text;
}

inline bool IsEmptyRecordAt(const std::vector<uint8_t>& b, size_t at) {
    const std::vector<uint8_t> empty = EmptyRecord();
    return std::equal(empty.begin(), empty.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

inline std::string FileText(const std::vector<uint8_t>& b) {
    std::string text;
    const size_t records = b.size() / 24;
    for (size_t k = 0; k < records;) {
        const size_t at = k * 24;
        if (IsEmptyRecordAt(b, at)) {
            size_t last = k;
            while (last + 1 < records && IsEmptyRecordAt(b, (last + 1) * 24)) ++last;
            text += std::to_string(k + 1) + (last > k ? "-" + std::to_string(last + 1) : "") +
                    " empty\n";
            k = last + 1;
            continue;
        }
        uint32_t bits = 0;
        for (size_t i = 0; i < 4; ++i) bits |= uint32_t{b[at + 10 + i]} << (8 * i);
        char score[16];
        std::snprintf(score, sizeof score, "%6d", static_cast<int32_t>(bits));
        char place[24];
        std::snprintf(place, sizeof place, "%2zu", k + 1);
        text += std::string(place) + " |" + FieldText(b, at) + "|" + score + "|" +
                FieldText(b, at + 14) + "|\n";
        ++k;
    }
    if (b.size() % 24 != 0) {
        text += "tail";
        for (size_t i = records * 24; i < b.size(); ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02X", b[i]);
            text += hex;
        }
        text += "\n";
    }
    return text;
}

}  // namespace endgame_test
