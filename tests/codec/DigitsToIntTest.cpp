#include "codec/IntText.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(DigitsToInt, ReadsDecimalDigitsAlone) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {{"0", 0}, {"007", 7}, {"511", 511}, {"2147483647", 2147483647}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DigitsToInt(QString::fromLatin1(c.text)), c.value);
    }
}

TEST(DigitsToInt, RefusesEverythingElseWithTheConversionError) {
    for (const char* text :
         {"", " 5", "+5", "-1", "5 ", "5a", "$1F", "0x1F", "2147483648", "99999999999"}) {
        SCOPED_TRACE(text);
        try {
            DigitsToInt(QString::fromLatin1(text));
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& error) {
            EXPECT_EQ(
                error.Message(),
                QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(text)));
        }
    }
}

TEST(DigitsToInt, RefusesFullWidthDigits) {
    EXPECT_THROW(DigitsToInt(QStringLiteral("１２")), EConvertError);
}

} // namespace
