#include "platform/files/paths.h"

#include <algorithm>
#include <system_error>

#include "platform/files/user_store.h"

namespace vb {

namespace fs = std::filesystem;

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto fold = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return fold(x) == fold(y); });
}

// The entry of @p folder whose name equals @p name without regard to case; empty when none.
std::string FindIgnoringCase(const fs::path& folder, const std::string& name) {
    std::error_code error;
    std::string best;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end;
         !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (SameIgnoringCase(entry, name) && (best.empty() || entry < best)) best = entry;
    }
    return best;
}

}  // namespace

fs::path MatchCase(const fs::path& path) {
    std::error_code exists;
    if (fs::exists(path, exists)) return path;
    fs::path result = path.root_path();
    bool matching = true;
    for (const fs::path& part : path.relative_path()) {
        const std::string name = part.string();
        if (name.empty()) continue;
        std::error_code error;
        if (matching && name != "." && name != ".." && !fs::exists(result / name, error)) {
            const std::string found = FindIgnoringCase(result, name);
            matching = !found.empty();
            result /= matching ? found : name;
        } else {
            result /= name;
        }
    }
    return result;
}

std::string NativePath(std::string_view path) {
    std::string text(path);
    std::replace(text.begin(), text.end(), '\\', '/');
    std::string native = MatchCase(fs::path(text)).string();
    if (!text.empty() && text.back() == '/' && (native.empty() || native.back() != '/')) {
        native += '/';
    }
    return native;
}

bool FileExists(std::string_view path) {
    std::error_code error;
    return fs::is_regular_file(ReadablePath(path), error);
}

bool DirExists(std::string_view path) {
    std::error_code error;
    return fs::is_directory(ReadablePath(path), error);
}

}  // namespace vb
