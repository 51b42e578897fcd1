#include "platform/TEdit.h"

#include "tests/support/QStringPrinter.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {
constexpr char16_t Dropped = 0;

// A shown edit box whose handler records every character offered to it and
// answers with what the test's rule makes of it.
class TEditTest : public testing::Test {
protected:
    void SetUp() override {
        box.OnKeyPress = [this](QObject* Sender, QChar& Key) {
            EXPECT_EQ(Sender, &box);
            offered.push_back(Key.unicode());
            Key = rule(Key);
        };
        box.show();
    }

    void typeText(const QString& text) {
        box.setText(text);
        offered.clear();
    }

    TEdit box;
    std::function<QChar(QChar)> rule = [](QChar key) { return key; };
    std::vector<char16_t> offered;
};

TEST_F(TEditTest, ReplacedCharacterGoesIntoTheBox) {
    rule = [](QChar key) { return key.toUpper(); };
    QTest::keyClicks(&box, QStringLiteral("ab1"));
    EXPECT_EQ(box.text(), QStringLiteral("AB1"));
    EXPECT_EQ(offered, (std::vector<char16_t>{u'a', u'b', u'1'}));
}

TEST_F(TEditTest, CodeZeroPutsNothingIntoTheBox) {
    rule = [](QChar key) { return key == u'x' ? QChar(Dropped) : key; };
    QTest::keyClicks(&box, QStringLiteral("axbx"));
    EXPECT_EQ(box.text(), QStringLiteral("ab"));
}

TEST_F(TEditTest, ReplacementReplacesTheSelection) {
    rule = [](QChar key) { return key.toUpper(); };
    typeText(QStringLiteral("abcd"));
    box.setSelection(1, 2);
    QTest::keyClick(&box, Qt::Key_Z);
    EXPECT_EQ(box.text(), QStringLiteral("aZd"));
}

