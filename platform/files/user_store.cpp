#include "platform/files/user_store.h"

#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <system_error>

#include "platform/files/paths.h"
#include "platform/runtime/app.h"
#include "platform/runtime/errors.h"

namespace vb {

namespace fs = std::filesystem;

namespace {

// @p native relative to the program folder, when it lies inside it.
std::optional<fs::path> InProgramFolder(const fs::path& native) {
    std::error_code error;
    const fs::path program = fs::absolute(App().Path, error).lexically_normal();
    const fs::path file = fs::absolute(native, error).lexically_normal();
    if (error || program.empty()) return std::nullopt;
    const fs::path relative = file.lexically_relative(program);
    if (relative.empty() || *relative.begin() == ".." || *relative.begin() == ".") {
        return std::nullopt;
    }
    return relative;
}

// The per-user copy's place for @p native; empty when the path is not redirectable.
fs::path StorePlace(const fs::path& native) {
    const std::optional<fs::path> relative = InProgramFolder(native);
    const fs::path store = UserStoreFolder();
    if (!relative || store.empty()) return {};
    return MatchCase(store / *relative);
}

// Whether files can be made in @p folder, creating it (and its missing parents) when it
// does not exist yet.
bool CanWriteIn(const fs::path& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error)) return ::access(folder.c_str(), W_OK) == 0;
    return fs::create_directories(folder, error) && !error;
}

// Makes the per-user copy of @p native at @p place. A file of the program folder that is
// there but cannot be read now must not be hidden by a new one: that raises 75.
void CopyIntoStore(const fs::path& native, const fs::path& place) {
    std::error_code error;
    const fs::file_status status = fs::status(native, error);
    if (status.type() == fs::file_type::not_found) return;
    if (error || !fs::is_regular_file(status)) Raise(errPathFileAccess);
    fs::create_directories(place.parent_path(), error);
    if (!fs::copy_file(native, place, error) || error) {
        fs::remove(place, error);
        Raise(errPathFileAccess);
    }
}

}  // namespace

fs::path UserStoreFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && fs::path(data).is_absolute()) return fs::path(data) / "Tolvarin";
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') return {};
    return fs::path(home) / ".local" / "share" / "Tolvarin";
}

std::string WritablePath(std::string_view path) {
    const fs::path native = NativePath(path);
    const fs::path place = StorePlace(native);
    std::error_code error;
    if (place.empty()) return native.string();
    if (fs::exists(place, error)) return place.string();
    if (CanWriteIn(native.parent_path().empty() ? fs::path(".") : native.parent_path())) {
        return native.string();
    }
    fs::create_directories(place.parent_path(), error);
    CopyIntoStore(native, place);
    return place.string();
}

std::string ReadablePath(std::string_view path) {
    const fs::path native = NativePath(path);
    const fs::path place = StorePlace(native);
    std::error_code error;
    return (!place.empty() && fs::exists(place, error)) ? place.string() : native.string();
}

}  // namespace vb
