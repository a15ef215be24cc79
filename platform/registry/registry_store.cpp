#include "platform/registry/registry_store.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/files/atomic_file.h"
#include "platform/registry/registry_text.h"
#include "platform/runtime/errors.h"

namespace registry {
namespace {

// A settings file is small; anything longer is no settings file and is not read.
constexpr size_t kLongestStore = 16 * 1024 * 1024;

struct Store {
    std::string path = DefaultStorePath();
    bool loaded = false;
    Keys keys;
    bool unreadable = false;  // a file is there that could not be read: never written over
    std::string damagedCopy;
    int batches = 0;       // open write batches
    bool changed = false;  // a change waits for the batch's end
    Keys beforeBatch;      // what a failed batch puts back
};

Store& store() {
    static Store s;
    return s;
}

// Keeps a copy of the settings file as it was found, under a name not yet taken: its lines
// that could not be read are not lost when the good ones are written back.
void KeepAside(Store& s, const std::vector<uint8_t>& bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::string aside = s.path + ".damaged";
    for (int n = 2; fs::exists(fs::symlink_status(aside, ec)); ++n)
        aside = s.path + ".damaged" + std::to_string(n);
    try {
        vb::ReplaceFileAtomically(aside, bytes);
        s.damagedCopy = aside;
    } catch (const vb::RuntimeError&) {
        s.damagedCopy.clear();
    }
}

Store& Loaded() {
    Store& s = store();
    if (s.loaded) return s;
    s.loaded = true;
    s.keys.clear();
    std::vector<uint8_t> bytes;
    const vb::ReadOutcome outcome = vb::ReadRegularFile(s.path, kLongestStore, bytes);
    s.unreadable = outcome == vb::ReadOutcome::Unreadable;
    if (outcome != vb::ReadOutcome::Read) return s;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (ParseSettingsText(text, s.keys) > 0) KeepAside(s, bytes);
    return s;
}

// A store whose file could not be read lives in memory only: its changes hold for this run,
// and the file, whatever it holds, is left alone.
bool Save(const Store& s) {
    if (s.unreadable) return true;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(s.path).parent_path(), ec);
    const std::string text = SettingsText(s.keys);
    if (text.size() > kLongestStore) return false;  // it could never be read back
    try {
        vb::ReplaceFileAtomically(s.path,
                                  {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
        return true;
    } catch (const vb::RuntimeError&) {
        return false;
    }
}

// Writes a change through, or leaves it for the open batch to write.
bool Persist(Store& s) {
    if (s.batches == 0) return Save(s);
    s.changed = true;
    return true;
}

}  // namespace

WriteBatch::WriteBatch() {
    Store& s = Loaded();
    if (s.batches++ == 0) {
        s.beforeBatch = s.keys;
        s.changed = false;
    }
}

WriteBatch::~WriteBatch() { Commit(); }

bool WriteBatch::Commit() {
    if (!open_) return true;
    open_ = false;
    Store& s = store();
    if (--s.batches > 0 || !s.changed) return true;
    s.changed = false;
    if (Save(s)) return true;
    s.keys = std::move(s.beforeBatch);
    return false;
}

std::string DefaultStorePath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && std::filesystem::path(config).is_absolute()) {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home ? home : ".") + "/.config";
    }
    return folder + "/tolvarin/registry.txt";
}

void SetStorePath(const std::string& path) {
    Store& s = store();
    s.path = path;
    s.loaded = false;
    s.keys.clear();
    s.unreadable = false;
    s.damagedCopy.clear();
}

const std::string& StorePath() { return store().path; }

bool KeyExists(const std::string& path) { return Loaded().keys.count(Upper(path)) != 0; }

bool CreateKey(const std::string& path) {
    Store& s = Loaded();
    const auto before = s.keys;
    bool added = false;
    for (size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
        const std::string prefix = path.substr(0, end);
        Key& key = s.keys[Upper(prefix)];
        if (key.path.empty()) {
            key.path = prefix;
            added = true;
        }
        if (end == std::string::npos) break;
    }
    if (!added || Persist(s)) return true;
    s.keys = before;
    return false;
}

bool DeleteKey(const std::string& path) {
    Store& s = Loaded();
    const auto before = s.keys;
    const std::string upper = Upper(path), below = upper + "\\";
    std::erase_if(s.keys,
                  [&](const auto& k) { return k.first == upper || k.first.starts_with(below); });
    if (s.keys.size() == before.size() || Persist(s)) return true;
    s.keys = before;
    return false;
}

std::optional<Value> GetValue(const std::string& path, const std::string& name) {
    const Store& s = Loaded();
    const auto key = s.keys.find(Upper(path));
    if (key == s.keys.end()) return std::nullopt;
    const auto value = key->second.values.find(Upper(name));
    if (value == key->second.values.end()) return std::nullopt;
    return value->second.value;
}

bool SetValue(const std::string& path, const std::string& name, const Value& value) {
    Store& s = Loaded();
    const auto key = s.keys.find(Upper(path));
    if (key == s.keys.end()) return false;
    auto& values = key->second.values;
    const auto before = values;
    auto& slot = values[Upper(name)];
    if (slot.name.empty()) slot.name = name;
    slot.value = value;
    if (Persist(s)) return true;
    values = before;
    return false;
}

const std::string& LastDamagedCopy() {
    Loaded();
    return store().damagedCopy;
}

bool StoreUnreadable() { return Loaded().unreadable; }

}  // namespace registry
