#include "shipdata/VesselRules.h"

#include "codec/Sentence.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(FitsLength, CountsCharactersBeforeAnyEscape) {
    EXPECT_TRUE(FitsLength(QStringLiteral("ABC1234"), CallSignRule));
    EXPECT_FALSE(FitsLength(QStringLiteral("ABC12345"), CallSignRule));
    EXPECT_TRUE(FitsLength(QStringLiteral(",,,,,,,"), CallSignRule));
    EXPECT_TRUE(FitsLength(QString(20, u'^'), ShipNameRule));
    EXPECT_FALSE(FitsLength(QString(21, u'A'), ShipNameRule));
    EXPECT_TRUE(FitsLength(QString(), ShipNameRule));
}

TEST(IsPrintableAscii, TakesTheBlankToTheTildeAlone) {
    EXPECT_TRUE(IsPrintableAscii(QString()));
    EXPECT_TRUE(IsPrintableAscii(QStringLiteral(" !\"#$%&'()*+,-./09:;<=>?@AZ[\\]^_`az{|}~")));
    for (const QString& text :
         {QStringLiteral("A\rB"), QStringLiteral("A\nB"), QStringLiteral("\t"), QString(QChar(0)),
          QString(QChar(127)), QStringLiteral("é"), QStringLiteral("Ａ"), QStringLiteral("船")}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(IsPrintableAscii(text));
    }
}

TEST(DistanceFits, ComparesDigitsWithTheLimit) {
    const struct {
        const char* distance;
        int limit;
        bool fits;
    } cases[] = {{"511", 511, true},        {"512", 511, false}, {"63", 63, true},
                 {"64", 63, false},         {"0", 63, true},     {"0063", 63, true},
                 {"2147483647", 511, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.distance);
        EXPECT_EQ(DistanceFits(QString::fromLatin1(c.distance), c.limit), c.fits);
    }
}

TEST(DistanceFits, RaisesForAnythingButDigits) {
    for (const char* distance : {"2147483648", "-1", "+5", " 5", "5 ", "x", "$1F", ""}) {
        SCOPED_TRACE(distance);
        EXPECT_THROW(DistanceFits(QString::fromLatin1(distance), 511), EConvertError);
    }
}

TEST(EscapeReserved, WritesReservedCharactersAsHexCodes) {
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {{",", "^2C"},
                 {"*", "^2A"},
                 {"$", "^24"},
                 {"!", "^21"},
                 {"\\", "^5C"},
                 {"^", "^5E"},
                 {"~", "^7E"},
                 {"SEA, STAR*", "SEA^2C STAR^2A"},
                 {"ABC 1-2/3", "ABC 1-2/3"},
                 {"", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EscapeReserved(QString::fromLatin1(c.text)), QString::fromLatin1(c.escaped));
    }
}

TEST(SsdBody, PutsTheEscapedTextsAndDistancesIntoTheirFields) {
    const VesselData data{
        QStringLiteral("JA1$"),
        QStringLiteral("A,B"),
        {QStringLiteral("010"), QStringLiteral("5"), QStringLiteral("2"), QStringLiteral("3")},
        QString()};
    EXPECT_EQ(SsdBody(data), QStringLiteral("$U0SSD,JA1^24,A^2CB,010,5,2,3,,AI"));
}

TEST(StationAndVoyageSentences, MatchTheUnitsFormat) {
    const VesselData empty{
        QString(),
        QString(),
        {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")},
        QString()};
    VesselData pleasureCraft = empty;
    pleasureCraft.shipTypeRow = QStringLiteral("37 : Vessel- Pleasure craft");
    EXPECT_EQ(Sentence(SsdBody(empty)), QStringLiteral("$U0SSD,,,0,0,0,0,,AI*29\r\n"));
    EXPECT_EQ(Sentence(VsdBody(pleasureCraft)), QStringLiteral("$U0VSD,37,,,,,,,,*0C\r\n"));
    EXPECT_EQ(Sentence(VsdBody(empty)), QStringLiteral("$U0VSD,,,,,,,,,*08\r\n"));
}

} // namespace
