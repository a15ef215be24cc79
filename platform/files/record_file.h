#pragma once
/// @file
/// Files of fixed-length records, as the runtime opens them For Random: `Open path For
/// Random As #n Len = 24`, `Get`, `Put`, `LOF`, `Close`, and `FreeFile` for the numbers.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vb {

/// The lowest file number (1 to 255) that no open file holds. Raises 67 (Too many files)
/// when all are taken.
int FreeFile();

/// An open file of fixed-length records numbered from 1: record k begins at byte
/// (k - 1) x the record length.
class RecordFile {
public:
    /// Opens @p path For Random with records of @p recordLength bytes (1 to 32767) under
    /// the number FreeFile() gives. A missing file is created empty; a file that cannot be
    /// written is opened for reading only, as the runtime does when no access is named, and
    /// then Put raises 75. Raises 76 when the folder is missing, 75 when the path names a
    /// folder or the file cannot be opened, 52 for a bad name or record length.
    RecordFile(std::string_view path, int recordLength);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    /// The file number this file holds; 0 once closed.
    int Number() const { return number_; }

    /// Reads record @p recordNumber into @p record, which may be shorter than a record.
    /// Bytes past the end of the file read as 0, so a record beyond the end is all zeros.
    /// Raises 63 for a record number below 1, 59 when @p record is longer than a record,
    /// 52 once the file is closed.
    void Get(int32_t recordNumber, std::span<uint8_t> record) const;

    /// Writes @p record at the start of record @p recordNumber; the rest of that record is
    /// left as it was. Writing past the end lengthens the file, and a gap reads as zeros.
    /// Raises 63 for a record number below 1, 59 when @p record is longer than a record, 75
    /// when the file is open for reading only, 61 when the disk is full, 52 once closed.
    void Put(int32_t recordNumber, std::span<const uint8_t> record);

    /// The file's length in bytes (`LOF`). Raises 52 once closed.
    int64_t Lof() const;

    /// The file's length in records as the game counts them, `LOF(n) / Len` stored in a
    /// Long: rounded to the nearest whole number, a half to the even neighbour (484 bytes
    /// of 24-byte records count 20, 12 bytes 0, 36 bytes 2).
    int32_t Records() const;

    /// Closes the file and frees its number. Closing again does nothing.
    void Close();

private:
    int Descriptor() const;

    std::string path_;
    int recordLength_;
    int descriptor_ = -1;
    int number_ = 0;
    bool writable_ = false;
};

}  // namespace vb
