// The end of the program on a run-time error nobody handled (see QtHost::fail).

#include <QApplication>
#include <QMessageBox>
#include <string>

#include "host/qt/form_window.h"
#include "host/qt/qt_host.h"
#include "host/qt/units.h"
#include "platform/runtime/app.h"

namespace qthost {

void QtHost::fail(int number, const std::string& description) {
    if (failed_) return;
    failed_ = true;
    timers_.stopAll();
    const std::string text = "Run-time error '" + std::to_string(number) + "':\n" + description;
    QMessageBox box(QMessageBox::Critical, ToQString(vb::App().Title), ToQString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    for (const auto& [form, window] : windows_) window->conceal();
    for (ModalShow* show : modalShows_) {
        show->ended = true;
        show->loop->exit(kFailedExitCode);
    }
    if (running_) QCoreApplication::exit(kFailedExitCode);
}

}  // namespace qthost
