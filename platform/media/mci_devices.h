#pragma once
/// @file
/// The devices open under mciSendStringA, shared by its commands.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace media {

/// An open device: the name the commands use (its alias) and its device ID.
struct MciDevice {
    std::string name;
    uint32_t id;
};

/// The open devices, in the order they were opened.
std::vector<MciDevice>& MciDevices();

/// The open device called @p name (without regard to case); null when there is none.
const MciDevice* FindMciDevice(std::string_view name);

/// The "open" command: @p args are the words after the verb. On success the reply is the
/// new device's ID. Returns 0 or an MCIERR_ code.
uint32_t MciOpen(std::span<const std::string> args, std::string& reply);

}  // namespace media
