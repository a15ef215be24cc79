#pragma once
/// @file
/// The running program as the runtime describes it: its folder, its title, and whether
/// another copy of it is running.

#include <string>

namespace vb {

/// What the runtime's App object tells about the running program.
struct AppInfo {
    /// The program's folder without a trailing separator ("/" only for the root itself).
    std::string Path;
    /// The program's title.
    std::string Title = "Tolvarin";
    /// Whether another instance of the program was already running when this one started.
    bool PrevInstance = false;
};

/// The one AppInfo of the process. Path starts as the folder of the running executable;
/// the program's start-up or a test may change any field.
AppInfo& App();

}  // namespace vb
