// The session bus is declared missing only where D-Bus could neither reach one nor start one.

#include "host/qt/session_bus.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

struct Machine {
    std::map<std::string, std::string> environment;
    std::set<std::string> files;
    bool reachable;
};

TEST(SessionBus, ReachableByAddressSocketOrDbusLaunch) {
    const std::map<std::string, std::string> bare{{"PATH", "/usr/local/bin:/bin"},
                                                  {"XDG_RUNTIME_DIR", "/run/user/7"}};
    auto with = [&](const char* name, const char* value) {
        auto environment = bare;
        environment[name] = value;
        return environment;
    };
    const Machine machines[] = {
        {bare, {}, false},
        {with("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/bus"), {}, true},
        {with("DBUS_SESSION_BUS_ADDRESS", ""), {}, true},
        {bare, {"/run/user/7/bus"}, true},
        {with("XDG_RUNTIME_DIR", ""), {"/bus"}, false},
        {bare, {"/usr/bin/dbus-launch"}, true},
        {bare, {"/usr/local/bin/dbus-launch"}, true},
        {with("PATH", "::/opt"), {"/dbus-launch"}, false},
    };
    for (const Machine& m : machines) {
        const bool reachable = qthost::SessionBusReachable(
            [&](const char* name) -> const char* {
                const auto found = m.environment.find(name);
                return found == m.environment.end() ? nullptr : found->second.c_str();
            },
            [&](const std::string& file) { return m.files.count(file) != 0; });
        EXPECT_EQ(reachable, m.reachable) << testing::PrintToString(m.files);
    }
}

}  // namespace
