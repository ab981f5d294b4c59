// Entry point of every test executable: a headless application set up as a
// program's start sets it up (look, accessibility), then GoogleTest.
#include "forms/accessibility/accessible.h"
#include "forms/core/look.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    rt::initialiseLook();
    rt::installAccessibleControls();
    return RUN_ALL_TESTS();
}
