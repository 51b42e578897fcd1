#include "tools/unitsim/OutputQueue.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
const OutputQueue::Clock::time_point start{};

TEST(OutputQueue, UnpacedPieceGoesWholeAtItsTime) {
    OutputQueue queue(0);
    queue.push("ABCDEF", start + 5ms);
    EXPECT_EQ(queue.ready(start), "");
    EXPECT_EQ(queue.waitBefore(start), OutputQueue::Clock::duration(5ms));
    EXPECT_EQ(queue.ready(start + 5ms), "ABCDEF");
    queue.consume(6);
    EXPECT_TRUE(queue.empty());
    EXPECT_FALSE(queue.waitBefore(start + 5ms).has_value());
}

TEST(OutputQueue, PartialWriteLeavesRestReady) {
    OutputQueue queue(0);
    queue.push("ABCDEF", start);
    queue.consume(2);
    EXPECT_EQ(queue.ready(start), "CDEF");
}

TEST(OutputQueue, LaterPieceWaitsForItsTime) {
    OutputQueue queue(0);
    queue.push("AB", start);
    queue.push("CD", start + 10ms);
    queue.consume(queue.ready(start).size());
    EXPECT_EQ(queue.ready(start + 9ms), "");
    EXPECT_EQ(queue.ready(start + 10ms), "CD");
}

// 1000 baud at 10 bits a character: one character every 10 ms.
TEST(OutputQueue, PacedQueueReleasesOneCharacterPerCharacterTime) {
    OutputQueue queue(1000);
    queue.push("ABCDEF", start);
    EXPECT_EQ(queue.ready(start), "A");
    queue.consume(1);
    EXPECT_EQ(queue.ready(start + 9ms), "");
    EXPECT_EQ(queue.waitBefore(start + 4ms), OutputQueue::Clock::duration(6ms));
    EXPECT_EQ(queue.ready(start + 30ms), "BCD");
    queue.consume(3);
    EXPECT_EQ(queue.ready(start + 39ms), "");
    EXPECT_EQ(queue.ready(start + 40ms), "E");
}

TEST(OutputQueue, PacingCarriesOverIntoNextPiece) {
    OutputQueue queue(1000);
    queue.push("AB", start);
    queue.push("CD", start);
    queue.consume(queue.ready(start + 10ms).size());
    EXPECT_EQ(queue.ready(start + 19ms), "");
    EXPECT_EQ(queue.ready(start + 20ms), "C");
}

} // namespace
