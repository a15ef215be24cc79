#include "platform/forms/host.h"

#include <stdexcept>

#include "platform/forms/window_pixels.h"

namespace vb {

namespace {
Host* installed = nullptr;
}  // namespace

std::string Host::print(const PrintJob&) { return "There is no printer."; }
bool Host::openTarget(const std::string&) { return false; }
void Host::showHelp(const std::string&, const rtf::Document&, intptr_t) {}
void Host::closeHelp() {}

void SetHost(Host* host) {
    installed = host;
    SetClock(host);
    ShowWindowsThrough(host);
}

Host& CurrentHost() {
    if (!installed) throw std::logic_error("no window host is installed");
    return *installed;
}

bool HasHost() { return installed != nullptr; }

void DoEvents() { CurrentHost().doEvents(); }

}  // namespace vb
