#include "host/qt/session_bus.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace qthost {

namespace {

// D-Bus runs it from its own folder; one anywhere on the PATH counts too, to be safe.
bool DbusLaunchFound(const std::function<const char*(const char*)>& variable,
                     const std::function<bool(const std::string&)>& exists) {
    if (exists("/usr/bin/dbus-launch")) return true;
    const char* path = variable("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty() && exists(folder + "/dbus-launch")) return true;
    return false;
}

}  // namespace

bool SessionBusReachable(const std::function<const char*(const char*)>& variable,
                         const std::function<bool(const std::string&)>& exists) {
    if (variable("DBUS_SESSION_BUS_ADDRESS")) return true;
    const char* runtime = variable("XDG_RUNTIME_DIR");
    if (runtime && *runtime && exists(std::string(runtime) + "/bus")) return true;
    return DbusLaunchFound(variable, exists);
}

// An address of no known kind: D-Bus answers that it cannot connect, without a fork.
void DeclareMissingSessionBus() {
    const auto exists = [](const std::string& file) {
        std::error_code error;
        return std::filesystem::exists(file, error);
    };
    if (!SessionBusReachable(std::getenv, exists))
        setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
}

}  // namespace qthost
