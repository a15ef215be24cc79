#include "game/top_score_file.h"

#include <algorithm>

#include "platform/files/atomic_file.h"
#include "platform/files/file_ops.h"
#include "platform/files/paths.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/strings.h"

namespace topscores {

namespace {

constexpr size_t kNameAt = 0;
constexpr size_t kScoreAt = 10;
constexpr size_t kDateAt = 14;
constexpr int32_t kTrailer = 1;

// Each character of the UTF-8 @p text as one byte of a single-byte code page whose first 256
// characters are those of Unicode (ISO 8859-1); "?" for the others. A byte that starts no
// well-formed sequence stands for itself.
std::string SingleByte(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const size_t length = std::max<size_t>(1, vb::Utf8SequenceLength(text, i));
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
    return vb::Latin1ToUtf8(std::string(field.begin(), end));
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

// The table's bytes as far as the game uses them: a longer file holds no more entries, and
// a missing file is an empty table. Any other failure is raised: a table that is there but
// cannot be read now must not be replaced by a new one.
std::vector<ScoreRecord> StoredEntries(std::string_view path) {
    try {
        return TableEntries(vb::ReadFileStart(path, kFileLength));
    } catch (const vb::RuntimeError& error) {
        if (error.Number() != vb::errFileNotFound && error.Number() != vb::errPathNotFound) throw;
    }
    return {};
}

// Whether the table file holds @p bytes: a write that failed after its new file was put in
// place has entered the score all the same.
bool Holds(std::string_view path, const std::vector<uint8_t>& bytes) {
    try {
        return vb::ReadFileStart(path, kFileLength + 1) == bytes;
    } catch (const vb::RuntimeError&) {
        return false;
    }
}

}  // namespace

// The new table is made whole in memory and then put in place of the old file in one step;
// then the file gets the hidden attribute, and only that one (a read-only table becomes
// writable again). The attribute is a nicety: failing to set it loses nothing.
int32_t EnterScore(std::string_view path, const ScoreRecord& entry) {
    MakeFolderOf(path);
    std::vector<ScoreRecord> table = StoredEntries(path);
    const int32_t rank = Insert(table, entry);
    const std::vector<uint8_t> bytes = FileBytes(table);
    try {
        vb::ReplaceFileAtomically(path, bytes);
    } catch (const vb::RuntimeError&) {
        if (!Holds(path, bytes)) throw;
    }
    try {
        vb::SetAttr(path, vb::vbHidden);
    } catch (const vb::RuntimeError&) {
    }
    return rank;
}

std::vector<ScoreRecord> ReadTable(std::string_view path) {
    std::vector<ScoreRecord> table = TableEntries(vb::ReadFileStart(path, kFileLength));
    table.resize(kTableEntries, EmptyEntry());
    return table;
}

}  // namespace topscores
