#include "platform/Clock.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace {
class ClockTest : public testing::Test {
protected:
    void TearDown() override { SetWaitHooks({}); }
};

TEST_F(ClockTest, HooksReplaceTickAndSleep) {
    uint32_t tick = 4'294'967'290u;
    std::vector<uint32_t> sleeps;
    SetWaitHooks({[&] { return tick; },
                  [&](uint32_t ms) {
                      sleeps.push_back(ms);
                      tick += ms;
                  }});
    EXPECT_EQ(GetTickCount(), 4'294'967'290u);
    Sleep(1);
    Sleep(7);
    EXPECT_EQ(sleeps, (std::vector<uint32_t>{1, 7}));
    EXPECT_EQ(GetTickCount(), 2u);
}

TEST_F(ClockTest, EmptyHooksKeepTheRealClock) {
    int fakeCalls = 0;
    SetWaitHooks({[&] {
                      ++fakeCalls;
                      return 0u;
                  },
                  [&](uint32_t) { ++fakeCalls; }});
    SetWaitHooks({});
    const uint32_t before = GetTickCount();
    Sleep(2);
    EXPECT_GE(GetTickCount() - before, 2u);
    EXPECT_EQ(fakeCalls, 0);
}

TEST_F(ClockTest, ProcessMessagesHandlesPendingEvents) {
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    ProcessMessages();
    EXPECT_TRUE(handled);
}
} // namespace
