#include "shell/BGmusic.h"

#include <algorithm>

#include "platform/media/mci.h"
#include "platform/media/short_path.h"
#include "platform/runtime/conversions.h"
#include "shell/Module1.h"

namespace BGmusic {

namespace {

constexpr uint32_t kShortPathBuffer = 255;
constexpr uint32_t kReplyBuffer = 256;

// Commands whose result nobody looks at: a song that is not open stays silent.
void Send(const std::string& command) { win::mciSendStringA(command.c_str(), nullptr, 0, 0); }

// The short form of @p path when the system gives one that fits the buffer, else the path.
// A result as long as the buffer or longer is the size it would need: the buffer still
// holds only blanks then.
std::string ShortPath(const std::string& path) {
    std::string buffer(kShortPathBuffer, ' ');
    const uint32_t length = win::GetShortPathNameA(path.c_str(), buffer.data(), kShortPathBuffer);
    if (length == 0 || length >= kShortPathBuffer) return path;
    return buffer.substr(0, buffer.find('\0'));
}

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The number at the start of the reply, as a Long.
int32_t LeadingNumber(const std::string& reply) {
    const double number = vb::Val(reply.substr(0, reply.find('\0')));
    return static_cast<int32_t>(std::clamp(number, -2147483648.0, 2147483647.0));
}

}  // namespace

// The path goes in quotes, so that a song in a folder whose name holds a blank opens too.
void OpenMP3(const std::string& path) {
    Send("open \"" + ShortPath(path) + "\" type MPEGVideo alias myMP3");
}

void CloseMP3() { Send("close myMP3"); }

// The volume follows every command, so a change made on the options slider is heard with the
// music timer's next command.
int32_t SendMP3Command(const std::string& command) {
    std::string reply(kReplyBuffer, ' ');
    win::mciSendStringA(command.c_str(), reply.data(), kReplyBuffer, 0);
    Send("setaudio myMP3 Volume to " + std::to_string(Module1::MusicVolume));
    return LeadingNumber(reply);
}

void PauseMP3() { Send("pause myMP3"); }

void ResumeMP3() { Send("resume myMP3"); }

// No device type is named: the file's extension chooses it.
void OpenAndPlaySong(const std::string& path) {
    Send("open \"" + TrimBlanks(path) + "\" alias song");
    Send("play song");
}

}  // namespace BGmusic
