#pragma once
// The virtual clock: ticks fall due in virtual milliseconds and run in order
// when the owner advances time, so a whole match plays in microseconds and
// every test is deterministic.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/scheduler.h"

namespace zelvo {

class VirtualScheduler final : public Scheduler {
public:
    void rearm(Timer& t) override;
    void attach(Timer& t) override;
    void detach(Timer& t) override;
    int64_t nowMs() const override { return now_; }

    // Runs every tick due up to now + ms, in order, then sets the clock to now + ms.
    void advance(int64_t ms);
    // Runs the next due tick (moving the clock to it); false when no timer is armed.
    bool step();
    // Time of the next due tick, or -1 when nothing is armed.
    int64_t nextDue() const;
    // Runs ticks until nothing is armed or `limitMs` of virtual time has passed;
    // returns false when the limit was hit.
    bool runUntilIdle(int64_t limitMs = INT64_MAX / 4);

    // Ticks fired since the scheduler was made.
    uint64_t ticks() const { return ticks_; }
    // Called after every tick, for an observer of the whole run.
    std::function<void()> afterTick;

private:
    Timer* nextTimer() const;
    void fire(Timer& t);
    std::vector<Timer*> timers_;
    int64_t now_ = 0;
    uint64_t seq_ = 0;
    uint64_t ticks_ = 0;
};

}  // namespace zelvo
