#include "codec/LineAssembler.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Plays the receive handler: feeds characters in order and keeps every line.
struct Receiver {
    QString receiving;
    QStringList lines;

    void Deliver(const QString& chars) {
        for (QChar c : chars) {
            QString line;
            if (AssembleChar(c, receiving, line) == RxCharKind::LineEnd) {
                lines.append(line);
            }
        }
    }
};

TEST(LineAssembler, ReceiveDataStartsEmpty) {
    EXPECT_TRUE(ReceiveData.isEmpty());
}

TEST(LineAssembler, ReportsTheKindOfEachCharacter) {
    QString receiving = QStringLiteral("AB");
    QString line;
    EXPECT_EQ(AssembleChar(QChar(10), receiving, line), RxCharKind::LineFeed);
    EXPECT_EQ(receiving, QStringLiteral("AB"));
    EXPECT_EQ(AssembleChar(u'$', receiving, line), RxCharKind::Appended);
    EXPECT_EQ(receiving, QStringLiteral("AB$"));
    EXPECT_EQ(AssembleChar(QChar(13), receiving, line), RxCharKind::LineEnd);
    EXPECT_EQ(line, QStringLiteral("AB$"));
    EXPECT_TRUE(receiving.isEmpty());
}

TEST(LineAssembler, GivesOneLineWhereverTheDeliveryIsSplit) {
    const QString sent = QStringLiteral("$AIVSD,30*66\r\n");
    for (qsizetype split = 0; split <= sent.size(); ++split) {
        Receiver rx;
        rx.Deliver(sent.left(split));
        rx.Deliver(sent.mid(split));
        rx.Deliver(QStringLiteral("X\r"));
        EXPECT_EQ(rx.lines, QStringList({QStringLiteral("$AIVSD,30*66"), QStringLiteral("X")}))
            << "split at " << split;
    }
}

TEST(LineAssembler, CrAloneEndsALineEvenAnEmptyOne) {
    Receiver rx;
    rx.Deliver(QStringLiteral("A\r\r"));
    EXPECT_EQ(rx.lines, QStringList({QStringLiteral("A"), QString()}));
}

TEST(LineAssembler, LfAloneEndsNoLine) {
    Receiver rx;
    rx.Deliver(QStringLiteral("AB\nC\n"));
    EXPECT_TRUE(rx.lines.isEmpty());
    rx.Deliver(QStringLiteral("\r"));
    EXPECT_EQ(rx.lines, QStringList({QStringLiteral("ABC")}));
}

TEST(LineAssembler, KeepsNulAndEightBitCharacters) {
    QString chars(1, QChar(0));
    for (char16_t code = 128; code <= 255; ++code) {
        chars.append(QChar(code));
    }
    Receiver rx;
    rx.Deliver(chars + QChar(13));
    EXPECT_EQ(rx.lines, QStringList({chars}));
}

} // namespace
