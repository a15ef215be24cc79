#include "platform/forms/win_help.h"

#include <string>
#include <vector>

#include "platform/files/atomic_file.h"
#include "platform/forms/host.h"
#include "platform/forms/rich_text.h"
#include "platform/runtime/app.h"
#include "platform/runtime/errors.h"

namespace win {

namespace {

int32_t OpenHelp(HWND hwnd, const char* helpFile) {
    if (helpFile == nullptr) return 0;
    std::vector<uint8_t> bytes;
    try {
        bytes = vb::ReadWholeFile(helpFile);
    } catch (const vb::RuntimeError&) {
        return 0;
    }
    const vb::rtf::Document document =
        vb::rtf::Read(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (document.PlainText().find_first_not_of(" \t\n") == std::string::npos) return 0;
    vb::CurrentHost().showHelp(vb::App().Title + " Help", document, hwnd);
    return 1;
}

}  // namespace

int32_t WinHelpA(HWND hwnd, const char* helpFile, uint32_t command, uintptr_t) {
    switch (command) {
        case HELP_CONTENTS:
        case HELP_FINDER:
        case HELP_CONTEXT:
            return OpenHelp(hwnd, helpFile);
        case HELP_QUIT:
            vb::CurrentHost().closeHelp();
            return 1;
        default:
            return 0;
    }
}

}  // namespace win
