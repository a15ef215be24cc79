#include "shell/settings.h"

#include <functional>
#include <optional>
#include <vector>

#include "platform/forms/msgbox.h"
#include "platform/registry/advapi32.h"
#include "platform/registry/registry_store.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/strings.h"
#include "shell/Module1.h"

namespace Module1 {
namespace {

// How a setting's text is written and read back.
enum class Kind { LeadingNumber, WholeNumber, Boolean, Text };

// One setting, declared once: its registry name, its variable, how it is stored, and its
// first-run value (as the stored text).
struct Setting {
    const char* name;
    Kind kind;
    std::function<std::string()> get;
    std::function<void(const std::string&)> set;
    const char* firstRun;
};

std::string BoolText(bool v) { return v ? "True" : "False"; }

// "True" / "False", or a number (0 = False); nullopt for anything else.
std::optional<bool> ReadBoolean(const std::string& text) {
    if (text == "True") return true;
    if (text == "False") return false;
    try {
        return vb::CLng(text) != 0;
    } catch (const vb::RuntimeError&) {
        return std::nullopt;
    }
}

Setting Number(const char* name, Kind kind, int32_t& v, const char* firstRun) {
    return {name, kind, [&v] { return vb::CStr(v); },
            [&v, kind](const std::string& t) {
                v = kind == Kind::WholeNumber ? vb::CLng(t) : vb::CLng(vb::Val(t));
            },
            firstRun};
}

Setting Flag(const char* name, bool& v, const char* firstRun) {
    return {name, Kind::Boolean, [&v] { return BoolText(v); },
            [&v](const std::string& t) {
                const auto b = ReadBoolean(t);
                if (!b) vb::Raise(vb::errTypeMismatch);
                v = *b;
            },
            firstRun};
}

// A name as the game uses it: UTF-8 (a stray byte read as ISO 8859-1) and no longer than
// kLongestSettingText characters, whatever the file held.
Setting Text(const char* name, std::string& v, const char* firstRun) {
    return {name, Kind::Text, [&v] { return v; },
            [&v](const std::string& t) {
                v = vb::CutToCharacters(vb::Utf8Text(t), kLongestSettingText);
            },
            firstRun};
}

// In the order SaveSettings writes them. SplashAtStart has no first-run value: a first run
// leaves it at its initial False.
const std::vector<Setting>& Settings() {
    static const std::vector<Setting> table = {
        Number("NumberOfDice", Kind::LeadingNumber, DiceSetting, "5"),
        Number("NumberOfPlayers", Kind::LeadingNumber, NumPlayers, "1"),
        Number("NumberOfColumns", Kind::LeadingNumber, NumColumns, "4"),
        Text("Player1", Player1Name, "Player 1"),
        Text("Player2", Player2Name, "Player 2"),
        Flag("SoundEnabled", SoundSetting, "True"),
        Flag("hintAllways", HintsAlwaysSetting, "True"),
        Flag("ShowDialog", WelcomeAtStart, "True"),
        Flag("ShowSplash", SplashAtStart, nullptr),
        Flag("ShowStatusBar", StatusBarOn, "True"),
        Flag("ConfirmOnExit", ConfirmExit, "True"),
        Flag("ConfirmQuitGame", ConfirmQuit, "True"),
        Flag("BGMusicEnabled", MusicOn, "False"),
        Number("BGMusicVolume", Kind::WholeNumber, MusicVolume, "500"),
        Flag("ShowGridLines", GridLinesOn, "True"),
    };
    return table;
}

// The order LoadSettings reads them in, after "NumberOfDice".
const char* const kReadOrder[] = {
    "ShowDialog",     "ShowSplash",    "ShowStatusBar",   "ConfirmOnExit",   "ConfirmQuitGame",
    "BGMusicEnabled", "BGMusicVolume", "NumberOfPlayers", "NumberOfColumns", "Player1",
    "Player2",        "SoundEnabled",  "hintAllways",     "ShowGridLines"};

const Setting& Find(const std::string& name) {
    for (const Setting& s : Settings())
        if (name == s.name) return s;
    vb::Raise(vb::errSubscriptOutOfRange);
}

std::string Read(const char* name) {
    return GetRegString(win::HKEY_CURRENT_USER, kSettingsKey, name, "");
}

// A stored value that is missing, does not convert or does not fit falls back to its
// first-run value; a bad settings store never stops the program.
void ReadOne(const Setting& s, const std::string& text) {
    const bool missing = text.empty() && s.kind != Kind::Text;
    try {
        if (!missing) return s.set(text);
    } catch (const vb::RuntimeError&) {
    }
    if (s.firstRun) s.set(s.firstRun);
}

void SetFirstRunDefaults() {
    for (const Setting& s : Settings())
        if (s.firstRun) s.set(s.firstRun);
}

// Values the game cannot play with read as their first-run value.
void KeepInRange() {
    if (DiceSetting != 4 && DiceSetting != 5) DiceSetting = 5;
    if (NumPlayers != 1 && NumPlayers != 2) NumPlayers = 1;
    if (NumColumns != 1 && NumColumns != 4) NumColumns = 4;
    if (MusicVolume < 0) MusicVolume = 0;
    if (MusicVolume > 1000) MusicVolume = 1000;
}

// The player hears once, at start, that the settings file could not be read (the game then
// runs on first-run settings and leaves the file alone), or that lines of it were set aside.
void ReportStoreTrouble() {
    const std::string file = registry::StorePath();
    if (registry::StoreUnreadable()) {
        vb::MsgBox("The settings file " + file +
                       " could not be read. The game runs on its first-run settings and leaves "
                       "that file as it is.",
                   vb::vbExclamation);
    } else if (!registry::LastDamagedCopy().empty()) {
        vb::MsgBox("Some lines of the settings file " + file +
                       " could not be read; those settings are back to their first-run values. "
                       "The file as it was is kept as " +
                       registry::LastDamagedCopy() + ".",
                   vb::vbExclamation);
    }
}

}  // namespace

std::string GetRegString(intptr_t hKey, const std::string& subKey, const std::string& valueName,
                         const std::string& Default) {
    std::string result = Default;
    win::HKEY key = 0;
    win::RegOpenKeyA(hKey, subKey.c_str(), &key);
    win::DWORD type = 0, size = 0;
    if (win::RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) ==
            win::ERROR_SUCCESS &&
        type == win::REG_SZ) {
        std::string buffer(size, ' ');
        if (win::RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                                  reinterpret_cast<uint8_t*>(buffer.data()),
                                  &size) == win::ERROR_SUCCESS) {
            buffer.resize(size);
            result = buffer.substr(0, buffer.find('\0'));
        }
    }
    win::RegCloseKey(key);
    return result;
}

void SaveRegString(intptr_t hKey, const std::string& subKey, const std::string& valueName,
                   const std::string& data) {
    win::HKEY key = 0;
    win::RegCreateKeyA(hKey, subKey.c_str(), &key);
    win::RegSetValueExA(key, valueName.c_str(), 0, win::REG_SZ,
                        reinterpret_cast<const uint8_t*>(data.data()),
                        static_cast<win::DWORD>(data.size()));
    win::RegCloseKey(key);
}

void LoadSettings() {
    const std::string dice = Read("NumberOfDice");
    ReportStoreTrouble();
    if (dice.empty()) {
        SetFirstRunDefaults();
        return;
    }
    ReadOne(Find("NumberOfDice"), dice);
    for (const char* name : kReadOrder) ReadOne(Find(name), Read(name));
    KeepInRange();
}

// All fifteen values go to the settings file in one write.
void SaveSettings() {
    const registry::WriteBatch batch;
    for (const Setting& s : Settings())
        SaveRegString(win::HKEY_CURRENT_USER, kSettingsKey, s.name, s.get());
}

}  // namespace Module1
