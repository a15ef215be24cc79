// Showing, hiding and unloading windows. A modal show runs a nested event loop, in which
// timers tick and the modal window takes the input, until the window is hidden or
// unloaded; the program's other windows are blocked meanwhile, and its owner (or the main
// window) is active again afterwards, so that its menu keys work without a click.

#include <QEventLoop>
#include <algorithm>

#include "host/qt/form_window.h"
#include "host/qt/qt_host.h"

namespace qthost {

void QtHost::showForm(vb::Form& form, bool modal) {
    if (failed_) return;
    window(form).present(modal);
    eventDelivered();
    if (!modal) return;
    QEventLoop loop;
    ModalShow show{&form, &loop, false};
    modalShows_.push_back(&show);
    if (form.Loaded() && form.Visible()) loop.exec();
    std::erase(modalShows_, &show);
    if (FormWindow* back = returnWindow(form)) {
        back->raise();
        back->activateWindow();
    }
}

bool QtHost::blockedByModal(const vb::Form& form) const {
    const auto show = std::find_if(modalShows_.rbegin(), modalShows_.rend(),
                                   [](const ModalShow* s) { return !s->ended; });
    return show != modalShows_.rend() && (*show)->form != &form;
}

// The owner a modal window was shown over, or else the first window still showing: the
// main window, made before any other.
FormWindow* QtHost::returnWindow(const vb::Form& form) const {
    if (form.Owner())
        if (FormWindow* owner = windowOf(*form.Owner()); owner && owner->isVisible()) return owner;
    for (const vb::Form* other : vb::AllForms())
        if (FormWindow* w = windowOf(*other); w && other != &form && w->isVisible()) return w;
    return nullptr;
}

void QtHost::hideForm(vb::Form& form) {
    if (FormWindow* w = windowOf(form)) w->conceal();
    endModal(form);
    quitWhenNoWindowShows();
}

// The window is kept, hidden, for the form's next load.
void QtHost::unloadForm(vb::Form& form) { hideForm(form); }

// Closing a window ends its innermost modal show still in progress.
void QtHost::endModal(const vb::Form& form) {
    const auto show = std::find_if(modalShows_.rbegin(), modalShows_.rend(),
                                   [&](ModalShow* s) { return s->form == &form && !s->ended; });
    if (show == modalShows_.rend()) return;
    (*show)->ended = true;
    (*show)->loop->quit();
}

}  // namespace qthost
