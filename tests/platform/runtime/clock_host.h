#pragma once
// A host that only tells the time of day, for the runtime calls that read the host's clock.

#include "platform/forms/host.h"

namespace runtime_test {

class ClockHost : public vb::Host {
public:
    explicit ClockHost(double seconds) : seconds_(seconds) { vb::SetHost(this); }
    ~ClockHost() override { vb::SetHost(nullptr); }
    ClockHost(const ClockHost&) = delete;
    ClockHost& operator=(const ClockHost&) = delete;

    void showForm(vb::Form&, bool) override {}
    void hideForm(vb::Form&) override {}
    void unloadForm(vb::Form&) override {}
    void formChanged(vb::Form&, vb::Prop) override {}
    void controlChanged(vb::Control&, vb::Prop) override {}
    void controlDestroyed(vb::Control&) override {}
    void timerChanged(vb::Timer&) override {}
    int16_t messageBox(const std::string&, int16_t, const std::string&) override { return 1; }
    void sleep(uint32_t) override {}
    void doEvents() override {}
    int64_t nowMs() override { return static_cast<int64_t>(seconds_ * 1000); }
    double secondsSinceMidnight() override { return seconds_; }
    int32_t screenWidth() override { return 0; }
    int32_t screenHeight() override { return 0; }

private:
    double seconds_;
};

}  // namespace runtime_test
