#include "codec/IntText.h"

#include "platform/Exception.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct ReadCase {
    QString text;
    int32_t value;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << '"' << c.text.toStdString() << '"';
}

class ReadableText : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadableText, GivesItsValue) {
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().value);
    int32_t value = 0;
    EXPECT_TRUE(TryStrToInt(GetParam().text, value));
    EXPECT_EQ(value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadableText,
                         testing::Values(ReadCase{"0", 0}, ReadCase{"7", 7}, ReadCase{" 7", 7},
                                         ReadCase{"   -12", -12}, ReadCase{"+5", 5},
                                         ReadCase{"-3", -3}, ReadCase{"-0", 0}, ReadCase{"010", 10},
                                         ReadCase{"2147483647", 2147483647},
                                         ReadCase{"-2147483648", -2147483647 - 1},
                                         ReadCase{"00000000002147483647", 2147483647}));

struct Unreadable {
    QString text;
};

void PrintTo(const Unreadable& c, std::ostream* os) {
    *os << '"' << c.text.toStdString() << '"';
}

class UnreadableText : public testing::TestWithParam<Unreadable> {};

TEST_P(UnreadableText, IsAConversionError) {
    int32_t value = 0;
    EXPECT_FALSE(TryStrToInt(GetParam().text, value));
    EXPECT_THROW(StrToInt(GetParam().text), EConvertError);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnreadableText,
                         testing::ValuesIn(std::vector<Unreadable>{{""},
                                                                   {" "},
                                                                   {"+"},
                                                                   {"-"},
                                                                   {"1 "},
                                                                   {"1a"},
                                                                   {"- 1"},
                                                                   {"\t7"},
                                                                   {"2147483648"},
                                                                   {"-2147483649"},
                                                                   {"9999999999"},
                                                                   {"99999999999999999999999"},
                                                                   {"$1F"},
                                                                   {"0x1F"},
                                                                   {"x1F"},
                                                                   {"1F"},
                                                                   {QString::fromUtf8("١٢")},
                                                                   {QString::fromUtf8("１２")},
                                                                   {"++1"},
                                                                   {"+-1"},
                                                                   {"1.5"}}));

TEST(StrToInt, ErrorMessageQuotesTheText) {
    try {
        StrToInt(QStringLiteral("1a"));
        FAIL() << "no error raised";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("'1a' is not a valid integer value"));
    }
}

} // namespace
