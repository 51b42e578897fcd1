#include "platform/TComboBox.h"

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

TEST_F(TComboBoxTest, OpenedListKeepsTheBoxWidthByDefault) {
    list.showPopup();
    EXPECT_GE(popup()->width(), list.width());
    EXPECT_LT(popup()->width(), 2 * list.width());
}

TEST_F(TComboBoxTest, DroppedWidthIsTheOpenedListsSmallestWidth) {
    list.SetDroppedWidth(428);
    list.showPopup();
    EXPECT_GE(popup()->width(), 428);
    EXPECT_EQ(list.DroppedWidth(), 428);
}

TEST_F(TComboBoxTest, DroppedWidthBelowTheBoxWidthDoesNotNarrowTheList) {
    list.SetDroppedWidth(50);
    list.showPopup();
    EXPECT_GE(popup()->width(), list.width());
}
} // namespace
