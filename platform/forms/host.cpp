#include "platform/forms/host.h"

#include <stdexcept>

namespace vb {

namespace {
Host* installed = nullptr;
}  // namespace

void SetHost(Host* host) { installed = host; }

Host& CurrentHost() {
    if (!installed) throw std::logic_error("no window host is installed");
    return *installed;
}

bool HasHost() { return installed != nullptr; }

void DoEvents() { CurrentHost().doEvents(); }

}  // namespace vb

namespace win {

void Sleep(uint32_t ms) { vb::CurrentHost().sleep(ms); }

}  // namespace win
