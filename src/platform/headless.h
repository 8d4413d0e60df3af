#pragma once
// The headless platform: virtual time, a clock that follows it, a seeded generator.
#include <cstdint>

#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/virtual_scheduler.h"

namespace zelvo {

struct Headless {
    explicit Headless(uint64_t seed = 1, DateTime start = {2026, 12, 5, 20, 30, 0})
        : clock(scheduler, start), random(seed), platform{scheduler, clock, random} {}
    VirtualScheduler scheduler;
    VirtualClock clock;
    SeededRandom random;
    Platform platform;
};

}  // namespace zelvo
