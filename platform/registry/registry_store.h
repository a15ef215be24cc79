#pragma once
/// @file
/// The per-user settings file behind the registry calls: every key with its values, kept
/// in memory and written back whole, atomically, after each change.
///
/// The file is text, one line per key or value; bytes outside printable ASCII, blanks,
/// '%', '[' and tabs are written as %XX so that every byte survives:
///
///     [HKEY_CURRENT_USER\Software\Tolvarin\Tolvarin2.2]
///     NumberOfDice<TAB>1<TAB>5
///
/// The file is read line by line: a line that cannot be read is left out, and a copy of the
/// file as it was found is kept aside under another name. A file that is there but cannot
/// be read at all (no permission, not a regular file, longer than any settings file) is
/// never written over: the store then lives in memory for the run. Neither stops the
/// program.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace registry {

/// A stored value: its type and its bytes.
struct Value {
    uint32_t type = 0;
    std::vector<uint8_t> data;
    friend bool operator==(const Value&, const Value&) = default;
};

/// Where the settings file lives: $XDG_CONFIG_HOME/tolvarin/registry.txt, with
/// ~/.config standing in for an unset or relative $XDG_CONFIG_HOME.
std::string DefaultStorePath();

/// Uses @p path as the settings file from now on; its contents are read at the next use.
/// Tests point this at a folder of their own.
void SetStorePath(const std::string& path);
const std::string& StorePath();

/// Whether the key @p path (full path, root included, "\"-separated) exists.
bool KeyExists(const std::string& path);
/// Creates the key @p path and every missing key above it. False when the file cannot be
/// written.
bool CreateKey(const std::string& path);
/// Removes the key @p path with every key below it and all their values. True when nothing
/// was there or the file was written; false when it could not be (the keys stay).
bool DeleteKey(const std::string& path);
/// The value @p name of key @p path, if both exist.
std::optional<Value> GetValue(const std::string& path, const std::string& name);
/// Stores @p value as @p name of the existing key @p path. False when the file cannot be
/// written (the value is then not kept either).
bool SetValue(const std::string& path, const std::string& name, const Value& value);

/// Groups several changes into one write of the settings file: while a batch is open,
/// changes are kept in memory and reported as written; the file is written once when the
/// outermost batch ends. If that write fails, every change of the batch is taken back.
class WriteBatch {
public:
    WriteBatch();
    ~WriteBatch();
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;
    /// Ends the batch now; false when the file could not be written (the changes are then
    /// gone). Only the outermost batch writes; an inner one returns true.
    bool Commit();

private:
    bool open_ = true;
};

/// The name under which the file was kept aside when it was read with lines that could not
/// be read, or "".
const std::string& LastDamagedCopy();

/// Whether the settings file is there but could not be read: the store then starts empty,
/// takes changes for this run only and never writes the file.
bool StoreUnreadable();

}  // namespace registry
