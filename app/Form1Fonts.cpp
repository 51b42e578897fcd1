#include "app/Form1Fonts.h"

#include <QDir>
#include <QFontDatabase>

void RegisterWindowFonts() {
    const QDir wineFonts(QStringLiteral("/usr/share/wine/fonts"));
    for (const QString& file : {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")}) {
        if (wineFonts.exists(file))
            QFontDatabase::addApplicationFont(wineFonts.filePath(file));
    }
}
