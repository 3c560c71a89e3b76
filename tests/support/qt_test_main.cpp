// The entry point of the test programs that drive real widgets: a QApplication
// on Qt's offscreen platform, with the screens of offscreen.h, around GoogleTest.
#include <QApplication>

#include <gtest/gtest.h>

#include "offscreen.h"
#include "ui/qt/application.h"

int main(int argc, char* argv[])
{
    useOffscreenScreens();
    QApplication app(argc, argv);
    ui::qt::setUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
