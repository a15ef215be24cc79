#include "tools/script/references.h"

#include <cctype>

#include "platform/forms/list_view.h"
#include "tools/script/control_text.h"
#include "tools/script/game_driver.h"

namespace script {

int Number(const std::string& word) {
    size_t used = 0;
    int n = 0;
    try {
        n = std::stoi(word, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != word.size()) throw ScriptError("\"" + word + "\" is not a number");
    return n;
}

int16_t Integer(const std::string& word) {
    const int n = Number(word);
    if (n < INT16_MIN || n > INT16_MAX) throw ScriptError(word + " is out of range");
    return static_cast<int16_t>(n);
}

bool IsNumber(const std::string& text) {
    if (text.empty()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i])) && !(i == 0 && text[i] == '-'))
            return false;
    return true;
}

ControlRef ParseRef(const std::string& word, const std::string* indexWord) {
    ControlRef ref{word, indexWord ? *indexWord : ""};
    if (const size_t open = word.find('('); open != std::string::npos) {
        if (word.back() != ')' || indexWord) throw ScriptError("bad control " + word);
        ref.name = word.substr(0, open);
        ref.index = word.substr(open + 1, word.size() - open - 2);
    }
    return ref;
}

std::pair<ControlRef, std::string> SplitReference(const std::string& reference) {
    const size_t close = reference.find(')');
    const size_t dot = reference.find('.', close == std::string::npos ? 0 : close);
    return {ParseRef(reference.substr(0, dot), nullptr),
            dot == std::string::npos ? "" : reference.substr(dot + 1)};
}

vb::Control& FindControl(vb::Form& form, const ControlRef& ref) {
    const int16_t index = ref.index.empty() ? int16_t{-1} : Integer(ref.index);
    vb::Control* c = form.FindControl(ref.name, index);
    if (!c) throw ScriptError(form.Name() + " has no control " + ref.Written());
    return *c;
}

namespace {

std::string RowText(vb::ListView& list, const std::string& index) {
    vb::ListItem& row = IsNumber(index) ? list.ListItems(Integer(index)) : list.ListItems(index);
    std::string text = row.Text();
    for (int16_t column = 1; column < static_cast<int16_t>(list.Columns().size()); ++column)
        text += "|" + row.SubItems(column);
    return "\"" + text + "\"" + (row.Selected() ? " selected" : "");
}

}  // namespace

std::string ControlValue(vb::Form& form, const std::string& reference) {
    const auto [ref, property] = SplitReference(reference);
    if (!ref.index.empty() && property.empty())
        if (auto* list = dynamic_cast<vb::ListView*>(form.FindControl(ref.name)))
            return RowText(*list, ref.index);
    return ControlProperty(FindControl(form, ref), property);
}

}  // namespace script
