#include "codec/SequenceCounter.h"

#include <gtest/gtest.h>

namespace {

TEST(SequenceCounter, StartsAtZero) {
    EXPECT_EQ(SqId, 0);
    EXPECT_EQ(SqidS, QStringLiteral("0"));
}

TEST(SequenceCounter, CountsEverySentenceInDecimal) {
    SqId = 0;
    SqidS = QStringLiteral("0");
    for (int i = 0; i < 5; ++i) {
        IncSqId();
    }
    EXPECT_EQ(SqId, 5);
    EXPECT_EQ(SqidS, QStringLiteral("5"));
    for (int i = 0; i < 7; ++i) {
        IncSqId();
    }
    EXPECT_EQ(SqidS, QStringLiteral("12"));
}

} // namespace
