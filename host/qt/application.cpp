#include "host/qt/application.h"

#include <QDBusConnection>

#include "host/qt/failure.h"
#include "host/qt/qt_host.h"

namespace qthost {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    if (platformName() == "xcb" || platformName() == "wayland")
        busConnecting_ = std::jthread([] { QDBusConnection::sessionBus(); });
}

void Fail(int number, const std::string& description) {
    if (QtHost* host = QtHost::current())
        host->fail(number, description);
    else
        QCoreApplication::exit(kFailedExitCode);
}

// The last resort: every call into the game's handlers is guarded where Qt makes it.
bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = true;
    Guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace qthost
