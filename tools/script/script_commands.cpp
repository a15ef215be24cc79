// The commands of the script interpreter.

#include <algorithm>
#include <cctype>
#include <map>
#include <ostream>
#include <utility>

#include "game/sheet_text.h"
#include "platform/media/mci.h"
#include "platform/media/playsound.h"
#include "platform/runtime/app.h"
#include "shell/Module1.h"
#include "tools/script/control_text.h"
#include "tools/script/counter_text.h"
#include "tools/script/game_variables.h"
#include "tools/script/references.h"
#include "tools/script/score_file_text.h"
#include "tools/script/script_runner.h"

namespace script {

namespace {

using Args = ScriptRunner::Args;

// The number a counter picture shows (picScore.Counter).
constexpr const char* kCounterProperty = "Counter";

// A number, or one of @p names.
int16_t IntegerOrName(const std::string& word, const std::map<std::string, int16_t>& names) {
    if (auto it = names.find(word); it != names.end()) return it->second;
    return Integer(word);
}

// "3 3 5 6 1" or "33561".
std::vector<int> Faces(const std::vector<std::string>& words) {
    std::vector<int> faces;
    for (const std::string& w : words) {
        if (w.size() > 1 && IsNumber(w)) {
            for (char c : w) faces.push_back(c - '0');
        } else {
            faces.push_back(Number(w));
        }
    }
    return faces;
}

std::string SoundName(const std::string& path) {
    std::string name = path.substr(path.find_last_of('\\') + 1);
    if (const size_t dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
    return name;
}

// The media commands as sent, the program folder written as {App.Path} so that the text
// does not depend on the run's temporary folder.
std::string MediaLine(std::string command) {
    const std::string folder = vb::App().Path;
    for (size_t at; !folder.empty() && (at = command.find(folder)) != std::string::npos;)
        command.replace(at, folder.size(), "{App.Path}");
    return "media: " + command + "\n";
}

}  // namespace

void Expect(const Args& args, size_t least, size_t most, const char* usage) {
    if (args.words.size() < least || args.words.size() > most)
        throw ScriptError(std::string("usage: ") + usage);
}

void ScriptRunner::Roll(const Args& args) {
    if (!driver_.Roll(Faces(args.words))) out_ << "refused: roll\n";
}

// "click NAME [INDEX] [rolls FACES...]": the faces are those of a roll the click starts.
void ScriptRunner::Click(const Args& args) {
    const auto rolls = std::find(args.words.begin(), args.words.end(), "rolls");
    const std::vector<std::string> target(args.words.begin(), rolls);
    const std::vector<int> faces =
        rolls == args.words.end() ? std::vector<int>{} : Faces({rolls + 1, args.words.end()});
    if (target.empty() || target.size() > 2 || (rolls != args.words.end() && faces.empty()))
        throw ScriptError("usage: click NAME [INDEX] [rolls FACES...]");
    const ControlRef ref = ParseRef(target[0], target.size() > 1 ? &target[1] : nullptr);
    frmTolvarin& form = driver_.Form();
    const bool accepted = ref.name == form.Toolbar2.Name() && !ref.index.empty()
                              ? driver_.ClickToolbar(form.Toolbar2, ref.index)
                              : driver_.Click(FindControl(form, ref), faces);
    if (!accepted) out_ << "refused: click " << ref.Written() << "\n";
}

void ScriptRunner::Key(const Args& args) {
    Expect(args, 1, 7, "key CODE [FACES...]");
    const int16_t code =
        IntegerOrName(args.words[0], {{"Enter", vb::vbKeyReturn}, {"Space", vb::vbKeySpace}});
    driver_.Key(code, Faces({args.words.begin() + 1, args.words.end()}));
}

void ScriptRunner::Advance(const Args& args) {
    Expect(args, 1, 1, "advance MS");
    const int ms = Number(args.words[0]);
    if (ms < 0) throw ScriptError("the clock does not go back");
    driver_.Host().advance(ms);
}

void ScriptRunner::MsgBox(const Args& args) {
    Expect(args, 1, 1, "msgbox ANSWER");
    const int16_t answer = IntegerOrName(args.words[0], {{"OK", 1},
                                                         {"Cancel", 2},
                                                         {"Abort", 3},
                                                         {"Retry", 4},
                                                         {"Ignore", 5},
                                                         {"Yes", 6},
                                                         {"No", 7}});
    driver_.Host().answerMsgBox(answer);
}

// The click runs inside the modal window's own loop, after the window's controls named
// after the wait are printed; a control the window does not have is reported against the
// line that queued it.
void ScriptRunner::Modal(const Args& args) {
    if (args.words.size() < 2) throw ScriptError("usage: modal FORM CONTROL [MS] [PRINT...]");
    const ControlRef ref = ParseRef(args.words[1], nullptr);
    const bool waits = args.words.size() > 2 && IsNumber(args.words[2]);
    const int wait = waits ? Number(args.words[2]) : 0;
    const std::vector<std::string> prints(args.words.begin() + (waits ? 3 : 2), args.words.end());
    const std::string formName = args.words[0];
    const int queuedAt = line_;
    driver_.Host().onModal(formName, [=, this](vb::Form& form) {
        PrintNewMessageBoxes();
        if (wait > 0) driver_.Host().advance(wait);
        vb::Control* control = nullptr;
        try {
            for (const std::string& p : prints)
                out_ << formName << "." << p << " = " << ControlValue(form, p) << "\n";
            control = &FindControl(form, ref);
        } catch (const ScriptError& e) {
            modalFailure_ = "line " + std::to_string(queuedAt) + ": " + e.what();
            throw;
        }
        out_ << "modal " << formName << ": click " << ref.Written() << "\n";
        driver_.Host().click(*control);
    });
}

void ScriptRunner::Set(const Args& args) {
    if (args.words.size() < 2) throw ScriptError("usage: set NAME VALUE");
    std::string value = args.rest.substr(args.words[0].size());
    value.erase(0, value.find_first_not_of(" \t"));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    driver_.SetGlobal(args.words[0], value);
}

void ScriptRunner::Load(const Args& args) {
    Expect(args, 0, 0, "load");
    driver_.Load();
}

// A window, a panel, a toolbar button, a variable, or a control's property.
std::string ScriptRunner::PrintedValue(const std::string& reference) {
    const auto [ref, property] = SplitReference(reference);
    frmTolvarin& form = driver_.Form();
    if (ref.name == form.Name() && ref.index.empty()) return FormProperty(form, property);
    if (ref.name == form.StatusBar1.Name() && !ref.index.empty())
        return PanelProperty(form.StatusBar1.Panels(Integer(ref.index)), property);
    if (ref.name == form.Toolbar2.Name() && !ref.index.empty()) {
        vb::ToolbarButton& button = IsNumber(ref.index) ? form.Toolbar2.Buttons(Integer(ref.index))
                                                        : form.Toolbar2.Buttons(ref.index);
        return ToolbarButtonProperty(button, property);
    }
    const int index = ref.index.empty() ? -1 : Number(ref.index);
    if (auto text = VariableText(form, ref.name, index)) {
        if (!property.empty()) throw ScriptError(ref.name + " is a variable, not a control");
        return *text;
    }
    if (property == kCounterProperty) {
        auto* picture = dynamic_cast<vb::PictureBox*>(&FindControl(form, ref));
        if (!picture) throw ScriptError(ref.Written() + " is no picture box");
        return CounterText(form, *picture);
    }
    return ControlValue(form, reference);
}

void ScriptRunner::Print(const Args& args) {
    Expect(args, 1, 64, "print NAME[(INDEX)][.PROPERTY]...");
    for (const std::string& reference : args.words)
        out_ << reference << " = " << PrintedValue(reference) << "\n";
}

void ScriptRunner::Sheet(const Args& args) {
    Expect(args, 0, 0, "sheet");
    out_ << SheetText(driver_.Form());
}

void ScriptRunner::Scores(const Args& args) {
    Expect(args, 1, 1, "scores N");
    const int n = Number(args.words[0]);
    if (n < 1 || n > 4) throw ScriptError("the top-score files are 1 to 4");
    out_ << ScoreFileText(Module1::AppFolder, n);
}

void ScriptRunner::Sounds(const Args& args) {
    Expect(args, 0, 0, "sounds");
    std::string line;
    for (const media::SoundRequest& r : media::TakeSoundRequests())
        line += (line.empty() ? " " : ", ") + SoundName(r.path) +
                ((r.flags & win::SND_ASYNC) ? " async" : " sync");
    out_ << "sounds:" << (line.empty() ? " none" : line) << "\n";
}

void ScriptRunner::Media(const Args& args) {
    Expect(args, 0, 0, "media");
    const std::vector<std::string> commands = media::TakeMciCommands();
    if (commands.empty()) out_ << "media: none\n";
    for (const std::string& c : commands) out_ << MediaLine(c);
}

void ScriptRunner::Time(const Args& args) {
    Expect(args, 0, 0, "time");
    out_ << "time: " << driver_.Host().nowMs() << " ms\n";
}

void ScriptRunner::Echo(const Args& args) { out_ << args.rest << "\n"; }

void ScriptRunner::PrintNewMessageBoxes() {
    const auto& shown = driver_.Host().messageBoxes();
    for (; messageBoxesPrinted_ < shown.size(); ++messageBoxesPrinted_) {
        const headless::MessageBoxShown& m = shown[messageBoxesPrinted_];
        out_ << "msgbox \"" << m.prompt << "\" title \"" << m.title << "\" style " << m.buttons
             << " -> " << m.answer << "\n";
    }
}

}  // namespace script
