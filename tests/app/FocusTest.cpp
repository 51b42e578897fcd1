#include "tests/app/MainWindowFixture.h"

#include <QApplication>
#include <QTest>

namespace {
class FocusTest : public MainWindowTest {
protected:
    // Presses Tab (or Shift+Tab) in the focused control `count` times and names
    // the controls the focus goes to.
    QStringList walk(int count, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QStringList visited;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            visited << FocusName();
        }
        return visited;
    }
};

const QStringList fullCycle{
    QStringLiteral("Button121"), QStringLiteral("Edit121"),   QStringLiteral("Edit122"),
    QStringLiteral("Edit131"),   QStringLiteral("Edit132"),   QStringLiteral("Edit133"),
    QStringLiteral("Edit134"),   QStringLiteral("Button122"), QStringLiteral("Button123"),
    QStringLiteral("Button111"), QStringLiteral("Edit111"),   QStringLiteral("Button1"),
    QStringLiteral("ComboBox1"), QStringLiteral("ComboBox2"), QStringLiteral("ComboBox123"),
};

TEST_F(FocusTest, FocusStartsInTheShipTypeList) {
    EXPECT_EQ(FocusName(), QStringLiteral("ComboBox123"));
}

TEST_F(FocusTest, TabWalksTheWholeCycleWhileConnected) {
    EnableSetAndReadButtons();
    EXPECT_EQ(walk(fullCycle.size()), fullCycle);
}

TEST_F(FocusTest, ShiftTabWalksTheCycleBackwards) {
    EnableSetAndReadButtons();
    QStringList backwards{fullCycle.rbegin() + 1, fullCycle.rend()};
    backwards << QStringLiteral("ComboBox123");
    EXPECT_EQ(walk(fullCycle.size(), Qt::ShiftModifier), backwards);
}

TEST_F(FocusTest, TabSkipsTheDisabledButtonsWhileDisconnected) {
    QStringList enabledOnly = fullCycle;
    for (const QString& disabled :
         {QStringLiteral("Button111"), QStringLiteral("Button121"), QStringLiteral("Button123")})
        enabledOnly.removeOne(disabled);
    EXPECT_EQ(walk(enabledOnly.size()), enabledOnly);
}

TEST_F(FocusTest, TabFromTheBaudRateBoxReturnsToTheShipTypeList) {
    form.ComboBox2->setFocus();
    EXPECT_EQ(walk(1), QStringList{QStringLiteral("ComboBox123")});
}

TEST_F(FocusTest, TabFromTheShipTypeListGoesToTheCallSignWhileDisconnected) {
    EXPECT_EQ(walk(1), QStringList{QStringLiteral("Edit121")});
}
} // namespace
