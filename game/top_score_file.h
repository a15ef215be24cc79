#pragma once
// The top-score files: four tables of 20 entries, one for each layout and number of dice,
// in the folder "scores" of the program folder.
//
// A file is a row of 24-byte records numbered from 1. Records 1 to 20 are the table, best
// first; record 21 holds only the 32-bit value 1 in its first four bytes, so a file written
// here is 484 bytes long. A record is:
//
//   offset  size  field
//        0    10  Name   single-byte text, cut to 10 or padded with blanks
//       10     4  Score  signed 32-bit, little-endian; -9999 marks an empty entry
//       14    10  Date   the short date text, cut to 10 or padded with blanks
//
// An empty entry's Name and Date are a byte 0 followed by nine blanks.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Module1.h"

namespace topscores {

using Module1::ScoreRecord;

inline constexpr int32_t kTableEntries = 20;
inline constexpr int32_t kRecordLength = 24;
inline constexpr int32_t kEmptyScore = -9999;
// What every file written here holds: the table and the four bytes of its trailer.
inline constexpr size_t kFileLength = kTableEntries * kRecordLength + 4;

// The table the settings choose, 1 to 4: four columns with six dice, four columns with five,
// one column with six, one column with five.
int32_t TableNumber(int32_t numColumns, int32_t diceSetting);

// The game's path of table @p tableNumber: AppFolder & "scores\scores" & N & ".dat".
std::string FilePath(int32_t tableNumber);

// The UTF-8 @p text as a 10-byte field: each character as one ISO 8859-1 byte (characters
// beyond that range as "?"), cut to 10 or padded with blanks.
std::array<char, 10> Field(std::string_view text);

// The text of a stored field as the window shows it: its bytes up to the first byte 0, each
// the ISO 8859-1 character of its value, in the program's UTF-8.
std::string FieldText(const std::array<char, 10>& field);

// The entry that fills an unused place.
ScoreRecord EmptyEntry();

// The number of records a file of @p bytes holds, as the runtime counts them: rounded to the
// nearest whole record, a half to the even neighbour (484 bytes are 20, 12 are 0, 36 are 2).
int32_t RecordCount(size_t bytes);

// Record @p k (from 1) of a file's @p bytes; bytes past the end of the file read as 0.
ScoreRecord RecordAt(std::span<const uint8_t> bytes, int32_t k);

// The 24 bytes of @p record.
std::array<uint8_t, kRecordLength> RecordBytes(const ScoreRecord& record);

// The entries of a file: its records, at most the 20 of the table (a longer file's
// records past the table are no entries).
std::vector<ScoreRecord> TableEntries(std::span<const uint8_t> bytes);

// Puts @p entry into @p table (best first, at most 20 entries) below every entry that scores
// as much or more; the entry that falls off the end of a full table is dropped. Returns the
// place it took, 1 to 20, or -1 when it did not enter the table.
int32_t Insert(std::vector<ScoreRecord>& table, const ScoreRecord& entry);

// The file of @p table: its entries, empty entries up to the 20th, and the trailer.
std::vector<uint8_t> FileBytes(const std::vector<ScoreRecord>& table);

// Enters @p entry into the table file @p path (a missing file starts empty, a missing
// "scores" folder is made) and returns its place, or -1. The file is replaced whole, so a
// failure leaves the old table as it was, and then carries the hidden attribute alone.
// Raises the run-time error of a failed read or write.
int32_t EnterScore(std::string_view path, const ScoreRecord& entry);

// The 20 places of the table file @p path as stored; the places a short file does not hold
// are empty entries, as the next entry would find them, and bytes past the 20 records and
// the trailer are never read. Raises the run-time error of a failed read.
std::vector<ScoreRecord> ReadTable(std::string_view path);

}  // namespace topscores
