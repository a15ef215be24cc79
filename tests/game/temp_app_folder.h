#pragma once
// A fresh program folder for one test, made the game's AppFolder (with its trailing "\"),
// and removed with all it holds when the test ends. Also fixes the date the game sees.

#include <filesystem>

#include "platform/files/temp_folder.h"
#include "platform/runtime/datetime.h"
#include "shell/Module1.h"

namespace endgame_test {

namespace fs = std::filesystem;

class TempAppFolder : public files_test::TempFolder {
public:
    TempAppFolder() {
        Module1::AppFolder = Path().string() + "\\";
        vb::SetFixedNow(vb::DateSerial(2026, 3, 7) + 0.5);
    }
    ~TempAppFolder() { vb::ClearFixedNow(); }
};

// The short date of the fixed day, as the files store it.
inline constexpr const char* kToday = "3/7/2026";

}  // namespace endgame_test
