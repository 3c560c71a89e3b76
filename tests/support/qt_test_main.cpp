// The entry point of the test programs that drive real widgets: a QApplication
// on Qt's offscreen platform, with a desktop-sized screen, around GoogleTest.
#include <QApplication>

#include <gtest/gtest.h>

#include "ui/qt/application.h"

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" OFFSCREEN_CONFIG);
    QApplication app(argc, argv);
    ui::qt::setUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
