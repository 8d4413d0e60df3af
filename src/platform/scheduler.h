#pragma once
// Timers of the window: each ticks every `interval` ms while enabled. The
// scheduler behind them is either the virtual clock of the tests and tools or
// the event loop of the real window.
#include <cstdint>
#include <functional>
#include <string>

namespace zelvo {

class Scheduler;

class Timer {
public:
    Timer(Scheduler& scheduler, std::string name, int intervalMs = 0);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    const std::string& name() const { return name_; }
    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }

    // Enabling a disabled timer starts its count; enabling an enabled one changes nothing.
    void setEnabled(bool on);
    void enable() { setEnabled(true); }
    void disable() { setEnabled(false); }
    // Setting the interval always restarts the count (interval 0 never ticks).
    void setInterval(int ms);

    std::function<void()> onTick;

    // Scheduler bookkeeping.
    int64_t due = 0;       // virtual time of the next tick
    uint64_t armSeq = 0;   // order of arming, breaks ties between equal due times
    bool inTick = false;   // a tick is never re-entered
    void* handle = nullptr;  // for a scheduler that maps timers to its own objects

private:
    Scheduler& scheduler_;
    std::string name_;
    int interval_;
    bool enabled_ = false;
};

class Scheduler {
public:
    virtual ~Scheduler() = default;
    // Called when a timer's count (re)starts or it is switched off.
    virtual void rearm(Timer& t) = 0;
    virtual void attach(Timer& t) = 0;
    virtual void detach(Timer& t) = 0;
    // Milliseconds since the scheduler started.
    virtual int64_t nowMs() const = 0;
};

}  // namespace zelvo
