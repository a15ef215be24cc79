#include "game/top_score_file.h"

#include <algorithm>

#include "platform/files/atomic_file.h"
#include "platform/files/file_ops.h"
#include "platform/files/paths.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/errors.h"

namespace topscores {

namespace {

constexpr size_t kNameAt = 0;
constexpr size_t kScoreAt = 10;
constexpr size_t kDateAt = 14;
constexpr int32_t kTrailer = 1;

// The length of the UTF-8 sequence that starts at @p text[i]; 1 when none starts there.
size_t SequenceLength(std::string_view text, size_t i) {
    const auto lead = static_cast<uint8_t>(text[i]);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    if (i + length > text.size()) return 1;
    for (size_t k = 1; k < length; ++k)
        if ((static_cast<uint8_t>(text[i + k]) & 0xC0) != 0x80) return 1;
    return length;
}

// Each character of the UTF-8 @p text as one byte of a single-byte code page whose first 256
// characters are those of Unicode (ISO 8859-1); "?" for the others. A byte that starts no
// well-formed sequence stands for itself.
std::string SingleByte(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const size_t length = SequenceLength(text, i);
        const auto lead = static_cast<uint8_t>(text[i]);
        if (length == 1) {
            out += text[i];
        } else if (length == 2 && lead <= 0xC3) {
            out += static_cast<char>(((lead & 0x1Fu) << 6) |
                                     (static_cast<uint8_t>(text[i + 1]) & 0x3Fu));
        } else {
            out += '?';
        }
        i += length;
    }
    return out;
}

void PutField(std::array<uint8_t, kRecordLength>& out, size_t at,
              const std::array<char, 10>& field) {
    std::transform(field.begin(), field.end(), out.begin() + static_cast<std::ptrdiff_t>(at),
                   [](char c) { return static_cast<uint8_t>(c); });
}

std::array<char, 10> GetField(const std::array<uint8_t, kRecordLength>& in, size_t at) {
    std::array<char, 10> field{};
    std::transform(in.begin() + static_cast<std::ptrdiff_t>(at),
                   in.begin() + static_cast<std::ptrdiff_t>(at + field.size()), field.begin(),
                   [](uint8_t b) { return static_cast<char>(b); });
    return field;
}

}  // namespace

int32_t TableNumber(int32_t numColumns, int32_t diceSetting) {
    const bool fourColumns = numColumns == 4;
    const bool sixDice = diceSetting == 5;
    return (fourColumns ? 1 : 3) + (sixDice ? 0 : 1);
}

std::string FilePath(int32_t tableNumber) {
    return Module1::AppFolder + "scores\\scores" + vb::CStr(tableNumber) + ".dat";
}

std::array<char, 10> Field(std::string_view text) {
    std::array<char, 10> field;
    field.fill(' ');
    const std::string bytes = SingleByte(text);
    std::copy_n(bytes.begin(), std::min(bytes.size(), field.size()), field.begin());
    return field;
}

std::string FieldText(const std::array<char, 10>& field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string(field.begin(), end);
}

ScoreRecord EmptyEntry() {
    ScoreRecord empty;
    empty.Name.fill(' ');
    empty.Name[0] = '\0';
    empty.Date = empty.Name;
    empty.Score = kEmptyScore;
    return empty;
}

int32_t RecordCount(size_t bytes) {
    const size_t whole = bytes / kRecordLength;
    const size_t rest = bytes % kRecordLength;
    const bool up = rest * 2 > kRecordLength || (rest * 2 == kRecordLength && whole % 2 == 1);
    return static_cast<int32_t>(whole + (up ? 1 : 0));
}

ScoreRecord RecordAt(std::span<const uint8_t> bytes, int32_t k) {
    std::array<uint8_t, kRecordLength> raw{};
    const size_t from = static_cast<size_t>(k - 1) * kRecordLength;
    if (from < bytes.size())
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                    std::min<size_t>(kRecordLength, bytes.size() - from), raw.begin());
    ScoreRecord record;
    record.Name = GetField(raw, kNameAt);
    uint32_t score = 0;
    for (size_t b = 0; b < 4; ++b) score |= uint32_t{raw[kScoreAt + b]} << (8 * b);
    record.Score = static_cast<int32_t>(score);
    record.Date = GetField(raw, kDateAt);
    return record;
}

std::array<uint8_t, kRecordLength> RecordBytes(const ScoreRecord& record) {
    std::array<uint8_t, kRecordLength> raw{};
    PutField(raw, kNameAt, record.Name);
    const auto score = static_cast<uint32_t>(record.Score);
    for (size_t b = 0; b < 4; ++b) raw[kScoreAt + b] = static_cast<uint8_t>(score >> (8 * b));
    PutField(raw, kDateAt, record.Date);
    return raw;
}

std::vector<ScoreRecord> TableEntries(std::span<const uint8_t> bytes) {
    std::vector<ScoreRecord> table;
    const int32_t count = std::min(RecordCount(bytes.size()), kTableEntries);
    for (int32_t k = 1; k <= count; ++k) table.push_back(RecordAt(bytes, k));
    return table;
}

int32_t Insert(std::vector<ScoreRecord>& table, const ScoreRecord& entry) {
    const auto beaten = std::find_if(table.begin(), table.end(),
                                     [&](const ScoreRecord& r) { return entry.Score > r.Score; });
    if (beaten == table.end() && table.size() >= static_cast<size_t>(kTableEntries)) return -1;
    const auto place = table.insert(beaten, entry);
    const auto rank = static_cast<int32_t>(place - table.begin()) + 1;
    if (table.size() > static_cast<size_t>(kTableEntries)) table.pop_back();
    return rank;
}

std::vector<uint8_t> FileBytes(const std::vector<ScoreRecord>& table) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kFileLength);
    for (int32_t k = 0; k < kTableEntries; ++k) {
        const auto at = static_cast<size_t>(k);
        const auto raw = RecordBytes(at < table.size() ? table[at] : EmptyEntry());
        bytes.insert(bytes.end(), raw.begin(), raw.end());
    }
    for (size_t b = 0; b < 4; ++b) bytes.push_back(static_cast<uint8_t>(kTrailer >> (8 * b)));
    return bytes;
}

// A first game makes the "scores" folder. Where it cannot be made here (a program folder
// that cannot be written) the write goes to the per-user store, which makes its own; the
// write then raises whatever error is left.
namespace {
void MakeFolderOf(std::string_view path) {
    const size_t end = path.rfind('\\');
    if (end == std::string_view::npos || vb::DirExists(path.substr(0, end))) return;
    try {
        vb::MkDir(path.substr(0, end));
    } catch (const vb::RuntimeError&) {
    }
}
}  // namespace

// The new table is made whole in memory and then put in place of the old file in one step;
// then the file gets the hidden attribute, and only that one (a read-only table becomes
// writable again).
int32_t EnterScore(std::string_view path, const ScoreRecord& entry) {
    MakeFolderOf(path);
    std::vector<ScoreRecord> table;
    if (vb::FileExists(path)) table = TableEntries(vb::ReadWholeFile(path));
    const int32_t rank = Insert(table, entry);
    vb::ReplaceFileAtomically(path, FileBytes(table));
    vb::SetAttr(path, vb::vbHidden);
    return rank;
}

std::vector<ScoreRecord> ReadTable(std::string_view path) {
    std::vector<ScoreRecord> table = TableEntries(vb::ReadWholeFile(path));
    table.resize(kTableEntries, EmptyEntry());
    return table;
}

}  // namespace topscores
