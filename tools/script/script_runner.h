#pragma once
// The line-script interpreter of tolvarin-script: one command a line, run against the real
// main window on the headless host, results printed as text. `ScriptRunner::Help()` lists
// the commands.

#include <cstddef>
#include <exception>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/form.h"
#include "tools/script/game_driver.h"

namespace script {

class ScriptRunner {
public:
    // Prints results to @p out and the error that ends a run to @p err.
    ScriptRunner(std::ostream& out, std::ostream& err);

    // Runs every line of @p script. Returns 0, or 1 after printing "error: line N: ..."
    // for the first line that failed; nothing after that line runs.
    int Run(std::istream& script);

    // What --help prints: every command, the variables and the properties a script reads.
    static std::string Help();

    GameDriver& Driver() { return driver_; }

    // A command's words after its name, and the text after its name as written.
    struct Args {
        std::vector<std::string> words;
        std::string rest;
    };

    // @p text without its comment, as a command's name and its Args; false for a line
    // with no command.
    static bool ParseLine(const std::string& text, std::string& name, Args& args);

private:
    // A line of a modal block: its number in the script and its text.
    using BlockLine = std::pair<int, std::string>;

    void Execute(const std::string& name, const Args& args);
    void ReadModalBlock(std::istream& script, const std::string& formName);
    void PrintNewMessageBoxes();
    void CheckNothingLeftQueued();

    void Roll(const Args& args);
    void Click(const Args& args);
    void Key(const Args& args);
    void Advance(const Args& args);
    void MsgBox(const Args& args);
    void Modal(const Args& args);
    void Set(const Args& args);
    void Load(const Args& args);
    void Print(const Args& args);
    void Sheet(const Args& args);
    void Scores(const Args& args);
    void Sounds(const Args& args);
    void Media(const Args& args);
    void Registry(const Args& args);
    void RegSet(const Args& args);
    void LoadSettings(const Args& args);
    void SaveSettings(const Args& args);
    void Time(const Args& args);
    void Echo(const Args& args);

    // "modal FORM" ... "end": the lines between run inside the window's next modal show.
    void QueueModalBlock(const std::string& formName, std::vector<BlockLine> lines);
    void RunInModal(vb::Form& form, const std::string& name, const Args& args);
    void ModalClick(vb::Form& form, const Args& args);
    void ModalTab(vb::Form& form, const Args& args);
    void ModalTabKey(vb::Form& form, const Args& args);
    void ModalType(vb::Form& form, const Args& args);
    void ModalSlider(vb::Form& form, const Args& args);
    void ModalPrint(vb::Form& form, const Args& args);
    std::string PrintedValue(const std::string& reference);

    struct Command {
        const char* name;
        const char* usage;
        const char* help;
        bool needsWindow;
        void (ScriptRunner::*run)(const Args&);
    };
    static const std::vector<Command>& Commands();
    struct ModalCommand {
        const char* name;
        const char* usage;
        const char* help;
        void (ScriptRunner::*run)(vb::Form&, const Args&);
    };
    static const std::vector<ModalCommand>& ModalCommands();

    std::ostream& out_;
    std::ostream& err_;
    GameDriver driver_;
    int line_ = 0;
    size_t messageBoxesPrinted_ = 0;
    // A failure inside a modal window's script, which the game's own error handling might
    // otherwise swallow: "line N: ...".
    std::string modalFailure_;
};

// What a failure says: a run-time error by its number and text, a dialog nothing was
// queued for as such.
std::string FailureText(const std::exception& e);

// Throws the usage line @p usage unless @p args has @p least to @p most words.
void Expect(const ScriptRunner::Args& args, size_t least, size_t most, const char* usage);

}  // namespace script
