#pragma once
// A fresh program folder for one test, made the game's AppFolder (with its trailing "\"),
// and removed with all it holds when the test ends. Also fixes the date the game sees.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/runtime/datetime.h"
#include "shell/Module1.h"

namespace endgame_test {

namespace fs = std::filesystem;

class TempAppFolder {
public:
    TempAppFolder() {
        static int made = 0;
        path_ = fs::path(::testing::TempDir()) /
                ("tolvarin-scores-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
        fs::remove_all(path_);
        fs::create_directories(path_);
        Module1::AppFolder = path_.string() + "\\";
        vb::SetFixedNow(vb::DateSerial(2026, 3, 7) + 0.5);
    }
    ~TempAppFolder() {
        vb::ClearFixedNow();
        std::error_code error;
        fs::remove_all(path_, error);
    }
    TempAppFolder(const TempAppFolder&) = delete;
    TempAppFolder& operator=(const TempAppFolder&) = delete;

    fs::path operator/(const fs::path& relative) const { return path_ / relative; }

    void Write(const fs::path& relative, const std::vector<uint8_t>& bytes) const {
        const fs::path file = path_ / relative;
        fs::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<uint8_t> Read(const fs::path& relative) const {
        std::ifstream in(path_ / relative, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool Exists(const fs::path& relative) const { return fs::exists(path_ / relative); }

private:
    fs::path path_;
};

// The short date of the fixed day, as the files store it.
inline constexpr const char* kToday = "3/7/2026";

}  // namespace endgame_test
