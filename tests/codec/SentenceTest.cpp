#include "codec/Sentence.h"

#include <gtest/gtest.h>

namespace {

TEST(Sentence, IsBodyChecksumAndCrLf) {
    EXPECT_EQ(Sentence(QStringLiteral("$U0AIQ,SMM")), QStringLiteral("$U0AIQ,SMM*43\r\n"));
    EXPECT_EQ(Sentence(QStringLiteral("$U0VSD,37,,,,,,,,")),
              QStringLiteral("$U0VSD,37,,,,,,,,*0C\r\n"));
}

TEST(Sentence, ScratchTextStartsEmpty) {
    EXPECT_TRUE(SendData.isEmpty());
}

} // namespace
