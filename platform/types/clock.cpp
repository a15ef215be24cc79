#include "platform/types/clock.h"

#include <stdexcept>

namespace vb {

namespace {
Clock* installed = nullptr;
}  // namespace

void SetClock(Clock* clock) { installed = clock; }

Clock& CurrentClock() {
    if (!installed) throw std::logic_error("no window host is installed");
    return *installed;
}

bool HasClock() { return installed != nullptr; }

}  // namespace vb

namespace win {

void Sleep(uint32_t ms) { vb::CurrentClock().sleep(ms); }

}  // namespace win
