// The commands of a modal block: "modal FORM", lines, "end". The lines wait until window
// FORM is next shown modally and then work its controls as the player would: click a
// button, a check box or an option, a tab with the mouse or the keyboard, type into a text
// box, drag a slider, answer the message boxes that follow, and print what the window shows.

#include <ostream>

#include "platform/forms/slider.h"
#include "platform/forms/tabs.h"
#include "platform/forms/text_box.h"
#include "tools/script/references.h"
#include "tools/script/script_runner.h"

namespace script {

namespace {

using Args = ScriptRunner::Args;

// The commands of the main script that mean the same inside a block.
constexpr const char* kSharedCommands[] = {"msgbox", "advance", "echo", "media", "sounds"};

template <class Kind>
Kind& ControlOf(vb::Form& form, const std::string& word, const char* kind) {
    auto* control = dynamic_cast<Kind*>(&FindControl(form, ParseRef(word, nullptr)));
    if (!control) throw ScriptError(word + " is no " + kind);
    return *control;
}

// A control that takes no input now: the line says so and the command does nothing.
bool Refused(std::ostream& out, const vb::Control& control, const char* command,
             const std::string& name) {
    if (control.ReceivesInput()) return false;
    out << "refused: " << command << " " << name << "\n";
    return true;
}

// The rest of the line after the first word, without the double quotes around it.
std::string TextAfterName(const Args& args) {
    std::string text = args.rest.substr(args.words[0].size());
    text.erase(0, text.find_first_not_of(" \t"));
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

}  // namespace

const std::vector<ScriptRunner::ModalCommand>& ScriptRunner::ModalCommands() {
    using R = ScriptRunner;
    static const std::vector<ModalCommand> table = {
        {"click", "NAME[(INDEX)]",
         "Clicks a control of the window: a button (HoverCommand1), a check box, an option.",
         &R::ModalClick},
        {"tab", "NAME N", "Clicks tab N (from 0) of a tab control with the mouse.", &R::ModalTab},
        {"tabkey", "NAME N", "Brings tab N forward with the keyboard: no mouse event.",
         &R::ModalTabKey},
        {"type", "NAME TEXT",
         "Types TEXT over the whole text of a text box (\"\" leaves it empty).", &R::ModalType},
        {"slider", "NAME VALUE", "Drags a slider's thumb to VALUE.", &R::ModalSlider},
        {"print", "NAME[(INDEX)][.PROPERTY]...",
         "Prints controls of the window as print does; a list's row by place or key, "
         "LVScores(3), prints its texts joined by \"|\".",
         &R::ModalPrint},
    };
    return table;
}

// A failure inside the window's loop is reported against the block's own line: the game's
// error handling around the show must not swallow it.
void ScriptRunner::QueueModalBlock(const std::string& formName, std::vector<BlockLine> lines) {
    driver_.Host().onModal(formName, [this, lines](vb::Form& form) {
        PrintNewMessageBoxes();
        for (const auto& [number, text] : lines) {
            std::string name;
            Args args;
            if (!ParseLine(text, name, args)) continue;
            try {
                RunInModal(form, name, args);
            } catch (const std::exception& e) {
                modalFailure_ = "line " + std::to_string(number) + ": " + FailureText(e);
                throw;
            }
        }
    });
}

void ScriptRunner::RunInModal(vb::Form& form, const std::string& name, const Args& args) {
    for (const ModalCommand& c : ModalCommands()) {
        if (name != c.name) continue;
        (this->*c.run)(form, args);
        PrintNewMessageBoxes();
        return;
    }
    for (const char* shared : kSharedCommands)
        if (name == shared) return Execute(name, args);
    throw ScriptError(name + " cannot be used in a modal block");
}

void ScriptRunner::ModalClick(vb::Form& form, const Args& args) {
    Expect(args, 1, 1, "click NAME[(INDEX)]");
    vb::Control& control = FindControl(form, ParseRef(args.words[0], nullptr));
    if (Refused(out_, control, "click", args.words[0])) return;
    out_ << form.Name() << ": click " << args.words[0] << "\n";
    driver_.Host().click(control);
}

void ScriptRunner::ModalTab(vb::Form& form, const Args& args) {
    Expect(args, 2, 2, "tab NAME N");
    auto& tabs = ControlOf<vb::TabControl>(form, args.words[0], "tab control");
    if (Refused(out_, tabs, "tab", args.words[0])) return;
    out_ << form.Name() << ": tab " << args.words[0] << " " << args.words[1] << "\n";
    driver_.Host().clickTab(tabs, Integer(args.words[1]));
}

// Ctrl+Tab and the tabs' access keys change the tab without any mouse event.
void ScriptRunner::ModalTabKey(vb::Form& form, const Args& args) {
    Expect(args, 2, 2, "tabkey NAME N");
    auto& tabs = ControlOf<vb::TabControl>(form, args.words[0], "tab control");
    if (Refused(out_, tabs, "tabkey", args.words[0])) return;
    out_ << form.Name() << ": tabkey " << args.words[0] << " " << args.words[1] << "\n";
    tabs.setTab(Integer(args.words[1]));
}

// The player selects the whole text and types over it.
void ScriptRunner::ModalType(vb::Form& form, const Args& args) {
    if (args.words.empty()) throw ScriptError("usage: type NAME TEXT");
    auto& box = ControlOf<vb::TextBox>(form, args.words[0], "text box");
    const std::string text = args.words.size() > 1 ? TextAfterName(args) : "";
    if (Refused(out_, box, "type", args.words[0])) return;
    out_ << form.Name() << ": type " << args.words[0] << " \"" << text << "\"\n";
    box.setText("");
    driver_.Host().typeText(box, text);
}

void ScriptRunner::ModalSlider(vb::Form& form, const Args& args) {
    Expect(args, 2, 2, "slider NAME VALUE");
    auto& slider = ControlOf<vb::Slider>(form, args.words[0], "slider");
    out_ << form.Name() << ": slider " << args.words[0] << " " << args.words[1] << "\n";
    driver_.Host().moveSlider(slider, Number(args.words[1]));
}

void ScriptRunner::ModalPrint(vb::Form& form, const Args& args) {
    Expect(args, 1, 64, "print NAME[(INDEX)][.PROPERTY]...");
    for (const std::string& reference : args.words)
        out_ << form.Name() << "." << reference << " = " << ControlValue(form, reference) << "\n";
}

}  // namespace script
