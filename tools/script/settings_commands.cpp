// The commands that reach the settings store: read and write its values as they are
// stored, and run the shell's LoadSettings and SaveSettings. The store is the run's own
// file in its temporary folder (see GameDriver).

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <vector>

#include "platform/registry/advapi32.h"
#include "shell/settings.h"
#include "tools/script/script_runner.h"

namespace script {

namespace {

struct TypeName {
    win::DWORD type;
    const char* name;
};
constexpr TypeName kTypeNames[] = {{win::REG_NONE, "REG_NONE"},
                                   {win::REG_SZ, "REG_SZ"},
                                   {win::REG_EXPAND_SZ, "REG_EXPAND_SZ"},
                                   {win::REG_BINARY, "REG_BINARY"},
                                   {win::REG_DWORD, "REG_DWORD"}};

std::string TypeText(win::DWORD type) {
    for (const TypeName& t : kTypeNames)
        if (t.type == type) return t.name;
    return "type " + std::to_string(type);
}

// A type by name, or by number.
win::DWORD ParseType(const std::string& word) {
    for (const TypeName& t : kTypeNames)
        if (word == t.name) return t.type;
    size_t used = 0;
    unsigned long type = 0;
    try {
        type = std::stoul(word, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != word.size() || type > UINT32_MAX)
        throw ScriptError("\"" + word + "\" is no value type");
    return static_cast<win::DWORD>(type);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// "34 00 78" or "340078": two hex digits a byte.
std::vector<uint8_t> HexBytes(const std::vector<std::string>& words) {
    std::string digits;
    for (const std::string& w : words) digits += w;
    if (digits.size() % 2 != 0) throw ScriptError("the bytes need two hex digits each");
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < digits.size(); i += 2) {
        const int hi = HexDigit(digits[i]), lo = HexDigit(digits[i + 1]);
        if (hi < 0 || lo < 0) throw ScriptError("\"" + digits.substr(i, 2) + "\" is no hex byte");
        bytes.push_back(static_cast<uint8_t>(hi * 16 + lo));
    }
    return bytes;
}

// The bytes in double quotes: a zero byte as \0, other bytes outside printable ASCII as
// \xNN, and the quote and the backslash escaped.
std::string QuotedBytes(const std::vector<uint8_t>& bytes) {
    std::string text = "\"";
    for (uint8_t b : bytes) {
        if (b == 0) {
            text += "\\0";
        } else if (b == '"' || b == '\\') {
            text += '\\';
            text += static_cast<char>(b);
        } else if (b < 0x20 || b >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            text += hex;
        } else {
            text += static_cast<char>(b);
        }
    }
    return text + "\"";
}

// "REG_SZ 1 byte "5"", or "missing" when the key or the value is not there. Read through
// the registry calls, as the program reads it.
std::string StoredValueText(const std::string& name) {
    win::HKEY key = 0;
    win::RegOpenKeyA(win::HKEY_CURRENT_USER, Module1::kSettingsKey, &key);
    win::DWORD type = 0, size = 0;
    std::string text = "missing";
    if (win::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) ==
        win::ERROR_SUCCESS) {
        std::vector<uint8_t> bytes(size);
        win::RegQueryValueExA(key, name.c_str(), nullptr, &type, bytes.data(), &size);
        text = TypeText(type) + " " + std::to_string(size) + (size == 1 ? " byte " : " bytes ") +
               QuotedBytes(bytes);
    }
    if (key) win::RegCloseKey(key);
    return text;
}

}  // namespace

void ScriptRunner::Registry(const Args& args) {
    if (args.words.empty()) throw ScriptError("usage: registry NAME...");
    for (const std::string& name : args.words)
        out_ << "registry " << name << " = " << StoredValueText(name) << "\n";
}

void ScriptRunner::RegSet(const Args& args) {
    if (args.words.size() < 2) throw ScriptError("usage: regset NAME TYPE [HEXBYTES...]");
    const win::DWORD type = ParseType(args.words[1]);
    const std::vector<uint8_t> bytes = HexBytes({args.words.begin() + 2, args.words.end()});
    win::HKEY key = 0;
    if (win::RegCreateKeyA(win::HKEY_CURRENT_USER, Module1::kSettingsKey, &key) !=
        win::ERROR_SUCCESS)
        throw ScriptError("the settings store cannot be written");
    const win::LONG result = win::RegSetValueExA(key, args.words[0].c_str(), 0, type, bytes.data(),
                                                 static_cast<win::DWORD>(bytes.size()));
    win::RegCloseKey(key);
    if (result != win::ERROR_SUCCESS) throw ScriptError("the settings store cannot be written");
}

void ScriptRunner::LoadSettings(const Args& args) {
    Expect(args, 0, 0, "loadsettings");
    driver_.LoadSettings();
}

void ScriptRunner::SaveSettings(const Args& args) {
    Expect(args, 0, 0, "savesettings");
    driver_.SaveSettings();
}

}  // namespace script
