// The yardstick: an empty Qt Widgets window of the game's size. Run with
// --label it shows one line of text, which is what it costs Qt to bring up its
// font system at all.
#include <cstring>

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaint probe;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(524, 629);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0)
        (new QLabel(QStringLiteral("Go!"), &window))->move(10, 10);
    window.show();
    return QApplication::exec();
}
