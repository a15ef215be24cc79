// The program's start: the Qt window layer, the mark that a copy is running, then Main;
// the program runs on until its last window closes.

#include <QApplication>

#include "host/qt/qt_host.h"
#include "platform/runtime/app.h"
#include "platform/runtime/instance_lock.h"
#include "shell/main.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    qthost::QtHost host;
    const vb::InstanceLock running(vb::InstanceLockPath());
    vb::App().PrevInstance = running.HeldElsewhere();
    Module1::Main();
    return host.exec();
}
