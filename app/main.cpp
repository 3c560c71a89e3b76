#include <exception>

#include <QApplication>
#include <QMessageBox>

#include "game/random.h"
#include "ui/form1.h"
#include "ui/qt_toolkit.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    try {
        ui::QtToolkit toolkit;
        game::SeededUniform random;
        ui::Form1 form(toolkit, random);
        form.load();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Huecracker"),
                              QStringLiteral("Huecracker met an internal error and must close:\n%1")
                                  .arg(QString::fromLocal8Bit(error.what())));
    }
    return 1;
}
