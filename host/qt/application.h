#pragma once
// The program's QApplication. Every event the game handles is delivered through it, so a
// run-time error that escapes a handler, a timer or a modal window's loop ends here: the
// running QtHost tells it and ends the program in order, instead of the error unwinding
// through Qt, which cannot carry it.

#include <QApplication>
#include <thread>

namespace qthost {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    // The desktop's accessibility connects to the session bus when the first widget
    // changes, and the first window would wait for it (for dbus-launch to start a bus for
    // the display, where none is named); connected on a thread of its own while the window
    // is made, it is ready.
    std::jthread busConnecting_;
};

}  // namespace qthost
