// A second yardstick: the empty window with one line of text, which is what it
// costs Qt to bring up its font system at all.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaint probe;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text"));
    window.setFixedSize(524, 629);
    QLabel label(QStringLiteral("Go!"), &window);
    label.move(10, 10);
    window.show();
    return QApplication::exec();
}
