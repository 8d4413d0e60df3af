#pragma once
// The game's timers on the Qt event loop: each Timer gets a QTimer; ticks run
// on the window thread, one at a time.
#include <QElapsedTimer>
#include <QObject>
#include <functional>

#include "platform/scheduler.h"

namespace zelvo {

class QtScheduler final : public Scheduler {
public:
    QtScheduler() { orologio_.start(); }
    void rearm(Timer& t) override;
    void attach(Timer& t) override;
    void detach(Timer& t) override;
    int64_t nowMs() const override { return orologio_.elapsed(); }

    // Called after every tick with the timer that ticked, so the window can repaint from the model.
    std::function<void(const Timer&)> afterEveryTick;

private:
    QElapsedTimer orologio_;
};

}  // namespace zelvo
