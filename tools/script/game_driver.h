#pragma once
// Runs the real main window on the headless host: a private program folder, the settings
// a script chose, and the player's input (rolls with chosen faces, clicks, keys) delivered
// as the window layer would deliver it. The script interpreter and the benchmark drive the
// game through it.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "game/frmTolvarin.h"
#include "platform/headless/headless_host.h"

namespace script {

// A mistake in the script: an unknown command, a bad argument, a control that does not
// exist. The interpreter reports it with the line number.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class GameDriver {
public:
    // Makes a fresh program folder under $TMPDIR, points the settings store there too, and
    // fixes the date, so that a run never touches real files and its records repeat.
    GameDriver();
    ~GameDriver();
    GameDriver(const GameDriver&) = delete;
    GameDriver& operator=(const GameDriver&) = delete;

    headless::HeadlessHost& Host() { return host_; }
    // The main window, loaded first if it is not.
    frmTolvarin& Form();
    // Makes the window afresh: the shell's globals go back to their start values, the
    // settings the script chose are applied again, and the window loads and shows.
    void Load();

    // Sets the shell's global @p name from @p value now, and again at every later load.
    void SetGlobal(const std::string& name, const std::string& value);
    // The shell's LoadSettings: the settings it reads stand from now on, also at every later
    // load, as if the script had set each of them.
    void LoadSettings();
    // The shell's SaveSettings: every setting written to the run's own settings store.
    void SaveSettings();

    // Presses and releases the roll area. The free dice land on @p faces in die order
    // (each 1..6, one per free die); with no faces they land where the generator says.
    // Returns false when the roll area refused the press.
    bool Roll(const std::vector<int>& faces);
    // Types @p ascii into the window; a roll it starts lands on @p faces as Roll's do.
    void Key(int16_t ascii, const std::vector<int>& faces);
    // Clicks @p control (a menu item is chosen); false when it does not receive input. A
    // roll the click starts lands on @p faces as Roll's do.
    bool Click(vb::Control& control, const std::vector<int>& faces = {});
    // Clicks the toolbar button with key @p key; false when it does not receive input.
    bool ClickToolbar(vb::Toolbar& bar, const std::string& key);

private:
    void ApplyGlobals();
    // Queues the generator's numbers for a roll landing on @p faces.
    void ScriptFaces(const std::vector<int>& faces);

    headless::HeadlessHost host_;
    std::filesystem::path root_;
    std::vector<std::pair<std::string, std::string>> globals_;
    std::unique_ptr<frmTolvarin> form_;
};

// The number of dice the next roll will roll.
int FreeDice();

}  // namespace script
