#include "platform/runtime/app.h"

#include <filesystem>
#include <system_error>

namespace vb {

namespace {

std::string ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error).string();
    return exe.parent_path().string();
}

}  // namespace

AppInfo& App() {
    static AppInfo app{ExecutableFolder()};
    return app;
}

}  // namespace vb
