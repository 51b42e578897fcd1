#include <QApplication>
#include <gtest/gtest.h>

// The window and the port component need an application object and its event
// loop. Windows stay off screen, also when the test list is read at build time.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
