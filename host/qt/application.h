#pragma once
// The program's QApplication. Every event the game handles is delivered through it, so a
// run-time error that escapes a handler, a timer or a modal window's loop ends here: the
// running QtHost tells it and ends the program in order, instead of the error unwinding
// through Qt, which cannot carry it.

#include <QApplication>

namespace qthost {

class Application : public QApplication {
public:
    Application(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace qthost
