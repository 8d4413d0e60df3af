#include "platform/virtual_scheduler.h"

#include <algorithm>

namespace zelvo {

void VirtualScheduler::attach(Timer& t) { timers_.push_back(&t); }

void VirtualScheduler::detach(Timer& t) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), &t), timers_.end());
}

void VirtualScheduler::rearm(Timer& t) {
    t.due = now_ + t.interval();
    t.armSeq = ++seq_;
}

Timer* VirtualScheduler::nextTimer() const {
    Timer* best = nullptr;
    for (Timer* t : timers_) {
        if (!t->enabled() || t->interval() <= 0 || t->inTick) continue;
        if (!best || t->due < best->due || (t->due == best->due && t->armSeq < best->armSeq)) best = t;
    }
    return best;
}

int64_t VirtualScheduler::nextDue() const {
    Timer* t = nextTimer();
    return t ? t->due : -1;
}

void VirtualScheduler::fire(Timer& t) {
    if (t.due > now_) now_ = t.due;
    // The next tick counts from this one; the tick itself may disable the
    // timer or restart its count by setting the interval.
    t.due = now_ + t.interval();
    t.armSeq = ++seq_;
    t.inTick = true;
    ++ticks_;
    if (t.onTick) t.onTick();
    t.inTick = false;
    if (afterTick) afterTick();
}

bool VirtualScheduler::step() {
    Timer* t = nextTimer();
    if (!t) return false;
    fire(*t);
    return true;
}

void VirtualScheduler::advance(int64_t ms) {
    const int64_t end = now_ + ms;
    for (;;) {
        Timer* t = nextTimer();
        if (!t || t->due > end) break;
        fire(*t);
    }
    now_ = end;
}

bool VirtualScheduler::runUntilIdle(int64_t limitMs) {
    const int64_t end = now_ + limitMs;
    for (;;) {
        Timer* t = nextTimer();
        if (!t) return true;
        if (t->due > end) {
            now_ = end;
            return false;
        }
        fire(*t);
    }
}

}  // namespace zelvo
