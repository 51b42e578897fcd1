#include "tests/app/MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

namespace {
struct Typing {
    const char* box;
    QString typed;
    QString shown;
};

void PrintTo(const Typing& typing, std::ostream* os) {
    *os << typing.box << " \"" << typing.typed.toStdString() << '"';
}

class TypingTest : public MainWindowTest, public testing::WithParamInterface<Typing> {
protected:
    TEdit* box() { return static_cast<TEdit*>(Control(QString::fromLatin1(GetParam().box))); }
};

TEST_P(TypingTest, BoxKeepsOnlyItsAcceptedCharacters) {
    box()->setFocus();
    QTest::keyClicks(box(), GetParam().typed);
    EXPECT_EQ(box()->text(), GetParam().shown);
}

const QString namePunctuation = QStringLiteral("\"'\\!?*/[]^_");

INSTANTIATE_TEST_SUITE_P(
    Boxes, TypingTest,
    testing::Values(Typing{"Edit121", QStringLiteral("a"), QStringLiteral("A")},
                    Typing{"Edit122", QStringLiteral("a"), QStringLiteral("A")},
                    Typing{"Edit111", QStringLiteral("a"), QString()},
                    Typing{"Edit131", QStringLiteral("a"), QString()},
                    Typing{"Edit132", QStringLiteral("a"), QString()},
                    Typing{"Edit133", QStringLiteral("a"), QString()},
                    Typing{"Edit134", QStringLiteral("a"), QString()},
                    Typing{"Edit111", QStringLiteral("4x3-1 "), QStringLiteral("431")},
                    Typing{"Edit131", QStringLiteral("12.5"), QStringLiteral("125")},
                    Typing{"Edit122", QStringLiteral("a b"), QStringLiteral("A B")},
                    Typing{"Edit121", QStringLiteral("a b"), QStringLiteral("AB")},
                    Typing{"Edit121", QStringLiteral("JA-1"), QStringLiteral("JA1")},
                    Typing{"Edit122", QStringLiteral("A+B@C"), QStringLiteral("ABC")},
                    Typing{"Edit122", namePunctuation, namePunctuation},
                    Typing{"Edit122", QStringLiteral("a{|}~`"), QStringLiteral("A")},
                    Typing{"Edit111", QStringLiteral("1234567890"), QStringLiteral("1234567890")},
                    Typing{"Edit121", QStringLiteral("ABCDEFGH"), QStringLiteral("ABCDEFGH")},
                    Typing{"Edit122", QStringLiteral("ABCDEFGHIJKLMNOPQRSTU"),
                           QStringLiteral("ABCDEFGHIJKLMNOPQRSTU")}));

const char* const allBoxes[] = {"Edit111", "Edit121", "Edit122", "Edit131",
                                "Edit132", "Edit133", "Edit134"};

class EveryBoxTest : public MainWindowTest, public testing::WithParamInterface<const char*> {
protected:
    TEdit* box() { return static_cast<TEdit*>(Control(QString::fromLatin1(GetParam()))); }
};

TEST_P(EveryBoxTest, BackspaceDeletesAsUsual) {
    QTest::keyClicks(box(), QStringLiteral("12"));
    QTest::keyClick(box(), Qt::Key_Backspace);
    EXPECT_EQ(box()->text(), QStringLiteral("1"));
}

TEST_P(EveryBoxTest, EditingKeysWorkAsUsual) {
    QTest::keyClicks(box(), QStringLiteral("123"));
    QTest::keyClick(box(), Qt::Key_Home);
    QTest::keyClick(box(), Qt::Key_Delete);
    QTest::keyClick(box(), Qt::Key_End);
    QTest::keyClick(box(), Qt::Key_Left);
    QTest::keyClicks(box(), QStringLiteral("4"));
    EXPECT_EQ(box()->text(), QStringLiteral("243"));
}

TEST_P(EveryBoxTest, FullWidthAndAccentedCharactersAreRejected) {
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("\uFF11\uFF21\u00E9"));
    QApplication::sendEvent(box(), &commit);
    QTest::sendKeyEvent(QTest::Click, box(), Qt::Key_Eacute, QStringLiteral("\u00E9"),
                        Qt::NoModifier);
    EXPECT_EQ(box()->text(), QString());
}

TEST_P(EveryBoxTest, ClipboardShortcutsAreDropped) {
    QApplication::clipboard()->setText(QStringLiteral("9"));
    box()->setText(QStringLiteral("12"));
    box()->selectAll();
    for (Qt::Key key : {Qt::Key_C, Qt::Key_X, Qt::Key_V})
        QTest::keyClick(box(), key, Qt::ControlModifier);
    EXPECT_EQ(box()->text(), QStringLiteral("12"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("9"));
}

TEST_P(EveryBoxTest, PastedTextIsNotFiltered) {
    QApplication::clipboard()->setText(QStringLiteral("a+@"));
    box()->paste();
    EXPECT_EQ(box()->text(), QStringLiteral("a+@"));
}

INSTANTIATE_TEST_SUITE_P(Boxes, EveryBoxTest, testing::ValuesIn(allBoxes),
                         [](const auto& info) { return std::string(info.param); });
} // namespace
