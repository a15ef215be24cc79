#include "tools/script/game_variables.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <functional>

#include "game/frmTolvarin.h"
#include "shell/Module1.h"
#include "tools/script/game_driver.h"
#include "tools/script/references.h"

namespace script {

namespace {

using F = frmTolvarin;

std::string Text(bool v) { return v ? "True" : "False"; }
std::string Text(int32_t v) { return std::to_string(v); }
std::string Text(int16_t v) { return std::to_string(v); }
std::string Text(const std::string& v) { return "\"" + v + "\""; }

using Reader = std::function<std::string(const F&, int index)>;

// One readable variable: its name, the first and last index of an array (none for a plain
// variable), and how to read it.
struct Variable {
    std::string name;
    int first = -1;
    int last = -1;
    Reader read;
    bool Indexed() const { return first >= 0; }
};

template <class T>
Variable Field(const char* name, T F::*member) {
    return {name, -1, -1, [member](const F& f, int) { return Text(f.*member); }};
}

template <class T, size_t N>
Variable Elements(const char* name, std::array<T, N> F::*member, int first, int last) {
    return {name, first, last,
            [member](const F& f, int i) { return Text((f.*member)[static_cast<size_t>(i)]); }};
}

template <class T>
Variable Global(const char* name, const T& ref) {
    return {name, -1, -1, [&ref](const F&, int) { return Text(ref); }};
}

// The table a script reads from. Arrays of the dice run 0..5, the column flags 1..4, the
// counter's digits 0..3 (units first), the hint snapshots and the other player's stored
// cells by row 0..12 (2000 marks an empty stored cell or total).
const std::vector<Variable>& Variables() {
    static const std::vector<Variable> table = {
        Elements("diceValues", &F::diceValues, 0, 5),
        {"DiceToRoll", 0, 5,
         [](const F&, int i) { return Text(Module1::DiceToRoll[static_cast<size_t>(i)]); }},
        Global("LastDieIndex", Module1::LastDieIndex),
        Field("rollNumber", &F::rollNumber),
        Field("lastTurnRolls", &F::lastTurnRolls),
        Field("selectedRow", &F::selectedRow),
        Field("selectedColumn", &F::selectedColumn),
        Field("newGameNotRolled", &F::newGameNotRolled),
        Field("mayRoll", &F::mayRoll),
        Field("hintAvailable", &F::hintAvailable),
        Global("GameStarted", Module1::GameStarted),
        Field("announcedThisTurn", &F::announcedThisTurn),
        Field("hideAnnounceButtons", &F::hideAnnounceButtons),
        Field("announceKeptForUndo", &F::announceKeptForUndo),
        Field("lastWasAnnounced", &F::lastWasAnnounced),
        Field("nextDownRow", &F::nextDownRow),
        Field("nextUpRow", &F::nextUpRow),
        Field("roundIndex", &F::roundIndex),
        Field("randUpperFilled", &F::randUpperFilled),
        Field("oblgUpperFilled", &F::oblgUpperFilled),
        Elements("bonusAwarded", &F::bonusAwarded, 1, 4),
        Field("lastScore", &F::lastScore),
        Field("placedScore", &F::placedScore),
        Field("grandTotal", &F::grandTotal),
        Field("prevGrandTotal", &F::prevGrandTotal),
        Field("prevPrevGrandTotal", &F::prevPrevGrandTotal),
        Field("otherPlayerTotal", &F::otherPlayerTotal),
        Field("hintPass", &F::hintPass),
        Field("hintsAlways", &F::hintsAlways),
        Field("hintRequested", &F::hintRequested),
        Elements("savedDiceValues", &F::savedDiceValues, 0, 5),
        Elements("savedDiceToRoll", &F::savedDiceToRoll, 0, 5),
        Elements("savedTips", &F::savedTips, 0, 12),
        Elements("undoTipValues", &F::undoTipValues, 0, 12),
        Field("rolledSinceUndo", &F::rolledSinceUndo),
        Field("redoColumn", &F::redoColumn),
        Field("undoBonusTaken", &F::undoBonusTaken),
        Elements("counterDigits", &F::counterDigits, 0, 3),
        Elements("counterDigitsStart", &F::counterDigitsStart, 0, 3),
        Elements("counterDigitsEnd", &F::counterDigitsEnd, 0, 3),
        Field("counterDigitCount", &F::counterDigitCount),
        Field("counterDigitCountStart", &F::counterDigitCountStart),
        Field("counterDigitCountEnd", &F::counterDigitCountEnd),
        Field("skipNextCount", &F::skipNextCount),
        Field("counterFinished", &F::counterFinished),
        Field("counterShown", &F::counterShown),
        Elements("playerFlags", &F::playerFlags, 1, 4),
        Field("otherBoardInitialised", &F::otherBoardInitialised),
        Elements("storedDown", &F::storedDown, 0, 12),
        Elements("storedUp", &F::storedUp, 0, 12),
        Elements("storedRand", &F::storedRand, 0, 12),
        Elements("storedOblg", &F::storedOblg, 0, 12),
        Field("storedDownTot1", &F::storedDownTot1),
        Field("storedDownTot2", &F::storedDownTot2),
        Field("storedDownTot", &F::storedDownTot),
        Field("storedUpTot1", &F::storedUpTot1),
        Field("storedUpTot2", &F::storedUpTot2),
        Field("storedUpTot", &F::storedUpTot),
        Field("storedRandTot1", &F::storedRandTot1),
        Field("storedRandTot2", &F::storedRandTot2),
        Field("storedRandTot", &F::storedRandTot),
        Field("storedOblgTot1", &F::storedOblgTot1),
        Field("storedOblgTot2", &F::storedOblgTot2),
        Field("storedOblgTot", &F::storedOblgTot),
        Field("storedRoundIndex", &F::storedRoundIndex),
        Field("storedNextDownRow", &F::storedNextDownRow),
        Field("storedNextUpRow", &F::storedNextUpRow),
        Field("storedRandUpperFilled", &F::storedRandUpperFilled),
        Field("storedOblgUpperFilled", &F::storedOblgUpperFilled),
        Elements("storedBonusAwarded", &F::storedBonusAwarded, 1, 4),
        Elements("storedRandOne", &F::storedRandOne, 0, 12),
        Field("storedRandOneTot1", &F::storedRandOneTot1),
        Field("storedRandOneTot2", &F::storedRandOneTot2),
        Field("storedRandOneTot", &F::storedRandOneTot),
        Field("storedRoundIndexOne", &F::storedRoundIndexOne),
        Field("storedRandUpperFilledOne", &F::storedRandUpperFilledOne),
        Elements("storedBonusAwardedOne", &F::storedBonusAwardedOne, 1, 4),
        Field("storedPrevGrandTotal", &F::storedPrevGrandTotal),
        Field("storedPrevPrevGrandTotal", &F::storedPrevPrevGrandTotal),
        Elements("storedCounterDigits", &F::storedCounterDigits, 0, 3),
        Elements("storedCounterDigitsStart", &F::storedCounterDigitsStart, 0, 3),
        Elements("storedCounterDigitsEnd", &F::storedCounterDigitsEnd, 0, 3),
        Field("storedCounterDigitCount", &F::storedCounterDigitCount),
        Field("storedCounterDigitCountStart", &F::storedCounterDigitCountStart),
        Field("storedCounterDigitCountEnd", &F::storedCounterDigitCountEnd),
        Field("rowHighlightCaptured", &F::rowHighlightCaptured),
        Field("gameOver", &F::gameOver),
        Field("statusMarquee", &F::statusMarquee),
        Global("SoundsOn", Module1::SoundsOn),
        Global("SuppressSounds", Module1::SuppressSounds),
        Global("EndGameFinish", Module1::EndGameFinish),
        Global("EndGameShown", Module1::EndGameShown),
        Global("NewScoreRank", Module1::NewScoreRank),
        Global("LastGameScore", Module1::LastGameScore),
        Global("ShowScoreResult", Module1::ShowScoreResult),
        Global("OpenedFromMain", Module1::OpenedFromMain),
        Global("Player1Total", Module1::Player1Total),
        Global("Player2Total", Module1::Player2Total),
        Global("SettingsChanged", Module1::SettingsChanged),
        Global("OptionsNewGameAnswer", Module1::OptionsNewGameAnswer),
    };
    return table;
}

bool ParseBool(const std::string& value) {
    std::string v = value;
    std::transform(v.begin(), v.end(), v.begin(), [](unsigned char c) { return std::tolower(c); });
    if (v == "true" || v == "-1" || v == "1") return true;
    if (v == "false" || v == "0") return false;
    throw ScriptError("\"" + value + "\" is not True or False");
}

void Assign(bool& ref, const std::string& v) { ref = ParseBool(v); }
void Assign(int32_t& ref, const std::string& v) { ref = Number(v); }
void Assign(std::string& ref, const std::string& v) { ref = v; }

std::string Raw(bool v) { return Text(v); }
std::string Raw(int32_t v) { return Text(v); }
std::string Raw(const std::string& v) { return v; }

// A global a script sets: by name, from text; printed as a variable; and as the text that
// sets it again. `stored`: a setting of the settings store.
struct Settable {
    std::string name;
    bool stored;
    std::function<void(const std::string&)> set;
    std::function<std::string()> read;
    std::function<std::string()> raw;
};

template <class T>
Settable Setting(const char* name, T& ref, bool stored = true) {
    return {name, stored, [&ref](const std::string& v) { Assign(ref, v); },
            [&ref] { return Text(ref); }, [&ref] { return Raw(ref); }};
}

// The settings of the registry, the program folder, and the sound switch the window copies
// from SoundSetting.
const std::vector<Settable>& Settables() {
    static const std::vector<Settable> table = {
        Setting("NumColumns", Module1::NumColumns),
        Setting("DiceSetting", Module1::DiceSetting),
        Setting("NumPlayers", Module1::NumPlayers),
        Setting("Player1Name", Module1::Player1Name),
        Setting("Player2Name", Module1::Player2Name),
        Setting("SoundSetting", Module1::SoundSetting),
        Setting("HintsAlwaysSetting", Module1::HintsAlwaysSetting),
        Setting("MusicOn", Module1::MusicOn),
        Setting("MusicVolume", Module1::MusicVolume),
        Setting("StatusBarOn", Module1::StatusBarOn),
        Setting("ConfirmExit", Module1::ConfirmExit),
        Setting("ConfirmQuit", Module1::ConfirmQuit),
        Setting("WelcomeAtStart", Module1::WelcomeAtStart),
        Setting("SplashAtStart", Module1::SplashAtStart),
        Setting("GridLinesOn", Module1::GridLinesOn),
        Setting("AppFolder", Module1::AppFolder, false),
        Setting("SoundsOn", Module1::SoundsOn, false),
    };
    return table;
}

const Settable* FindSettable(const std::string& name) {
    for (const Settable& s : Settables())
        if (s.name == name) return &s;
    return nullptr;
}

std::string AllElements(const Variable& v, const F& form) {
    std::string text;
    for (int i = v.first; i <= v.last; ++i) text += (i > v.first ? " " : "") + v.read(form, i);
    return text;
}

}  // namespace

void SetShellGlobal(const std::string& name, const std::string& value) {
    const Settable* s = FindSettable(name);
    if (!s) throw ScriptError("no setting or global named " + name);
    s->set(value);
}

std::optional<std::string> VariableText(const frmTolvarin& form, const std::string& name,
                                        int index) {
    for (const Variable& v : Variables()) {
        if (v.name != name) continue;
        if (!v.Indexed() && index >= 0) throw ScriptError(name + " is not an array");
        if (v.Indexed() && index < 0) return AllElements(v, form);
        if (v.Indexed() && (index < v.first || index > v.last))
            throw ScriptError(name + " has the indexes " + std::to_string(v.first) + " to " +
                              std::to_string(v.last));
        return v.read(form, index);
    }
    if (const Settable* s = FindSettable(name)) {
        if (index >= 0) throw ScriptError(name + " is not an array");
        return s->read();
    }
    return std::nullopt;
}

std::vector<std::string> ReadableVariables() {
    std::vector<std::string> names;
    for (const Variable& v : Variables()) names.push_back(v.Indexed() ? v.name + "(i)" : v.name);
    for (const Settable& s : Settables())
        if (std::find(names.begin(), names.end(), s.name) == names.end()) names.push_back(s.name);
    return names;
}

std::vector<std::string> SettableGlobals() {
    std::vector<std::string> names;
    for (const Settable& s : Settables()) names.push_back(s.name);
    return names;
}

std::vector<std::string> StoredSettings() {
    std::vector<std::string> names;
    for (const Settable& s : Settables())
        if (s.stored) names.push_back(s.name);
    return names;
}

std::string SettingText(const std::string& name) {
    const Settable* s = FindSettable(name);
    if (!s) throw ScriptError("no setting or global named " + name);
    return s->raw();
}

}  // namespace script
