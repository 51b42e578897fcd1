#include "link/WaitRules.h"

#include <gtest/gtest.h>

namespace {

constexpr uint64_t TwoTo32 = uint64_t{1} << 32;

TEST(DeadlineAfter, WrapsToZero) {
    EXPECT_EQ(DeadlineAfter(100, 50), 150u);
    EXPECT_EQ(DeadlineAfter(static_cast<uint32_t>(TwoTo32 - 16), 32), 16u);
}

struct DeadlineCase {
    uint32_t deadline;
    uint64_t now;
    bool passed;
};

class DeadlinePassedTest : public ::testing::TestWithParam<DeadlineCase> {};

TEST_P(DeadlinePassedTest, AnswersWhetherTheCounterHasMovedPastTheDeadline) {
    EXPECT_EQ(DeadlinePassed(GetParam().deadline, static_cast<uint32_t>(GetParam().now)),
              GetParam().passed)
        << "deadline " << GetParam().deadline << ", now " << GetParam().now;
}

INSTANTIATE_TEST_SUITE_P(
    Counter, DeadlinePassedTest,
    ::testing::Values(DeadlineCase{16, TwoTo32 - 16, false}, DeadlineCase{16, TwoTo32 - 1, false},
                      DeadlineCase{16, 0, false}, DeadlineCase{16, 16, false},
                      DeadlineCase{16, 17, true}, DeadlineCase{16, 1000, true},
                      DeadlineCase{static_cast<uint32_t>(TwoTo32 - 1), 0, true},
                      DeadlineCase{static_cast<uint32_t>(TwoTo32 - 1), TwoTo32 - 1, false},
                      DeadlineCase{0x7FFFFFFF, 0, false}));

} // namespace
