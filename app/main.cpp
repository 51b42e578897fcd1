#include "app/Form1.h"
#include "app/Form1Fonts.h"

#include <QApplication>
#include <QIcon>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quorvane")));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));
    RegisterWindowFonts();
    // The window lives until the message loop has returned, so a handler still
    // running inside a wait when the window closes finds everything it uses.
    auto Form1 = std::make_unique<TForm1>();
    Form1->show();
    application.exec();
    return 0;
}
