#include "tools/script/game_driver.h"

#include <cstdlib>
#include <system_error>

#include "platform/com/loader.h"
#include "platform/registry/registry_store.h"
#include "platform/runtime/app.h"
#include "platform/runtime/datetime.h"
#include "platform/runtime/random.h"
#include "shell/Module1.h"
#include "shell/settings.h"
#include "tools/script/game_variables.h"

namespace script {

namespace {

// Records carry the date of the game, so every run plays on the same day.
constexpr int kYear = 2026, kMonth = 1, kDay = 15;
constexpr double kNoon = 0.5;

// Any face will do for the roll's animation frames: only the last draw of each die counts.
constexpr int kAnimationFace = 3;

std::filesystem::path MakeRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvarin-script-XXXXXX");
    if (!mkdtemp(pattern.data()))
        throw std::system_error(errno, std::generic_category(), "cannot make a program folder");
    const std::filesystem::path root = pattern;
    std::filesystem::create_directories(root / "program" / "scores");
    std::filesystem::create_directories(root / "config");
    std::filesystem::create_directories(root / "data");
    return root;
}

// The program's own folder follows AppFolder, as Main derives one from the other.
void SyncAppPath() {
    std::string folder = Module1::AppFolder;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    vb::App().Path = folder;
}

}  // namespace

GameDriver::GameDriver() : root_(MakeRoot()) {
    // The settings store and the per-user copies of program files live beside the folder.
    setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    registry::SetStorePath((root_ / "config" / "tolvarin" / "registry.txt").string());
    // The dialogs make their buttons by ProgID, as the program does once Kantrel is known.
    if (com::FAILED(com::RegisterServer(KANTREL_PATH)))
        throw std::runtime_error("cannot register the control library " KANTREL_PATH);
    vb::SetFixedNow(vb::DateSerial(kYear, kMonth, kDay) + kNoon);
    host_.setTimeOfDay(kNoon * 24 * 60 * 60);
    globals_.emplace_back("AppFolder", (root_ / "program").string() + "\\");
    ApplyGlobals();
}

GameDriver::~GameDriver() {
    form_.reset();
    vb::ClearFixedNow();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

frmTolvarin& GameDriver::Form() {
    if (!form_) Load();
    return *form_;
}

void GameDriver::ApplyGlobals() {
    Module1::ResetModule1();
    for (const auto& [name, value] : globals_) SetShellGlobal(name, value);
    SyncAppPath();
}

void GameDriver::Load() {
    form_.reset();
    ApplyGlobals();
    form_ = std::make_unique<frmTolvarin>();
    form_->Show();
    host_.doEvents();
}

void GameDriver::SetGlobal(const std::string& name, const std::string& value) {
    SetShellGlobal(name, value);
    globals_.emplace_back(name, value);
    if (name == "AppFolder") SyncAppPath();
}

void GameDriver::LoadSettings() {
    Module1::LoadSettings();
    for (const std::string& name : StoredSettings()) globals_.emplace_back(name, SettingText(name));
}

void GameDriver::SaveSettings() { Module1::SaveSettings(); }

int FreeDice() {
    int n = 0;
    for (int i = 0; i <= Module1::LastDieIndex && i < 6; ++i)
        if (Module1::DiceToRoll[static_cast<size_t>(i)]) ++n;
    return n;
}

// A roll draws one number per free die for each animation frame, then one per free die for
// the faces it lands on.
void GameDriver::ScriptFaces(const std::vector<int>& faces) {
    if (faces.empty()) return;
    const int free = FreeDice();
    if (static_cast<int>(faces.size()) != free)
        throw ScriptError(std::to_string(faces.size()) + " faces given for " +
                          std::to_string(free) + " free dice");
    std::vector<double> numbers(static_cast<size_t>(frmTolvarin::kAnimationFrames * free),
                                vb::RndForFace(kAnimationFace));
    for (int face : faces) {
        if (face < 1 || face > 6) throw ScriptError("a die has no face " + std::to_string(face));
        numbers.push_back(vb::RndForFace(face));
    }
    vb::ScriptRnd(numbers);
}

bool GameDriver::Roll(const std::vector<int>& faces) {
    vb::PictureBox& area = Form().picRollDices;
    ScriptFaces(faces);
    const bool accepted = area.ReceivesInput();
    // The press lands where the window's own Enter key says the roll area was released.
    const float x = frmTolvarin::kRollAreaX, y = frmTolvarin::kRollAreaY;
    host_.mouseDown(area, vb::vbLeftButton, 0, x, y);
    host_.mouseUp(area, vb::vbLeftButton, 0, x, y);
    // A roll that was refused, or stopped by the announce reminder, drew nothing.
    vb::ClearScriptedRnd();
    host_.doEvents();
    return accepted;
}

bool GameDriver::Click(vb::Control& control, const std::vector<int>& faces) {
    ScriptFaces(faces);
    const bool accepted = control.ReceivesInput();
    if (auto* menu = dynamic_cast<vb::Menu*>(&control))
        host_.clickMenu(*menu);
    else
        host_.click(control);
    vb::ClearScriptedRnd();
    host_.doEvents();
    return accepted;
}

bool GameDriver::ClickToolbar(vb::Toolbar& bar, const std::string& key) {
    vb::ToolbarButton& button = bar.Buttons(key);
    const bool accepted = bar.ReceivesInput() && button.Enabled() && button.Visible();
    host_.clickToolbarButton(bar, key);
    host_.doEvents();
    return accepted;
}

void GameDriver::Key(int16_t ascii, const std::vector<int>& faces) {
    frmTolvarin& form = Form();
    ScriptFaces(faces);
    host_.keyPress(form, ascii);
    vb::ClearScriptedRnd();
    host_.doEvents();
}

}  // namespace script
