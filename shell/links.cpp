#include "shell/links.h"

#include <string>

#include "platform/forms/shell_execute.h"
#include "shell/Module1.h"
#include "shell/product.h"

namespace Module1 {

namespace {

// The result is not looked at: with no browser or mail program nothing happens.
void Open(const std::string& target) {
    win::ShellExecuteA(0, nullptr, target.c_str(), nullptr, "C:\\", win::SW_SHOWNORMAL);
}

}  // namespace

void OpenWebSite() { Open(product::kWebSite); }

void SendMail() { Open(std::string("mailto:") + product::kContactMail); }

std::string HelpFile() { return AppFolder + "TLHelp23.hlp"; }

void CloseHelp(win::HWND hWnd) { win::WinHelpA(hWnd, HelpFile().c_str(), win::HELP_QUIT, 0); }

}  // namespace Module1
