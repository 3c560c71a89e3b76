// The yardstick: an empty Qt Widgets window of the game's size.
#include <QApplication>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaint probe;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(524, 629);
    window.show();
    return QApplication::exec();
}
