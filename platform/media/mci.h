#pragma once
/// @file
/// mciSendStringA: the media control command strings the game sends, played on the audio
/// backend in use (see audio_backend.h).
///
/// A command is a verb, a device name and keywords, separated by blanks; a word may be put
/// in double quotes to hold blanks. Verbs and keywords are read without regard to case, and
/// so are device names. The commands understood:
///
/// | Command | Reply |
/// |---|---|
/// | open FILE [type mpegvideo\|waveaudio] [alias NAME] | the new device's ID ("1") |
/// | close NAME | |
/// | play NAME [from MS] | |
/// | pause NAME, resume NAME, stop NAME | |
/// | seek NAME to start\|end\|MS | |
/// | status NAME position\|length\|volume | a number ("15360") |
/// | status NAME mode | "playing", "paused" or "stopped" |
/// | setaudio NAME volume to 0..1000 | |
///
/// Without a type the device follows the file's extension (".mp3" mpegvideo, ".wav"
/// waveaudio); without an alias the device is named by FILE as written. FILE is the game's
/// path (see vb::NativePath). Times are milliseconds. "play" plays on from the position (a
/// paused device too); "resume" plays only a paused device; "pause" holds only a playing
/// one; "seek" stops the device there. A device that has played to its end is "stopped"
/// with its position at its length.

#include <cstdint>
#include <string>
#include <vector>

namespace win {

/// The errors mciSendStringA returns (0 is success).
inline constexpr uint32_t MCIERR_UNRECOGNIZED_KEYWORD = 259;
inline constexpr uint32_t MCIERR_UNRECOGNIZED_COMMAND = 261;
inline constexpr uint32_t MCIERR_INVALID_DEVICE_NAME = 263;  ///< no device is open under the name
inline constexpr uint32_t MCIERR_DEVICE_OPEN = 265;  ///< open without alias of a name already open
inline constexpr uint32_t MCIERR_MISSING_COMMAND_STRING = 267;
inline constexpr uint32_t MCIERR_PARAM_OVERFLOW = 268;  ///< the reply was cut to the return buffer
inline constexpr uint32_t MCIERR_MISSING_STRING_ARGUMENT = 269;
inline constexpr uint32_t MCIERR_BAD_INTEGER = 270;
inline constexpr uint32_t MCIERR_MISSING_PARAMETER = 273;
inline constexpr uint32_t MCIERR_FILE_NOT_FOUND = 275;
inline constexpr uint32_t MCIERR_EXTENSION_NOT_FOUND = 281;
inline constexpr uint32_t MCIERR_OUTOFRANGE = 282;
inline constexpr uint32_t MCIERR_DUPLICATE_ALIAS = 289;
inline constexpr uint32_t MCIERR_MISSING_DEVICE_NAME = 292;
inline constexpr uint32_t MCIERR_NO_CLOSING_QUOTE = 294;
inline constexpr uint32_t MCIERR_INVALID_FILE = 296;  ///< the file cannot be played

/// Carries out @p command and writes its reply into @p returnString: at most
/// @p returnLength - 1 characters and a terminating zero; an empty text when the command
/// fails or has no reply. A null buffer or a length of 0 takes no reply. @p callback is
/// not used (no notification is sent). Returns 0, or the MCIERR_ code of the failure; a
/// reply cut to the buffer returns MCIERR_PARAM_OVERFLOW, though the command took effect.
uint32_t mciSendStringA(const char* command, char* returnString, uint32_t returnLength,
                        intptr_t callback);

}  // namespace win

namespace media {

/// The commands sent since the last call (at most the last 4096), oldest first, as they were given
/// (a null command as an empty one); the record is emptied.
std::vector<std::string> TakeMciCommands();

/// Closes every open device.
void CloseAllDevices();

}  // namespace media
