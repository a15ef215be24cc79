#include "tools/script/script_runner.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "platform/runtime/errors.h"
#include "tools/script/control_text.h"
#include "tools/script/game_variables.h"

namespace script {

namespace {

// A "#" at the start of a line or after a blank begins a comment.
std::string WithoutComment(const std::string& line) {
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
            return line.substr(0, i);
    return line;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// @p words as lines of at most 78 characters, each begun by @p indent.
std::string Wrapped(const std::vector<std::string>& words, const std::string& indent) {
    constexpr size_t kWidth = 78;
    std::string text, line = indent;
    for (const std::string& w : words) {
        if (line.size() > indent.size() && line.size() + 1 + w.size() > kWidth) {
            text += line + "\n";
            line = indent;
        }
        line += (line.size() > indent.size() ? " " : "") + w;
    }
    return text + line + "\n";
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

}  // namespace

std::string FailureText(const std::exception& e) {
    std::string what = e.what();
    if (const auto* r = dynamic_cast<const vb::RuntimeError*>(&e))
        what = "run-time error " + std::to_string(r->Number()) + ": " + r->Description();
    if (dynamic_cast<const headless::UnscriptedDialog*>(&e)) what = "unscripted dialog: " + what;
    return what;
}

const std::vector<ScriptRunner::Command>& ScriptRunner::Commands() {
    using R = ScriptRunner;
    static const std::vector<Command> table = {
        {"roll", "[FACES...]",
         "Presses and releases the roll area. The free dice land on FACES in die order (one "
         "per free die, 1..6; \"3 3 5 6 1\" or \"33561\"); without faces they land at random.",
         true, &R::Roll},
        {"click", "NAME [INDEX] [rolls FACES...]",
         "Clicks a control of the main window (NAME(INDEX) works too); a menu item is "
         "chosen; \"click Toolbar2 KEY\" clicks a toolbar button. A control that does not "
         "take input now prints \"refused: ...\". A roll the click starts (\"Next "
         "Player\") lands on FACES as with roll.",
         true, &R::Click},
        {"key", "CODE [FACES...]",
         "Types a character into the main window: a number, Enter or Space. A roll it starts "
         "lands on FACES as with roll.",
         true, &R::Key},
        {"advance", "MS", "Moves the virtual clock on, delivering the timer ticks due.", true,
         &R::Advance},
        {"msgbox", "ANSWER",
         "Queues the answer to the next message box: a number, OK, Cancel, Yes or No.", false,
         &R::MsgBox},
        {"modal", "FORM CONTROL [MS] [PRINT...]",
         "Queues a click on CONTROL (NAME or NAME(INDEX)) of window FORM for the next time it "
         "is shown modally, after MS milliseconds on the clock (default 0). Before the click "
         "it prints each PRINT, a control of FORM as with print (\"lblWiner\", "
         "\"cmdClose.Enabled\"). \"modal FORM\" alone begins a block that \"end\" closes: "
         "its lines run in the window's next modal show (see Modal blocks below).",
         false, &R::Modal},
        {"set", "NAME VALUE",
         "Sets a setting or global of the shell (True/False, a number, or the rest of the "
         "line as text). Before the window loads it takes effect at the load; every later "
         "load applies it again.",
         false, &R::Set},
        {"load", "",
         "(Re)loads the main window afresh with the settings set so far. Without it the "
         "window loads before the first command that needs it.",
         false, &R::Load},
        {"print", "NAME[(INDEX)][.PROPERTY]...",
         "Prints a game variable (an array without INDEX: all its elements), or a control's "
         "property (Caption by default; a status-bar panel StatusBar1(N) its Text, a toolbar "
         "button Toolbar2(KEY) its Enabled state, frmTolvarin the window's Caption).",
         true, &R::Print},
        {"sheet", "", "Prints the whole score sheet with its hints, totals and grand total.", true,
         &R::Sheet},
        {"scores", "N",
         "Prints top-score file N (1..4): its length, one line per record (place, name, "
         "score, date, or \"empty\") and the trailer.",
         false, &R::Scores},
        {"sounds", "", "Prints the sound effects asked for since the last call, sync or async.",
         false, &R::Sounds},
        {"media", "",
         "Prints the media command strings sent since the last call, one a line, the program "
         "folder written as {App.Path}.",
         false, &R::Media},
        {"registry", "NAME...",
         "Prints settings value NAME as it is stored: its type, its size and its bytes "
         "(\\0 a zero byte), or \"missing\".",
         false, &R::Registry},
        {"regset", "NAME TYPE [HEXBYTES...]",
         "Stores settings value NAME with TYPE (REG_SZ, REG_DWORD, ... or a number) and the "
         "bytes given in hex (\"35 00 78\" or \"350078\"), exactly as given.",
         false, &R::RegSet},
        {"loadsettings", "",
         "Runs the shell's LoadSettings; the settings it reads stand also at every later "
         "load, as if set.",
         false, &R::LoadSettings},
        {"savesettings", "", "Runs the shell's SaveSettings.", false, &R::SaveSettings},
        {"time", "", "Prints the virtual clock in milliseconds.", false, &R::Time},
        {"echo", "TEXT", "Prints TEXT.", false, &R::Echo},
    };
    return table;
}

ScriptRunner::ScriptRunner(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

void ScriptRunner::Execute(const std::string& name, const Args& args) {
    for (const Command& c : Commands()) {
        if (name != c.name) continue;
        if (c.needsWindow) driver_.Form();
        (this->*c.run)(args);
        PrintNewMessageBoxes();
        return;
    }
    throw ScriptError("unknown command " + name);
}

bool ScriptRunner::ParseLine(const std::string& text, std::string& name, Args& args) {
    const std::string line = Trimmed(WithoutComment(text));
    std::istringstream words(line);
    if (!(words >> name)) return false;
    args = Args{};
    for (std::string w; words >> w;) args.words.push_back(w);
    args.rest = Trimmed(line.substr(line.find(name) + name.size()));
    return true;
}

// The lines up to "end" wait for the window's next modal show.
void ScriptRunner::ReadModalBlock(std::istream& script, const std::string& formName) {
    const int start = line_;
    std::vector<BlockLine> block;
    bool ended = false;
    for (std::string text, name; !ended && std::getline(script, text);) {
        ++line_;
        Args ignored;
        ended = ParseLine(text, name, ignored) && name == "end";
        if (!ended) block.emplace_back(line_, text);
    }
    if (!ended)
        throw ScriptError("the modal block of line " + std::to_string(start) + " has no \"end\"");
    QueueModalBlock(formName, std::move(block));
}

int ScriptRunner::Run(std::istream& script) {
    std::string text;
    try {
        while (std::getline(script, text)) {
            ++line_;
            std::string name;
            Args args;
            if (!ParseLine(text, name, args)) continue;
            if (name == "modal" && args.words.size() == 1) {
                ReadModalBlock(script, args.words[0]);
                continue;
            }
            Execute(name, args);
            if (!modalFailure_.empty()) throw ScriptError("");
        }
        CheckNothingLeftQueued();
    } catch (const std::exception& e) {
        PrintNewMessageBoxes();
        out_.flush();
        err_ << "error: "
             << (modalFailure_.empty() ? "line " + std::to_string(line_) + ": " + FailureText(e)
                                       : modalFailure_)
             << "\n";
        return 1;
    }
    return 0;
}

// A script that queued an answer or a modal click the game never asked for has gone wrong.
void ScriptRunner::CheckNothingLeftQueued() {
    const std::vector<std::string> left = driver_.Host().pendingScripts();
    if (left.empty()) return;
    std::string list;
    for (const std::string& s : left) list += (list.empty() ? "" : ", ") + s;
    throw ScriptError("end of script: queued but never used: " + list);
}

std::string ScriptRunner::Help() {
    std::ostringstream h;
    h << "Usage: tolvarin-script [SCRIPT]\n"
         "Runs the game's main window headless from a line script (standard input without\n"
         "SCRIPT), one command a line; \"#\" begins a comment. The program folder is a fresh\n"
         "folder under $TMPDIR (unless AppFolder is set), the settings store a fresh file\n"
         "beside it, and the date is 1/15/2026. An unknown command, a bad argument, a dialog\n"
         "nothing was queued for or a missing control prints \"error: line N: ...\" and ends\n"
         "the run with status 1.\n\nCommands:\n";
    for (const Command& c : Commands())
        h << "  " << c.name << (*c.usage ? " " : "") << c.usage << "\n"
          << Wrapped(Words(c.help), "      ");
    h << "\nModal blocks, between \"modal FORM\" and \"end\" (msgbox, advance, echo, media and\n"
         "sounds work there too):\n";
    for (const ModalCommand& c : ModalCommands())
        h << "  " << c.name << " " << c.usage << "\n" << Wrapped(Words(c.help), "      ");
    h << "\nVariables (print):\n" << Wrapped(ReadableVariables(), "  ");
    h << "Settings and globals (set):\n" << Wrapped(SettableGlobals(), "  ");
    h << "Control properties (print):\n" << Wrapped(ControlPropertyNames(), "  ");
    h << "  Counter: the number a counter picture (picScore, picPlayer1Score,\n"
         "  picPlayer2Score) shows, read from its pixels; \"(blank)\" for none.\n";
    return h.str();
}

}  // namespace script
