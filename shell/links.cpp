#include "shell/links.h"

#include <string>

#include "platform/forms/shell_execute.h"
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

}  // namespace Module1
