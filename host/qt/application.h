#pragma once
// The program's QApplication. Every event the game handles is delivered through it, so a
// run-time error that escapes a handler, a timer or a modal window's loop ends here: the
// running QtHost tells it and ends the program in order, instead of the error unwinding
// through Qt, which cannot carry it.

#include <QApplication>
#include <thread>

namespace qthost {

// Fontconfig reads its configuration and font caches once a process, when Qt first asks for
// a font, and the first window would wait for it. Read on a thread of their own while Qt
// connects to the display, they are ready by the time the first window is made.
class FontConfigurationReading {
protected:
    FontConfigurationReading();
    // Waits for the reading: fontconfig must not be read by two threads at once, and Qt
    // reads it once it runs.
    void fontConfigurationRead() { reading_.join(); }

private:
    std::jthread reading_;
};

// The reading starts before Qt's own start: a base is made before the bases after it.
class Application : private FontConfigurationReading, public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    // The desktop's accessibility connects to the session bus when the first widget
    // changes, and the first window would wait for it (for a failed start of a bus where
    // there is none); connected on a thread of its own while the window is made, it is ready.
    std::jthread busConnecting_;
};

}  // namespace qthost
