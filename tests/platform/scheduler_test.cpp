#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/virtual_scheduler.h"

using namespace zelvo;

TEST(Timers, TickPeriodicallyWhileEnabled) {
    VirtualScheduler s;
    Timer t(s, "t", 100);
    std::vector<int64_t> ticks;
    t.onTick = [&] { ticks.push_back(s.nowMs()); };
    s.advance(1000);
    EXPECT_TRUE(ticks.empty());  // disabled
    t.enable();
    s.advance(350);
    EXPECT_EQ(ticks, (std::vector<int64_t>{1100, 1200, 1300}));
    t.disable();
    s.advance(1000);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST(Timers, IntervalZeroNeverTicksAndSettingTheIntervalRestartsTheCount) {
    VirtualScheduler s;
    Timer t(s, "t", 0);
    int n = 0;
    t.onTick = [&] { ++n; };
    t.enable();
    s.advance(100000);
    EXPECT_EQ(n, 0);
    t.setInterval(100);  // counts from now
    s.advance(90);
    t.setInterval(100);  // restart: the tick at 100 does not come
    s.advance(90);
    EXPECT_EQ(n, 0);
    s.advance(10);
    EXPECT_EQ(n, 1);
    // Enabling an enabled timer does not restart it.
    s.advance(50);
    t.enable();
    s.advance(50);
    EXPECT_EQ(n, 2);
}

TEST(Timers, EqualDueTimesRunInArmingOrderAndOneAtATime) {
    VirtualScheduler s;
    Timer a(s, "a", 50), b(s, "b", 50), c(s, "c", 20);
    std::string order;
    bool inside = false;
    auto tick = [&](char name, Timer& self) {
        EXPECT_FALSE(inside);
        inside = true;
        order += name;
        self.disable();
        inside = false;
    };
    a.onTick = [&] { tick('a', a); };
    b.onTick = [&] { tick('b', b); };
    c.onTick = [&] {
        tick('c', c);
        a.enable();  // armed now, due at 70
    };
    b.enable();  // due at 50
    c.enable();  // due at 20
    EXPECT_TRUE(s.runUntilIdle());
    EXPECT_EQ(order, "cba");
    EXPECT_EQ(s.nowMs(), 70);
}

TEST(Timers, ATickCanReArmItselfWithANewInterval) {
    VirtualScheduler s;
    Timer t(s, "t", 10);
    std::vector<int64_t> at;
    t.onTick = [&] {
        at.push_back(s.nowMs());
        if (at.size() == 2) t.setInterval(100);
        if (at.size() == 4) t.disable();
    };
    t.enable();
    s.runUntilIdle();
    EXPECT_EQ(at, (std::vector<int64_t>{10, 20, 120, 220}));
}

TEST(Timers, RunUntilIdleStopsAtItsLimit) {
    VirtualScheduler s;
    Timer t(s, "t", 10);
    int n = 0;
    t.onTick = [&] { ++n; };
    t.enable();
    EXPECT_FALSE(s.runUntilIdle(1000));
    EXPECT_EQ(n, 100);
    EXPECT_EQ(s.nowMs(), 1000);
}
