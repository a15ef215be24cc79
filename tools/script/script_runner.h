#pragma once
// The line-script interpreter of tolvarin-script: one command a line, run against the real
// main window on the headless host, results printed as text. `ScriptRunner::Help()` lists
// the commands.

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

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

  private:
    void Execute(const std::string& name, const Args& args);
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
    std::string PrintedValue(const std::string& reference);

    struct Command {
        const char* name;
        const char* usage;
        const char* help;
        bool needsWindow;
        void (ScriptRunner::*run)(const Args&);
    };
    static const std::vector<Command>& Commands();

    std::ostream& out_;
    std::ostream& err_;
    GameDriver driver_;
    int line_ = 0;
    size_t messageBoxesPrinted_ = 0;
    // A failure inside a modal window's script, which the game's own error handling might
    // otherwise swallow: "line N: ...".
    std::string modalFailure_;
};

// Throws the usage line @p usage unless @p args has @p least to @p most words.
void Expect(const ScriptRunner::Args& args, size_t least, size_t most, const char* usage);

}  // namespace script
