#pragma once
// How a script names numbers and the controls of a window: NAME, NAME(INDEX) or NAME INDEX
// (an index that is no number is a key, "tbUndo"), and NAME[(INDEX)][.PROPERTY] for what
// it prints.

#include <cstdint>
#include <string>
#include <utility>

#include "platform/forms/form.h"

namespace script {

// @p word as a whole decimal number; throws ScriptError otherwise.
int Number(const std::string& word);
// @p word as a number the program takes as a 16-bit Integer (a control index, a tab, a key
// code, an answer); throws ScriptError otherwise.
int16_t Integer(const std::string& word);
// Whether @p text is a decimal number, with a leading "-" allowed.
bool IsNumber(const std::string& text);

struct ControlRef {
    std::string name;
    std::string index;
    std::string Written() const { return index.empty() ? name : name + "(" + index + ")"; }
};

// @p word as NAME or NAME(INDEX), or NAME with the index @p indexWord.
ControlRef ParseRef(const std::string& word, const std::string* indexWord);
// NAME[(INDEX)][.PROPERTY]: the property follows the first "." after any index.
std::pair<ControlRef, std::string> SplitReference(const std::string& reference);

// The control @p ref of @p form; throws ScriptError when it has none.
vb::Control& FindControl(vb::Form& form, const ControlRef& ref);
// NAME[(INDEX)][.PROPERTY] of a control of @p form as text. A list view's row is named by
// its place or key, LVScores(3), and prints its texts joined by "|".
std::string ControlValue(vb::Form& form, const std::string& reference);

}  // namespace script
