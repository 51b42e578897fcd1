#include "codec/Checksum.h"

#include <gtest/gtest.h>

namespace {

struct ChecksumCase {
    const char* body;
    const char* checksum;
};

void PrintTo(const ChecksumCase& c, std::ostream* os) {
    *os << '"' << c.body << '"';
}

class KnownChecksums : public testing::TestWithParam<ChecksumCase> {};

TEST_P(KnownChecksums, MatchTheSentencesTheUnitAccepts) {
    EXPECT_EQ(CalcCheckSum(QString::fromLatin1(GetParam().body)),
              QString::fromLatin1(GetParam().checksum));
}

INSTANTIATE_TEST_SUITE_P(Bodies, KnownChecksums,
                         testing::Values(ChecksumCase{"$U0AIQ,SMM", "*43"},
                                         ChecksumCase{"$U0AIQ,SSD", "*54"},
                                         ChecksumCase{"$U0AIQ,VSD", "*51"},
                                         ChecksumCase{"$PSMT,TRG,02,00", "*75"},
                                         ChecksumCase{"$U0VSD,37,,,,,,,,", "*0C"},
                                         ChecksumCase{"$PSMT,0,0,0,1,setgnssmode 3,1", "*51"},
                                         ChecksumCase{"$", "*00"}, ChecksumCase{"", "*00"}));

TEST(CalcCheckSum, SkipsTheFirstCharacterWhateverItIs) {
    EXPECT_EQ(CalcCheckSum(QStringLiteral("XU0AIQ,SMM")), QStringLiteral("*43"));
    EXPECT_EQ(CalcCheckSum(QStringLiteral("A")), QStringLiteral("*00"));
}

QString HexOfLowByte(char16_t code) {
    return QStringLiteral("*%1").arg(code & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

// Every 16-bit code, not only 8-bit ones, must give two digits from the table;
// above 255 only the byte that goes on the line counts.
TEST(CalcCheckSum, OfOneCharacterIsItsLowByteForEveryCode) {
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        const char16_t c = static_cast<char16_t>(code);
        ASSERT_EQ(CalcCheckSum(QStringLiteral("$") + QChar(c)), HexOfLowByte(c)) << int(code);
    }
}

TEST(CalcCheckSum, WideCharactersCancelLikeTheirLowBytes) {
    const QString wide = QStringLiteral("$") + QChar(0x3042) + QChar(0x0142);
    EXPECT_EQ(CalcCheckSum(wide), QStringLiteral("*00"));
}

} // namespace
