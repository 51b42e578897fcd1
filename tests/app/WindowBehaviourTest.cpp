#include "tests/app/MainWindowFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {
using WindowBehaviourTest = MainWindowTest;

TEST_F(WindowBehaviourTest, OpenedShipTypeListIsTwiceThePortListWide) {
    QTest::mouseClick(form.ComboBox123, Qt::LeftButton);
    QWidget* opened = form.ComboBox123->view()->window();
    ASSERT_TRUE(opened->isVisible());
    EXPECT_EQ(opened->width(), 428);
    form.ComboBox123->hidePopup();
}

TEST_F(WindowBehaviourTest, OpeningTheShipTypeListKeepsItsRowsAndSelection) {
    form.ComboBox123->setCurrentIndex(4);
    QTest::mouseClick(form.ComboBox123, Qt::LeftButton);
    form.ComboBox123->hidePopup();
    EXPECT_EQ(form.ComboBox123->count(), 20);
    EXPECT_EQ(form.ComboBox123->currentIndex(), 4);
}

TEST_F(WindowBehaviourTest, DataClearSubEmptiesTheShipDataAndSelectsTheDefaultType) {
    for (TEdit* box : {form.Edit111, form.Edit121, form.Edit122, form.Edit131, form.Edit132,
                       form.Edit133, form.Edit134})
        box->setText(QStringLiteral("12"));
    form.ComboBox123->setCurrentIndex(2);

    form.DataClearSub();

    for (TEdit* box :
         {form.Edit121, form.Edit122, form.Edit131, form.Edit132, form.Edit133, form.Edit134})
        EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(form.ComboBox123->currentIndex(), 7);
    EXPECT_EQ(form.ComboBox123->currentText(), QStringLiteral("37 : Vessel- Pleasure craft"));
    EXPECT_EQ(form.Edit111->text(), QStringLiteral("12"));
    EXPECT_FALSE(form.Button121->isEnabled());
    EXPECT_TRUE(port->log.isEmpty());
}

// With every Set and Read button enabled, a click on any of them would write to
// the port, show a dialog or raise an error; Enter and Escape must do neither.
TEST_F(WindowBehaviourTest, EnterAndEscapeInAnyBoxPressNoButton) {
    EnableSetAndReadButtons();
    form.Edit111->setText(QStringLiteral("431000001"));
    for (const char* name : {"Edit111", "Edit121", "Edit122", "Edit131", "Edit132", "Edit133",
                             "Edit134", "ComboBox123", "ComboBox1", "ComboBox2"}) {
        SCOPED_TRACE(name);
        QWidget* box = Control(QString::fromLatin1(name));
        box->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(QApplication::focusWidget(), key);
    }
    EXPECT_TRUE(port->log.isEmpty());
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Connect"));
    EXPECT_EQ(form.Edit111->text(), QStringLiteral("431000001"));
}

TEST_F(WindowBehaviourTest, NoTextCanBeTypedIntoTheShipTypeList) {
    form.ComboBox123->setFocus();
    QTest::keyClicks(form.ComboBox123, QStringLiteral("xyz"));
    EXPECT_EQ(form.ComboBox123->currentText(), QString());
}

TEST_F(WindowBehaviourTest, BaudRateBoxTakesAnyTextAndChangesNothing) {
    form.ComboBox2->setFocus();
    form.ComboBox2->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("fast!"));
    EXPECT_EQ(form.ComboBox2->currentText(), QStringLiteral("fast!"));
    EXPECT_EQ(form.ComboBox2->count(), 5);
    EXPECT_TRUE(port->log.isEmpty());
}
} // namespace
