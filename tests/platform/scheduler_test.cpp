// The timers on the virtual clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/virtual_scheduler.h"

using namespace zelvo;

TEST(Timers, TickInOrderWhileEnabledAndAnIntervalRestartsTheCount) {
    VirtualScheduler s;
    Timer t(s, "t", 100), u(s, "u", 300);
    std::vector<std::string> at;
    t.onTick = [&] {
        at.push_back(std::to_string(s.nowMs()) + t.name());
        if (at.size() == 7) t.setInterval(10);  // from a tick: the next counts from it
    };
    u.onTick = [&] {
        at.push_back(std::to_string(s.nowMs()) + u.name());
        u.disable();
    };
    s.advance(1000);  // disabled
    u.enable();       // due at 1300 with the third tick of t, which is armed later: u runs first
    t.enable();
    EXPECT_TRUE(s.nextDue() == 1100 && s.step());
    s.advance(250);
    t.enable();  // enabling an enabled timer does not restart it
    s.advance(100);
    t.setInterval(100);  // restarts the count: no tick at 1500
    s.advance(200);
    EXPECT_EQ(at, (std::vector<std::string>{"1100t", "1200t", "1300u", "1300t", "1400t", "1550t", "1650t"}));
    EXPECT_FALSE(s.runUntilIdle(125));
    EXPECT_EQ(std::pair(at.back(), s.nowMs()), std::pair(std::string("1770t"), int64_t{1775}));
    EXPECT_EQ(s.ticks(), at.size());
    t.setInterval(-5);  // never ticks
    EXPECT_EQ(std::pair(t.interval(), s.nextDue()), std::pair(0, int64_t{-1}));
    EXPECT_TRUE(!s.step() && s.runUntilIdle());
}

// The real clock tells today's calendar date and time of day, not the C library's offsets.
TEST(Clocks, TheSystemClockTellsACalendarDate) {
    const DateTime d = SystemClock().now();
    EXPECT_TRUE(d.year >= 2026 && d.year < 2200 && d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31 &&
                d.hour < 24 && d.minute < 60 && d.second < 61)
        << d.year << "-" << d.month << "-" << d.day << " " << d.hour << ":" << d.minute;
}
