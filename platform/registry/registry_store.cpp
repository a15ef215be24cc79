#include "platform/registry/registry_store.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/files/atomic_file.h"
#include "platform/runtime/errors.h"

namespace registry {
namespace {

struct NamedValue {
    std::string name;  // as first stored
    Value value;
};

struct Key {
    std::string path;  // as first created
    std::map<std::string, NamedValue> values;  // by upper-case name
};

struct Store {
    std::string path = DefaultStorePath();
    bool loaded = false;
    std::map<std::string, Key> keys;  // by upper-case path
    std::string damagedCopy;
    int batches = 0;                          // open write batches
    bool changed = false;                     // a change waits for the batch's end
    std::map<std::string, Key> beforeBatch;   // what a failed batch puts back
};

Store& store() {
    static Store s;
    return s;
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool NeedsEscape(unsigned char c) {
    return c <= 0x20 || c >= 0x7F || c == '%' || c == '[' || c == ']';
}

std::string Escape(const std::string& bytes) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (NeedsEscape(c)) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Undoes Escape; nullopt for text that Escape cannot have written.
std::optional<std::string> Unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c != '%') {
            if (NeedsEscape(c)) return std::nullopt;
            out += static_cast<char>(c);
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int hi = HexDigit(text[i + 1]), lo = HexDigit(text[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return out;
}

bool ParseValueLine(const std::string& line, Key& key) {
    const size_t tab1 = line.find('\t');
    const size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string::npos) return false;
    const auto name = Unescape(line.substr(0, tab1));
    const auto data = Unescape(line.substr(tab2 + 1));
    const std::string type = line.substr(tab1 + 1, tab2 - tab1 - 1);
    if (!name || !data || type.empty() || type.size() > 10 ||
        type.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const auto typeNumber = std::stoull(type);
    if (typeNumber > 0xFFFFFFFFull) return false;
    key.values[Upper(*name)] = {*name, {static_cast<uint32_t>(typeNumber),
                                        std::vector<uint8_t>(data->begin(), data->end())}};
    return true;
}

// Reads the settings text; false when it is not in the file's format.
bool Parse(const std::string& text, std::map<std::string, Key>& keys) {
    std::istringstream in(text);
    std::string line;
    Key* current = nullptr;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.back() != ']') return false;
            const auto path = Unescape(line.substr(1, line.size() - 2));
            if (!path || path->empty()) return false;
            Key& key = keys[Upper(*path)];
            if (key.path.empty()) key.path = *path;
            current = &key;
        } else if (!current || !ParseValueLine(line, *current)) {
            return false;
        }
    }
    return true;
}

std::string Serialise(const std::map<std::string, Key>& keys) {
    std::string out;
    for (const auto& [upper, key] : keys) {
        out += "[" + Escape(key.path) + "]\n";
        for (const auto& [name, nv] : key.values) {
            out += Escape(nv.name) + "\t" + std::to_string(nv.value.type) + "\t" +
                   Escape(std::string(nv.value.data.begin(), nv.value.data.end())) + "\n";
        }
    }
    return out;
}

// Moves a damaged settings file out of the way, under a name not yet taken.
void KeepAside(Store& s) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::string aside = s.path + ".damaged";
    for (int n = 2; fs::exists(aside, ec); ++n) aside = s.path + ".damaged" + std::to_string(n);
    fs::rename(s.path, aside, ec);
    s.damagedCopy = ec ? std::string() : aside;
}

Store& Loaded() {
    Store& s = store();
    if (s.loaded) return s;
    s.loaded = true;
    s.keys.clear();
    std::ifstream in(s.path, std::ios::binary);
    if (!in) return s;
    std::ostringstream text;
    text << in.rdbuf();
    std::map<std::string, Key> keys;
    if (Parse(text.str(), keys))
        s.keys = std::move(keys);
    else
        KeepAside(s);
    return s;
}

bool Save(const Store& s) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(s.path).parent_path(), ec);
    const std::string text = Serialise(s.keys);
    try {
        vb::ReplaceFileAtomically(
            s.path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
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
    if (config && *config) {
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
    s.damagedCopy.clear();
}

const std::string& StorePath() { return store().path; }

bool KeyExists(const std::string& path) { return Loaded().keys.count(Upper(path)) != 0; }

bool CreateKey(const std::string& path) {
    Store& s = Loaded();
    const auto before = s.keys;
    bool added = false;
    for (size_t end = path.find('\\'); ; end = path.find('\\', end + 1)) {
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

}  // namespace registry
