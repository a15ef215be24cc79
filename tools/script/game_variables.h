#pragma once
// The game's variables by name, as a script reads and sets them: the main window's game
// state (rollNumber, diceValues(i), ...) and the globals of the shell's module (settings
// such as NumColumns, switches such as SoundsOn, results such as NewScoreRank).

#include <optional>
#include <string>
#include <vector>

class frmTolvarin;

namespace script {

// Sets the shell's global @p name from @p value: a number, True/False, or text. Throws
// ScriptError for a name that is no settable global or a value of the wrong kind.
void SetShellGlobal(const std::string& name, const std::string& value);

// The value of variable @p name, element @p index of an array (-1 for a plain variable, or
// for every element of an array, blank-separated), as a script prints it: numbers in
// decimal, True or False, text in double quotes. Empty when no variable has that name.
// Throws ScriptError for a bad index.
std::optional<std::string> VariableText(const frmTolvarin& form, const std::string& name,
                                        int index);

// The names a script can read, in the order --help lists them ("diceValues(i)" for arrays).
std::vector<std::string> ReadableVariables();
// The names a script can set.
std::vector<std::string> SettableGlobals();

// The settable globals that are settings of the settings store (all but AppFolder and the
// sound switch), and the text that sets one to its present value.
std::vector<std::string> StoredSettings();
std::string SettingText(const std::string& name);

}  // namespace script
