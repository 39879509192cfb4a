// The floor of start-up: a bare Qt program that opens an empty 988 x 606 window. It prints the
// monotonic clock when its first picture has been painted, then quits.
#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(988, 606);
    QuitAfterFirstPaint watcher(&window, [] { return true; });
    window.show();
    return QApplication::exec();
}
