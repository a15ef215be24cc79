// The yardstick of the start-up bench: the least a Qt6 program shows, one window with one
// label, started and closed the way the game is.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label("Tolvarin");
    label.resize(320, 200);
    label.show();
    return QApplication::exec();
}
