#include "platform/forms/shell_execute.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/forms/host.h"

namespace win {

namespace {

bool OpensByDefault(const char* operation) {
    return operation == nullptr || *operation == '\0' || std::strcmp(operation, "open") == 0;
}

// A scheme the desktop hands to a browser or a mail program, never to a program of the
// machine; compared without regard to case.
bool WebOrMail(std::string_view target) {
    for (std::string_view scheme : {"http://", "https://", "mailto:"}) {
        if (target.size() <= scheme.size()) continue;
        if (std::equal(scheme.begin(), scheme.end(), target.begin(), [](char a, char b) {
                return a == std::tolower(static_cast<unsigned char>(b));
            }))
            return true;
    }
    return false;
}

bool HasControlCharacters(std::string_view target) {
    return std::any_of(target.begin(), target.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

}  // namespace

intptr_t ShellExecuteA(HWND, const char* operation, const char* file, const char*, const char*,
                       int32_t) {
    if (!OpensByDefault(operation) || file == nullptr) return SE_ERR_NOASSOC;
    const std::string target = file;
    if (!WebOrMail(target) || HasControlCharacters(target)) return SE_ERR_NOASSOC;
    return vb::CurrentHost().openTarget(target) ? SE_ERR_SUCCESS : SE_ERR_NOASSOC;
}

}  // namespace win
