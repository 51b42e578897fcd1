#include "platform/ErrorBox.h"

#include "platform/Exception.h"
#include "tests/support/QStringPrinter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
struct FullStopCase {
    QString message;
    QString shown;
};

class ErrorBoxTextTest : public testing::TestWithParam<FullStopCase> {};

TEST_P(ErrorBoxTextTest, FullStopFollowsALastCharacterAboveTheFullStop) {
    EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxTextTest,
    testing::Values(FullStopCase{QStringLiteral("abc"), QStringLiteral("abc.")},
                    FullStopCase{QStringLiteral("abc."), QStringLiteral("abc.")},
                    FullStopCase{QStringLiteral("abc "), QStringLiteral("abc ")},
                    FullStopCase{QStringLiteral("a)"), QStringLiteral("a)")},
                    FullStopCase{QStringLiteral("a-"), QStringLiteral("a-")},
                    FullStopCase{QStringLiteral("a/"), QStringLiteral("a/.")},
                    FullStopCase{QStringLiteral("値"), QStringLiteral("値.")},
                    FullStopCase{QString(), QString()}));

// Collects what the error box would show.
class RunGuardedTest : public testing::Test {
protected:
    void SetUp() override {
        SetErrorBoxSink([this](const QString& text) { shown << text; });
    }
    void TearDown() override { SetErrorBoxSink({}); }

    QStringList shown;
};

TEST_F(RunGuardedTest, ShowsTheMessageOfAnException) {
    RunGuarded([] { throw EConvertError(QStringLiteral("'x' is not a valid integer value")); });
    EXPECT_EQ(shown, QStringList{QStringLiteral("'x' is not a valid integer value.")});
}

TEST_F(RunGuardedTest, ShowsTheMessageOfAStandardException) {
    RunGuarded([] { throw std::runtime_error("Unable to open com port"); });
    EXPECT_EQ(shown, QStringList{QStringLiteral("Unable to open com port.")});
}

TEST_F(RunGuardedTest, ShowsAMessageForAnUnknownThrow) {
    RunGuarded([] { throw 42; });
    ASSERT_EQ(shown.size(), 1);
    EXPECT_FALSE(shown.front().isEmpty());
}

TEST_F(RunGuardedTest, ShowsNothingWhenTheHandlerEndsNormally) {
    bool ran = false;
    RunGuarded([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(shown.isEmpty());
}

QMessageBox* openMessageBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// A button whose click handler fails the first time, shown through the real box.
TEST(ErrorBoxShown, ShowsTheErrorAndTheNextClickIsHandled) {
    QPushButton button(QStringLiteral("Go"));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        RunGuarded([&] {
            if (++clicks == 1)
                throw EComPort(QStringLiteral("Unable to open com port"));
        });
    });
    button.show();

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList captions;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = openMessageBox();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            captions << b->text();
        box->buttons().front()->click();
    });
    button.click();
    EXPECT_EQ(title, QCoreApplication::applicationName());
    EXPECT_EQ(text, QStringLiteral("Unable to open com port."));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(captions, QStringList{QStringLiteral("OK")});

    button.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(openMessageBox(), nullptr);
}
} // namespace
