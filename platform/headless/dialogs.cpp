#include <algorithm>

#include "platform/headless/headless_host.h"

namespace headless {

void HeadlessHost::onModal(std::string formName, std::function<void(vb::Form&)> script) {
    modalScripts_.push_back({std::move(formName), std::move(script)});
}

void HeadlessHost::answerMsgBox(int16_t answer) { msgBoxAnswers_.push_back(answer); }

std::vector<std::string> HeadlessHost::pendingScripts() const {
    std::vector<std::string> left;
    for (const ModalScript& m : modalScripts_) left.push_back("onModal " + m.formName);
    for (int16_t a : msgBoxAnswers_) left.push_back("answerMsgBox " + std::to_string(a));
    return left;
}

// A modeless window needs nothing here; a modal one runs the script the test queued for it,
// which stands in for the user working in the window until it closes.
void HeadlessHost::showForm(vb::Form& form, bool modal) {
    if (!modal) return;
    auto it = std::find_if(modalScripts_.begin(), modalScripts_.end(),
                           [&](const ModalScript& m) { return m.formName == form.Name(); });
    if (it == modalScripts_.end())
        throw UnscriptedDialog("modal window \"" + form.Name() +
                               "\" was shown, but no onModal script was queued for it");
    auto script = std::move(it->script);
    modalScripts_.erase(it);

    modalShows_.push_back({&form, false});
    try {
        script(form);
    } catch (...) {
        modalShows_.pop_back();
        throw;
    }
    const bool ended = modalShows_.back().ended;
    modalShows_.pop_back();
    if (!ended)
        throw UnscriptedDialog("the onModal script of \"" + form.Name() +
                               "\" returned while the window was still shown modally");
}

void HeadlessHost::hideForm(vb::Form& form) { endModal(form); }

void HeadlessHost::unloadForm(vb::Form& form) { endModal(form); }

// Closing a window ends its innermost modal show still in progress.
void HeadlessHost::endModal(const vb::Form& form) {
    for (auto it = modalShows_.rbegin(); it != modalShows_.rend(); ++it) {
        if (it->form == &form && !it->ended) {
            it->ended = true;
            return;
        }
    }
}

// A message box answers at once: the clock does not move while it is open.
int16_t HeadlessHost::messageBox(const std::string& prompt, int16_t buttons,
                                 const std::string& title) {
    if (msgBoxAnswers_.empty())
        throw UnscriptedDialog("message box \"" + prompt + "\" (title \"" + title +
                               "\") was shown, but no answer was queued for it");
    const int16_t answer = msgBoxAnswers_.front();
    msgBoxAnswers_.pop_front();
    messageBoxes_.push_back({prompt, buttons, title, answer});
    return answer;
}

}  // namespace headless
