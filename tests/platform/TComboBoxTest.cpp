#include "platform/TComboBox.h"

#include "tests/support/QStringPrinter.h"

#include <QAbstractItemView>
#include <gtest/gtest.h>

namespace {
class TComboBoxTest : public testing::Test {
protected:
    void SetUp() override {
        list.setGeometry(10, 10, 214, 26);
        list.addItems({QStringLiteral("COM1"), QStringLiteral("COM2")});
        list.show();
    }

    void TearDown() override { list.hidePopup(); }

    QWidget* popup() const { return list.view()->window(); }

    TComboBox list;
};

TEST_F(TComboBoxTest, OnDropDownRunsBeforeTheListOpens) {
    bool openWhenCalled = true;
    list.OnDropDown = [&](QObject* Sender) {
        EXPECT_EQ(Sender, &list);
        openWhenCalled = popup()->isVisible();
        list.addItem(QStringLiteral("COM3"));
    };
    list.showPopup();
    EXPECT_FALSE(openWhenCalled);
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_EQ(list.view()->model()->rowCount(), 3);
}

TEST_F(TComboBoxTest, OnDropDownRunsAtEveryOpening) {
    int calls = 0;
    list.OnDropDown = [&](QObject*) { ++calls; };
    list.showPopup();
    list.hidePopup();
    list.showPopup();
    EXPECT_EQ(calls, 2);
}

struct WidthCase {
    const char* name;
    int droppedWidth;
    QString row;
    int openedWidth;
};

class TComboBoxWidthTest : public TComboBoxTest, public testing::WithParamInterface<WidthCase> {};

TEST_P(TComboBoxWidthTest, OpenedListIsTheDroppedWidthOrTheBoxWidth) {
    list.addItem(GetParam().row);
    list.SetDroppedWidth(GetParam().droppedWidth);
    list.showPopup();
    EXPECT_EQ(popup()->width(), GetParam().openedWidth);
}

const QString longRow = QString(80, u'W');

INSTANTIATE_TEST_SUITE_P(Widths, TComboBoxWidthTest,
                         testing::Values(WidthCase{"NoneSet", 0, QStringLiteral("COM3"), 214},
                                         WidthCase{"Wider", 428, QStringLiteral("COM3"), 428},
                                         WidthCase{"NarrowerThanTheBox", 50, QStringLiteral("COM3"),
                                                   214},
                                         WidthCase{"LongRowIsClipped", 428, longRow, 428},
                                         WidthCase{"LongRowWithNoneSet", 0, longRow, 214}),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
