#pragma once
// A host that writes down every call the forms model makes, one line each, so that tests
// can compare what the model told the window layer.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/host.h"
#include "platform/forms/msgbox.h"

namespace formstest {

inline const char* PropName(vb::Prop p) {
    static const char* const names[] = {"Caption", "Visible", "Enabled", "Position",
                                        "Picture", "Colour",  "Font",    "Value",
                                        "Text",    "Items",   "Other"};
    return names[static_cast<int>(p)];
}

class RecordingHost : public vb::Host {
public:
    RecordingHost() { vb::SetHost(this); }
    ~RecordingHost() override { vb::SetHost(nullptr); }
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    /// The calls so far; taking them clears the record.
    std::vector<std::string> take() { return std::exchange(calls_, {}); }

    void showForm(vb::Form& f, bool modal) override {
        log(std::string(modal ? "showModal " : "show ") + f.Name());
        if (modal && duringModal) duringModal(f);
    }
    void hideForm(vb::Form& f) override { log("hide " + f.Name()); }
    void unloadForm(vb::Form& f) override { log("unload " + f.Name()); }
    void formChanged(vb::Form& f, vb::Prop p) override {
        log("form " + f.Name() + " " + PropName(p));
    }
    void controlChanged(vb::Control& c, vb::Prop p) override {
        log("control " + c.Name() + " " + PropName(p));
    }
    void controlDestroyed(vb::Control& c) override { log("destroyed " + c.Name()); }
    void timerChanged(vb::Timer& t) override {
        log("timer " + t.Name() + (t.Running() ? " running" : " stopped"));
    }
    int16_t messageBox(const std::string& prompt, int16_t buttons,
                       const std::string& title) override {
        log("msgbox " + prompt + "|" + std::to_string(buttons) + "|" + title);
        return vb::vbOK;
    }
    void sleep(uint32_t ms) override { log("sleep " + std::to_string(ms)); }
    void doEvents() override { log("doEvents"); }
    int64_t nowMs() override { return 0; }
    double secondsSinceMidnight() override { return 0; }
    int32_t screenWidth() override { return 12000; }
    int32_t screenHeight() override { return 9000; }

    /// Runs inside a modal show, standing in for the user.
    std::function<void(vb::Form&)> duringModal;

private:
    void log(std::string line) { calls_.push_back(std::move(line)); }
    std::vector<std::string> calls_;
};

using Lines = std::vector<std::string>;

}  // namespace formstest
