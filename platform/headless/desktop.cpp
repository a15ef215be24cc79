#include "platform/headless/headless_host.h"

namespace headless {

std::string HeadlessHost::print(const vb::PrintJob& job) {
    if (!printerFailure_.empty()) return printerFailure_;
    printJobs_.push_back(job);
    return "";
}

bool HeadlessHost::openTarget(const std::string& target) {
    if (!handlers_) return false;
    openedTargets_.push_back(target);
    return true;
}

void HeadlessHost::showHelp(const std::string& title, const vb::rtf::Document& document,
                            intptr_t owner) {
    help_ = HelpShown{title, document, owner};
}

}  // namespace headless
