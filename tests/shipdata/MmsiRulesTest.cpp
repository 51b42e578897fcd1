#include "shipdata/MmsiRules.h"

#include "codec/Sentence.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckMmsi, AcceptsNineDigitsWithinTheRange) {
    const struct {
        const char* mmsi;
        MmsiCheck check;
    } cases[] = {
        {"20000000", MmsiCheck::WrongLength}, {"2000000000", MmsiCheck::WrongLength},
        {"", MmsiCheck::WrongLength},         {"１２３４５６７８９０", MmsiCheck::WrongLength},
        {"199999999", MmsiCheck::OutOfRange}, {"200000000", MmsiCheck::Acceptable},
        {"799999999", MmsiCheck::Acceptable}, {"800000000", MmsiCheck::OutOfRange},
        {"000000000", MmsiCheck::OutOfRange}, {"020000000", MmsiCheck::OutOfRange},
        {"999999999", MmsiCheck::OutOfRange}, {"431000001", MmsiCheck::Acceptable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mmsi);
        EXPECT_EQ(CheckMmsi(QString::fromUtf8(c.mmsi)), c.check);
    }
}

TEST(CheckMmsi, RaisesTheConversionErrorForNineCharactersThatAreNotAllDigits) {
    for (const char* mmsi : {" 20000000", "+20000000", "2000000 0", "$0BEBC200", "0x0BEBC20",
                             "20000000a", "１２３４５６７８９"}) {
        SCOPED_TRACE(mmsi);
        try {
            CheckMmsi(QString::fromUtf8(mmsi));
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& error) {
            EXPECT_EQ(
                error.Message(),
                QStringLiteral("'%1' is not a valid integer value").arg(QString::fromUtf8(mmsi)));
        }
    }
}

TEST(MmsiSentence, CarriesTheTextAndAFixedZero) {
    EXPECT_EQ(Sentence(MmsiBody(QStringLiteral("200000000"))),
              QStringLiteral("$PSMT,0,0,0,0,set_mmsi 200000000,0*1F\r\n"));
}

TEST(MmsiSecondConfirmation, NamesTheMmsi) {
    EXPECT_EQ(MmsiSecondConfirmation(QStringLiteral("431000001")),
              QStringLiteral("MMSIを 431000001 で設定します。\r\n本当によろしいですか?"));
}

} // namespace
