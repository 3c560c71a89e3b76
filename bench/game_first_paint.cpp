// The game as app/main.cpp starts it, quitting after its first paint.
#include <QApplication>

#include "bench/first_paint.h"
#include "game/random.h"
#include "ui/form1.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_toolkit.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::qt::setUpApplication();
    FirstPaint probe;
    ui::qt::QtToolkit toolkit;
    game::SeededUniform random;
    ui::Form1 form(toolkit, random);
    form.load();
    return QApplication::exec();
}
