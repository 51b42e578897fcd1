#include <QApplication>
#include <gtest/gtest.h>

// Widget and port tests need an application object and its event loop. Windows
// stay off screen; listing the tests (as the build does to register them) makes
// no application at all.
int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
