#include "game/sheet_text.h"

#include <utility>
#include <vector>

#include "game/frmTolvarin.h"
#include "platform/runtime/conversions.h"

namespace {

constexpr size_t kNameWidth = 15;
constexpr size_t kValueWidth = 6;

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// A name and its values, each value right-aligned in its own column.
std::string Line(const std::string& name, const std::vector<std::string>& values) {
    std::string line = name;
    if (line.size() < kNameWidth) line.append(kNameWidth - line.size(), ' ');
    for (const std::string& caption : values) {
        const std::string shown = caption.empty() ? "." : caption;
        if (shown.size() < kValueWidth) line.append(kValueWidth - shown.size(), ' ');
        line += shown;
    }
    return Trimmed(line) + "\n";
}

}  // namespace

std::string SheetText(const frmTolvarin& form) {
    const auto& columns = frmTolvarin::kSheetColumns;  // Down, Up, Rand, Oblg
    std::string text = Line("", {"Down", "Up", "Rand", "Oblg", "Hint"});
    for (int32_t r = 0; r < kSheetRows; ++r) {
        std::vector<std::string> values;
        for (const auto& c : columns) values.push_back((form.*c.cells)(r).Caption());
        values.push_back(form.lblTip(r).Caption());
        text += Line(form.lblOption(r).Caption(), values);
    }
    using Total = vb::Label frmTolvarin::*frmTolvarin::SheetColumnMembers::*;
    const std::pair<const vb::Label*, Total> totals[] = {
        {&form.Label4, &frmTolvarin::SheetColumnMembers::subTotal},
        {&form.Label3, &frmTolvarin::SheetColumnMembers::maxMinLine},
        {&form.Label13, &frmTolvarin::SheetColumnMembers::columnTotal}};
    for (const auto& [caption, member] : totals) {
        std::vector<std::string> values;
        for (const auto& c : columns) values.push_back((form.*(c.*member)).Caption());
        text += Line(Trimmed(caption->Caption()), values);
    }
    return text + Line(Trimmed(form.Label2.Caption()), {vb::CStr(form.grandTotal)});
}
