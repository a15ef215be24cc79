#pragma once
// A fresh folder for one test under the test's own temporary directory, removed with all
// it holds when the test ends.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/runtime/errors.h"

namespace files_test {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        static int made = 0;
        path_ = fs::path(::testing::TempDir()) /
                ("tolvarin-files-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        // A test may have left a folder read-only; give everything back before removing it.
        std::error_code error;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
        for (fs::recursive_directory_iterator it(path_, error), end; !error && it != end;
             it.increment(error)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
        fs::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const fs::path& Path() const { return path_; }
    fs::path operator/(const fs::path& relative) const { return path_ / relative; }

    // Writes @p bytes as the file @p relative, making its folders.
    fs::path Write(const fs::path& relative, const std::vector<uint8_t>& bytes) const {
        fs::path file = path_ / relative;
        fs::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return file;
    }
    fs::path Write(const fs::path& relative, const std::string& text) const {
        return Write(relative, std::vector<uint8_t>(text.begin(), text.end()));
    }

    std::vector<uint8_t> Read(const fs::path& relative) const {
        std::ifstream in(path_ / relative, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string ReadText(const fs::path& relative) const {
        const std::vector<uint8_t> bytes = Read(relative);
        return {bytes.begin(), bytes.end()};
    }

    // The names in the folder @p relative, sorted, hidden ones included.
    std::vector<std::string> Names(const fs::path& relative = {}) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_ / relative)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path path_;
};

// Makes @p folder read-only; false when that does not keep this process from writing there
// (the superuser), and a test of refused writes has to be skipped.
inline bool MakeReadOnly(const fs::path& folder) {
    fs::permissions(folder,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    return ::access(folder.c_str(), W_OK) != 0;
}

// The run-time error number that @p action raises; 0 when it raises none.
template <typename Action>
int ErrorNumberOf(Action&& action) {
    try {
        action();
    } catch (const vb::RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

}  // namespace files_test
