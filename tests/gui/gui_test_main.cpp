#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Run straight from a shell the tests still need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Qt's own file dialogs can be found and answered; a desktop's cannot.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
