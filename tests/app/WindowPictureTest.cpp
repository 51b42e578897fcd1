#include "app/Form1.h"
#include "app/Form1Fonts.h"
#include "tests/support/FakeComPort.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

// Draws the window as the program starts it, with the fonts the program
// registers, for a person to look at.
TEST(WindowPicture, WrittenAsTheWindowStarts) {
    RegisterWindowFonts();
    TForm1 form(std::make_unique<FakeComPort>());
    form.show();
    const QImage picture = form.grab().toImage();
    EXPECT_EQ(picture.size(), QSize(599, 394));
    EXPECT_TRUE(picture.save(QStringLiteral(WINDOW_PICTURE_PATH)));
}
