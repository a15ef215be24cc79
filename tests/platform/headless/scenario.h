#pragma once
// A small driver for timer scenarios on the headless host: a form with three timers A, B
// and C (made in that order), steps written as text, and a record of every tick with the
// clock at which it came.

#include <map>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/headless/headless_host.h"

namespace headlesstest {

struct Rig : vb::Form {
    Rig() : vb::Form("frmRig") {}
    vb::Timer A{*this, "A"};
    vb::Timer B{*this, "B"};
    vb::Timer C{*this, "C"};
};

struct Dialog : vb::Form {
    Dialog() : vb::Form("frmDialog") {}
};

class Scenario {
public:
    /// @p timers: "A=100 B=50/off" gives each named timer its interval, "/off" stores it
    /// disabled. @p hooks: "A#1: sleep 250, disable A; B#2: enable A" runs steps inside the
    /// given tick of a timer (counted from 1).
    Scenario(const std::string& timers, const std::string& hooks);

    /// Runs steps separated by ';': "advance N", "sleep N", "doEvents", "enable X",
    /// "disable X", "interval X N", "load", "unload", "modal N" (a modal window whose
    /// script advances N ms and closes it), "msgbox" (an answered message box).
    void run(const std::string& steps);
    /// The ticks as "A@100 B@150", then " | " and the clock.
    std::string result();

    headless::HeadlessHost host;
    Rig rig;
    Dialog dialog;

private:
    vb::Timer& timer(const std::string& name);
    void step(const std::string& text);
    void tick(vb::Timer& t);

    std::map<std::string, std::string> hooks_;
    std::map<std::string, int> counts_;
    std::vector<std::string> ticks_;
};

}  // namespace headlesstest
