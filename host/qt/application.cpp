#include "host/qt/application.h"

#include <exception>

#include "host/qt/qt_host.h"
#include "platform/runtime/errors.h"

namespace qthost {

namespace {

constexpr int kInternalError = 51;

void Fail(int number, const std::string& description) {
    if (QtHost* host = QtHost::current())
        host->fail(number, description);
    else
        QCoreApplication::exit(kFailedExitCode);
}

}  // namespace

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const vb::RuntimeError& error) {
        Fail(error.Number(), error.Description());
    } catch (const std::exception& error) {
        Fail(kInternalError, error.what());
    }
    return true;
}

}  // namespace qthost
