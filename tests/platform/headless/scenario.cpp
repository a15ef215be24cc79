#include "platform/headless/scenario.h"

#include <stdexcept>

#include "platform/forms/msgbox.h"

namespace headlesstest {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    size_t from = 0;
    while (from <= text.size()) {
        size_t to = text.find(sep, from);
        if (to == std::string::npos) to = text.size();
        if (std::string part = Trim(text.substr(from, to - from)); !part.empty())
            parts.push_back(part);
        from = to + 1;
    }
    return parts;
}

}  // namespace

Scenario::Scenario(const std::string& timers, const std::string& hooks) {
    for (const std::string& spec : Split(timers, ' ')) {
        vb::Timer& t = timer(spec.substr(0, 1));
        t.setInterval(static_cast<uint32_t>(std::stoul(spec.substr(2))));
        if (spec.ends_with("/off")) t.setEnabled(false);
    }
    for (const std::string& hook : Split(hooks, ';')) {
        const auto colon = hook.find(':');
        hooks_[hook.substr(0, colon)] = hook.substr(colon + 1);
    }
    for (vb::Timer* t : {&rig.A, &rig.B, &rig.C}) t->Tick = [this, t] { tick(*t); };
    rig.Load();
}

vb::Timer& Scenario::timer(const std::string& name) {
    if (name == "A") return rig.A;
    if (name == "B") return rig.B;
    if (name == "C") return rig.C;
    throw std::invalid_argument("no timer " + name);
}

void Scenario::tick(vb::Timer& t) {
    ticks_.push_back(t.Name() + "@" + std::to_string(host.nowMs()));
    const std::string key = t.Name() + "#" + std::to_string(++counts_[t.Name()]);
    if (auto it = hooks_.find(key); it != hooks_.end())
        for (const std::string& s : Split(it->second, ',')) step(s);
}

void Scenario::run(const std::string& steps) {
    for (const std::string& s : Split(steps, ';')) step(s);
}

void Scenario::step(const std::string& text) {
    const std::vector<std::string> w = Split(text, ' ');
    const std::string& verb = w.at(0);
    if (verb == "advance") return host.advance(std::stoll(w.at(1)));
    if (verb == "sleep") return host.sleep(static_cast<uint32_t>(std::stoul(w.at(1))));
    if (verb == "doEvents") return host.doEvents();
    if (verb == "enable") return timer(w.at(1)).setEnabled(true);
    if (verb == "disable") return timer(w.at(1)).setEnabled(false);
    if (verb == "interval")
        return timer(w.at(1)).setInterval(static_cast<uint32_t>(std::stoul(w.at(2))));
    if (verb == "load") return rig.Load();
    if (verb == "unload") return static_cast<void>(rig.Unload());
    if (verb == "modal") {
        const int64_t ms = std::stoll(w.at(1));
        host.onModal("frmDialog", [this, ms](vb::Form& f) {
            host.advance(ms);
            f.Unload();
        });
        return dialog.Show(vb::vbModal);
    }
    if (verb == "msgbox") {
        host.answerMsgBox(vb::vbOK);
        return static_cast<void>(vb::MsgBox("Exit Tolvarin?", vb::vbOKCancel));
    }
    throw std::invalid_argument("unknown step: " + text);
}

std::string Scenario::result() {
    std::string out;
    for (const std::string& t : ticks_) out += t + " ";
    return out + "| " + std::to_string(host.nowMs());
}

}  // namespace headlesstest
