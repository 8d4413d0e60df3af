#include "platform/scheduler.h"

namespace zelvo {

Timer::Timer(Scheduler& scheduler, std::string name, int intervalMs)
    : scheduler_(scheduler), name_(std::move(name)), interval_(intervalMs) {
    scheduler_.attach(*this);
}

Timer::~Timer() { scheduler_.detach(*this); }

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    scheduler_.rearm(*this);
}

void Timer::setInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    scheduler_.rearm(*this);
}

}  // namespace zelvo
