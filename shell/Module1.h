#pragma once
// The public variables of the shell's module: the settings, and the globals that the main
// window and the dialogs share. Each is declared once, with its value at program start, in
// Module1::Globals; the names below are the ones the game's code uses.

#include <array>
#include <cstdint>
#include <string>

namespace Module1 {

// One entry of a top-score file as it is stored: 24 bytes, name, score, date.
struct ScoreRecord {
    std::array<char, 10> Name{};
    int32_t Score = 0;
    std::array<char, 10> Date{};
};

struct Globals {
    // Settings, at their first-run values; LoadSettings replaces them from the registry.
    int32_t DiceSetting = 5;  // index of the last die: 4 = five dice, 5 = six dice
    int32_t NumPlayers = 1;
    int32_t NumColumns = 4;  // 4 = Down, Up, Rand, Oblg; 1 = a single Rand column
    std::string Player1Name = "Player 1";
    std::string Player2Name = "Player 2";
    bool SoundSetting = true;
    bool HintsAlwaysSetting = true;
    bool WelcomeAtStart = true;
    bool SplashAtStart = false;
    bool StatusBarOn = true;
    bool ConfirmExit = true;
    bool ConfirmQuit = true;
    bool MusicOn = false;
    int32_t MusicVolume = 500;  // 0 to 1000
    bool GridLinesOn = true;

    // The program folder, with a trailing "\".
    std::string AppFolder;

    // Dice and turn, shared by the main window and its roll.
    std::array<bool, 6> DiceToRoll{};  // false = the die is held
    int32_t LastDieIndex = 0;          // copied from DiceSetting when the window loads
    bool GameStarted = false;          // a roll has been made since the last New Game

    // Sound switches.
    bool SoundsOn = false;        // effects are played; follows SoundSetting
    bool SuppressSounds = false;  // redo replays a placement silently

    // End of a game and the top scores.
    bool EndGameFinish = false;  // the end-of-game dialog's answer: true = finish
    bool EndGameShown = false;   // the end-of-game dialog has been shown for this board
    ScoreRecord NewScoreRecord;
    int32_t NewScoreRank = 0;  // place 1..20 of the new entry, -1 when it did not enter
    int32_t LastGameScore = 0;
    bool ShowScoreResult = false;
    bool OpenedFromMain = false;
    int32_t Player1Total = 0;
    int32_t Player2Total = 0;

    // The main window's place, kept by New Game; 0 until then.
    int32_t WinLeft = 0;
    int32_t WinTop = 0;

    // The cursor loaded from "base.cur" and the class cursor it replaced.
    intptr_t hBaseCursor = 0;
    intptr_t hOldClassCursor = 0;
    bool BaseCursorSet = false;  // hOldClassCursor holds the cursor of before the first window

    // Answers handed back by the options and welcome dialogs.
    int16_t OptionsNewGameAnswer = 0;  // 1 OK, 2 Cancel
    bool SettingsChanged = false;
    bool PlayChosen = false;
};

inline Globals globals;

inline int32_t& DiceSetting = globals.DiceSetting;
inline int32_t& NumPlayers = globals.NumPlayers;
inline int32_t& NumColumns = globals.NumColumns;
inline std::string& Player1Name = globals.Player1Name;
inline std::string& Player2Name = globals.Player2Name;
inline bool& SoundSetting = globals.SoundSetting;
inline bool& HintsAlwaysSetting = globals.HintsAlwaysSetting;
inline bool& WelcomeAtStart = globals.WelcomeAtStart;
inline bool& SplashAtStart = globals.SplashAtStart;
inline bool& StatusBarOn = globals.StatusBarOn;
inline bool& ConfirmExit = globals.ConfirmExit;
inline bool& ConfirmQuit = globals.ConfirmQuit;
inline bool& MusicOn = globals.MusicOn;
inline int32_t& MusicVolume = globals.MusicVolume;
inline bool& GridLinesOn = globals.GridLinesOn;
inline std::string& AppFolder = globals.AppFolder;
inline std::array<bool, 6>& DiceToRoll = globals.DiceToRoll;
inline int32_t& LastDieIndex = globals.LastDieIndex;
inline bool& GameStarted = globals.GameStarted;
inline bool& SoundsOn = globals.SoundsOn;
inline bool& SuppressSounds = globals.SuppressSounds;
inline bool& EndGameFinish = globals.EndGameFinish;
inline bool& EndGameShown = globals.EndGameShown;
inline ScoreRecord& NewScoreRecord = globals.NewScoreRecord;
inline int32_t& NewScoreRank = globals.NewScoreRank;
inline int32_t& LastGameScore = globals.LastGameScore;
inline bool& ShowScoreResult = globals.ShowScoreResult;
inline bool& OpenedFromMain = globals.OpenedFromMain;
inline int32_t& Player1Total = globals.Player1Total;
inline int32_t& Player2Total = globals.Player2Total;
inline int32_t& WinLeft = globals.WinLeft;
inline int32_t& WinTop = globals.WinTop;
inline intptr_t& hBaseCursor = globals.hBaseCursor;
inline intptr_t& hOldClassCursor = globals.hOldClassCursor;
inline int16_t& OptionsNewGameAnswer = globals.OptionsNewGameAnswer;
inline bool& SettingsChanged = globals.SettingsChanged;
inline bool& PlayChosen = globals.PlayChosen;

// Puts every global back to its value at program start.
void ResetModule1();

}  // namespace Module1
