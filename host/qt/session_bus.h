#pragma once
// The desktop's session bus, looked for once at the start. Where none can be reached and
// none started, D-Bus would still fork the program to run the missing dbus-launch, while
// the first window is made; every page the program writes after that fork is copied once.

#include <functional>
#include <string>

namespace qthost {

// Whether D-Bus could find a session bus: an address in the environment, the user's bus
// socket in the runtime folder, or a dbus-launch to start one for the display. @p variable
// reads the environment (null for an unset variable), @p exists tells whether a file is there.
bool SessionBusReachable(const std::function<const char*(const char*)>& variable,
                         const std::function<bool(const std::string&)>& exists);

// Tells D-Bus, before Qt starts, that there is no session bus where none can be reached, so
// that looking for it fails at once. Where one can, nothing changes.
void DeclareMissingSessionBus();

}  // namespace qthost