TEST_F(TEditTest, BackspaceIsOfferedAsEightAndDeletes) {
    typeText(QStringLiteral("abc"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("ab"));
    EXPECT_EQ(offered, (std::vector<char16_t>{8}));
}

TEST_F(TEditTest, DroppedBackspaceDeletesNothing) {
    rule = [](QChar) { return QChar(Dropped); };
    typeText(QStringLiteral("abc"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("abc"));
}

struct OfferedKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    char16_t code;
};

class TEditOfferedKeyTest : public TEditTest, public testing::WithParamInterface<OfferedKey> {};

TEST_P(TEditOfferedKeyTest, ReachesTheHandlerAsItsCharacterCode) {
    rule = [](QChar) { return QChar(Dropped); };
    QTest::keyClick(&box, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(offered, std::vector<char16_t>{GetParam().code});
    EXPECT_EQ(box.text(), QString());
}

INSTANTIATE_TEST_SUITE_P(Keys, TEditOfferedKeyTest,
                         testing::Values(OfferedKey{"Letter", Qt::Key_A, Qt::NoModifier, u'a'},
                                         OfferedKey{"Blank", Qt::Key_Space, Qt::NoModifier, u' '},
                                         OfferedKey{"Enter", Qt::Key_Return, Qt::NoModifier, 13},
                                         OfferedKey{"Escape", Qt::Key_Escape, Qt::NoModifier, 27},
                                         OfferedKey{"CtrlC", Qt::Key_C, Qt::ControlModifier, 3},
                                         OfferedKey{"CtrlV", Qt::Key_V, Qt::ControlModifier, 22},
                                         OfferedKey{"CtrlX", Qt::Key_X, Qt::ControlModifier, 24}),
                         [](const auto& info) { return std::string(info.param.name); });

// A control character passed on unchanged is not typed into the box either.
TEST_F(TEditTest, PassedControlCharacterTypesNothing) {
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Escape);
    QTest::keyClick(&box, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(offered, (std::vector<char16_t>{13, 27, 2}));
    EXPECT_EQ(box.text(), QString());
}

struct EditingKey {
    const char* name;
    std::vector<Qt::Key> keys;
    QString text;
    int cursor;
};

class TEditEditingKeyTest : public TEditTest, public testing::WithParamInterface<EditingKey> {};

// Even a handler that drops every character leaves these keys working.
TEST_P(TEditEditingKeyTest, IsNotOfferedAndWorksAsUsual) {
    rule = [](QChar) { return QChar(Dropped); };
    typeText(QStringLiteral("abcd"));
    box.setCursorPosition(2);
    for (Qt::Key key : GetParam().keys)
        QTest::keyClick(&box, key);
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(box.text(), GetParam().text);
    EXPECT_EQ(box.cursorPosition(), GetParam().cursor);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TEditEditingKeyTest,
    testing::Values(EditingKey{"Delete", {Qt::Key_Delete}, QStringLiteral("abd"), 2},
                    EditingKey{"Left", {Qt::Key_Left}, QStringLiteral("abcd"), 1},
                    EditingKey{"Right", {Qt::Key_Right}, QStringLiteral("abcd"), 3},
                    EditingKey{"Home", {Qt::Key_Home}, QStringLiteral("abcd"), 0},
                    EditingKey{"End", {Qt::Key_End}, QStringLiteral("abcd"), 4},
                    EditingKey{
                        "HomeDelete", {Qt::Key_Home, Qt::Key_Delete}, QStringLiteral("bcd"), 0},
                    EditingKey{"EndLeftDelete",
                               {Qt::Key_End, Qt::Key_Left, Qt::Key_Delete},
                               QStringLiteral("abc"),
                               3}),
    [](const auto& info) { return std::string(info.param.name); });

// The clipboard shortcuts act only when the handler passes their characters on.
class TEditClipboardTest : public TEditTest {
protected:
    void SetUp() override {
        TEditTest::SetUp();
        QApplication::clipboard()->setText(QStringLiteral("clip"));
        typeText(QStringLiteral("abcd"));
        box.setSelection(1, 2);
    }

    void pressCtrl(Qt::Key key) { QTest::keyClick(&box, key, Qt::ControlModifier); }
    QString clipboard() const { return QApplication::clipboard()->text(); }
};

TEST_F(TEditClipboardTest, DroppedCtrlCCopiesNothing) {
    rule = [](QChar) { return QChar(Dropped); };
    pressCtrl(Qt::Key_C);
    EXPECT_EQ(clipboard(), QStringLiteral("clip"));
    EXPECT_EQ(box.text(), QStringLiteral("abcd"));
}

TEST_F(TEditClipboardTest, DroppedCtrlVPastesNothing) {
    rule = [](QChar) { return QChar(Dropped); };
    pressCtrl(Qt::Key_V);
    EXPECT_EQ(box.text(), QStringLiteral("abcd"));
}

TEST_F(TEditClipboardTest, DroppedCtrlXCutsNothing) {
    rule = [](QChar) { return QChar(Dropped); };
    pressCtrl(Qt::Key_X);
    EXPECT_EQ(box.text(), QStringLiteral("abcd"));
    EXPECT_EQ(clipboard(), QStringLiteral("clip"));
}

TEST_F(TEditClipboardTest, PassedCtrlCCopies) {
    pressCtrl(Qt::Key_C);
    EXPECT_EQ(clipboard(), QStringLiteral("bc"));
    EXPECT_EQ(box.text(), QStringLiteral("abcd"));
}

TEST_F(TEditClipboardTest, PassedCtrlVPastes) {
    pressCtrl(Qt::Key_V);
    EXPECT_EQ(box.text(), QStringLiteral("aclipd"));
}

TEST_F(TEditClipboardTest, PassedCtrlXCuts) {
    pressCtrl(Qt::Key_X);
    EXPECT_EQ(box.text(), QStringLiteral("ad"));
    EXPECT_EQ(clipboard(), QStringLiteral("bc"));
}

TEST_F(TEditTest, TextSetByTheProgramIsNotFiltered) {
    rule = [](QChar) { return QChar(Dropped); };
    box.setText(QStringLiteral("a+@"));
    EXPECT_EQ(box.text(), QStringLiteral("a+@"));
    EXPECT_TRUE(offered.empty());
}

TEST_F(TEditTest, PastedTextIsNotFiltered) {
    rule = [](QChar) { return QChar(Dropped); };
    QApplication::clipboard()->setText(QStringLiteral("x+@"));
    box.paste();
    EXPECT_EQ(box.text(), QStringLiteral("x+@"));
    EXPECT_TRUE(offered.empty());
}

TEST_F(TEditTest, InputMethodCommitIsFilteredCharacterByCharacter) {
    rule = [](QChar key) { return key.unicode() < 128 ? key : QChar(Dropped); };
    typeText(QStringLiteral("a"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("\uFF21"
                                          "1\uFF11"));
    QApplication::sendEvent(&box, &commit);
    EXPECT_EQ(box.text(), QStringLiteral("a1"));
    EXPECT_EQ(offered, (std::vector<char16_t>{0xFF21, u'1', 0xFF11}));
}
} // namespace
