#include <exception>

#include <QApplication>

#include "app/platform.h"
#include "app/startup_messages.h"
#include "game/random.h"
#include "ui/form1.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_toolkit.h"

int main(int argc, char* argv[])
{
    // The program takes no options and ignores its arguments, so Qt gets none of them
    // either: only the program's name, from which it names the application and window class.
    int qtArgc = argc > 0 ? 1 : 0;
    app::choosePlatform();
    app::holdStartupMessages();
    QApplication application(qtArgc, argv);
    app::releaseStartupMessages();
    ui::qt::setUpApplication();
    try {
        ui::qt::QtToolkit toolkit;
        game::SeededUniform random;
        ui::Form1 form(toolkit, random);
        form.load();
        return QApplication::exec();
    } catch (const std::exception& error) {
        ui::qt::showInternalError(nullptr, QString::fromLocal8Bit(error.what()));
    }
    return 1;
}
