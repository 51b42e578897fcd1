#include "shipdata/QueryRules.h"

#include "codec/Checksum.h"
#include "codec/Sentence.h"

#include <gtest/gtest.h>

namespace {

TEST(VesselQueries, AskForMmsiStationDataAndVoyageDataInOrder) {
    EXPECT_EQ(VesselQueries,
              QStringList({QStringLiteral("$U0AIQ,SMM*43"), QStringLiteral("$U0AIQ,SSD*54"),
                           QStringLiteral("$U0AIQ,VSD*51")}));
}

TEST(StoredSentences, CarryTheChecksumOfTheirBody) {
    QStringList stored = VesselQueries;
    stored << TriggerSentence;
    for (const QString& sentence : stored) {
        SCOPED_TRACE(sentence.toStdString());
        const qsizetype star = sentence.indexOf(u'*');
        EXPECT_EQ(sentence.mid(star), CalcCheckSum(sentence.left(star)));
    }
}

TEST(ConfigurationSentences, CarryTheCounterTheyAreBuiltWith) {
    const struct {
        QString (*body)(const QString&);
        const char* sqid;
        const char* sentence;
    } cases[] = {
        {NmeaBaudBody, "0", "$PSMT,0,0,0,0,nmeabaud 38400^2C19200,0*35\r\n"},
        {GnssModeBody, "1", "$PSMT,0,0,0,1,setgnssmode 3,1*51\r\n"},
        {GpsFilterBody, "2", "$PSMT,0,0,0,0,gpsfilt_nv 59,2*30\r\n"},
        {NmeaBaudBody, "11", "$PSMT,0,0,0,0,nmeabaud 38400^2C19200,11*05\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sentence);
        EXPECT_EQ(Sentence(c.body(QString::fromLatin1(c.sqid))), QString::fromLatin1(c.sentence));
    }
}

TEST(AccessCodeBody, HasThreeEmptyFieldsAndTheElevenCharacterCode) {
    const QStringList fields = AccessCodeBody.split(u',');
    ASSERT_EQ(fields.size(), 5);
    EXPECT_EQ(fields[0], QStringLiteral("$PSMT"));
    EXPECT_EQ(fields[1], QStringLiteral("012"));
    EXPECT_TRUE(fields[2].isEmpty() && fields[3].isEmpty());
    EXPECT_EQ(fields[4].size(), 11);
    EXPECT_TRUE(fields[4].startsWith(QStringLiteral("(--")) &&
                fields[4].endsWith(QStringLiteral("--)")));
}

} // namespace
